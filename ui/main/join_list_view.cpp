#include "ui/main/join_list_view.h"
#include <QCoreApplication>

#include <QContextMenuEvent>
#include <QDragEnterEvent>
#include <QHeaderView>
#include <QMimeData>
#include <QStyle>
#include <QUrl>

namespace veltrano {

JoinListView::JoinListView(JoinList& list, QWidget* parent)
    : QTreeView(parent), list_(list), model_(list) {
    setObjectName(QStringLiteral("ListView1"));
    setAccessibleName(QCoreApplication::translate("Main", "Files to join"));
    setModel(&model_);
    model_.SetCopyNoteDecoration(style()->standardIcon(QStyle::SP_MessageBoxWarning));
    setRootIsDecorated(false);
    setItemsExpandable(false);
    setUniformRowHeights(true);
    setAllColumnsShowFocus(true);
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSortingEnabled(false);
    setAcceptDrops(true);
    viewport()->setAcceptDrops(true);  // drops arrive at the viewport
    setDropIndicatorShown(false);
    setContextMenuPolicy(Qt::DefaultContextMenu);

    setAlternatingRowColors(true);
    QPalette colours = palette();
    colours.setColor(QPalette::Base, Qt::white);
    colours.setColor(QPalette::AlternateBase, QColor(kAlternateRowColour));
    setPalette(colours);

    QHeaderView* columns = header();
    // The row order is the join order: a header click must not sort or select anything.
    columns->setSectionsClickable(false);
    columns->setSortIndicatorShown(false);
    columns->setSectionsMovable(false);
    columns->setStretchLastSection(false);
    for (int column = 0; column < JoinListModel::ColumnCount; ++column) {
        setColumnWidth(column, JoinListModel::StartupWidthPixels(column));
    }
    columns->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);

    connect(&list_, &JoinList::SelectionChanged, this, &JoinListView::PushSelectionToView);
    connect(&list_, &JoinList::FocusedRowChanged, this, &JoinListView::PushFocusToView);
    connect(&list_, &JoinList::FocusRequested, this, [this] { setFocus(Qt::OtherFocusReason); });
    // Between AboutToReset and ResetDone the view's state says nothing about the list.
    connect(&list_, &JoinList::AboutToReset, this, [this] { syncing_ = true; });
    connect(&list_, &JoinList::ResetDone, this, [this] { syncing_ = false; });
    connect(selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &JoinListView::PullSelectionFromView);
    connect(selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this](const QModelIndex& current) { PullFocusFromView(current); });
}

void JoinListView::PushSelectionToView() {
    if (syncing_) {
        return;
    }
    syncing_ = true;
    // Ranges of consecutive selected rows keep a large selection cheap.
    QItemSelection selection;
    const int last = JoinListModel::ColumnCount - 1;
    int row = 0;
    while (row < list_.Count()) {
        if (!list_.IsSelected(row)) {
            ++row;
            continue;
        }
        const int first = row;
        while (row < list_.Count() && list_.IsSelected(row)) {
            ++row;
        }
        selection.select(model_.index(first, 0), model_.index(row - 1, last));
    }
    selectionModel()->select(selection, QItemSelectionModel::ClearAndSelect);
    syncing_ = false;
}

void JoinListView::PushFocusToView() {
    if (syncing_) {
        return;
    }
    syncing_ = true;
    const std::optional<int> focused = list_.FocusedRow();
    const QModelIndex current = focused ? model_.index(*focused, 0) : QModelIndex();
    selectionModel()->setCurrentIndex(current, QItemSelectionModel::NoUpdate);
    syncing_ = false;
}

void JoinListView::PullSelectionFromView() {
    if (syncing_) {
        return;
    }
    syncing_ = true;
    const QItemSelectionModel* selection = selectionModel();
    for (int row = 0; row < list_.Count(); ++row) {
        list_.SetSelected(row, selection->isRowSelected(row, {}));
    }
    syncing_ = false;
}

void JoinListView::PullFocusFromView(const QModelIndex& current) {
    if (syncing_) {
        return;
    }
    syncing_ = true;
    list_.SetFocusedRow(current.isValid() ? std::optional<int>(current.row()) : std::nullopt);
    syncing_ = false;
}

QStringList JoinListView::DroppedFiles(const QMimeData* data) {
    QStringList paths;
    if (data == nullptr || !data->hasUrls()) {
        return paths;
    }
    for (const QUrl& url : data->urls()) {
        if (url.isLocalFile()) {
            paths << url.toLocalFile();
        }
    }
    return paths;
}

void JoinListView::dragEnterEvent(QDragEnterEvent* event) {
    dragMoveEvent(event);
}

void JoinListView::dragMoveEvent(QDragMoveEvent* event) {
    if (DroppedFiles(event->mimeData()).isEmpty()) {
        event->ignore();
        return;
    }
    event->setDropAction(Qt::CopyAction);
    event->accept();
}

void JoinListView::dropEvent(QDropEvent* event) {
    const QStringList paths = DroppedFiles(event->mimeData());
    if (paths.isEmpty()) {
        event->ignore();
        return;
    }
    event->setDropAction(Qt::CopyAction);
    event->accept();
    emit FilesDropped(paths);
}

void JoinListView::mouseReleaseEvent(QMouseEvent* event) {
    QTreeView::mouseReleaseEvent(event);
    if (event->button() == Qt::RightButton) {
        emit ContextMenuWanted(event->globalPosition().toPoint());
    }
}

void JoinListView::contextMenuEvent(QContextMenuEvent* event) {
    // The mouse's menu comes with the button's release, as everywhere in this list.
    if (event->reason() != QContextMenuEvent::Keyboard) {
        event->accept();
        return;
    }
    const QRect current = visualRect(currentIndex());
    const QPoint where = current.isValid() ? current.bottomLeft() : QPoint(0, 0);
    event->accept();
    emit ContextMenuWanted(viewport()->mapToGlobal(where));
}

}  // namespace veltrano
