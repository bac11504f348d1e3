#include "ui/settings/property_grid.h"

#include <QCoreApplication>

#include <QHeaderView>
#include <QVBoxLayout>

#include "ui/common/accessible_text.h"
#include "ui/settings/property_grid_delegate.h"

namespace veltrano {

namespace {

constexpr int kHelpPaneHeight = 64;

QString RemoveAudioCheckText(bool remove) {
    //: The state of a grid check box, as a screen reader reads it.
    return remove ? QCoreApplication::translate("Grid", "True")
                  //: The state of a grid check box, as a screen reader reads it.
                  : QCoreApplication::translate("Grid", "False");
}

// A value cell is read with its caption and what it shows, so a screen reader hears the value.
QString GridText(const QString& english) {
    return QCoreApplication::translate("Grid", english.toUtf8().constData());
}

void NameValueCell(QStandardItem& value, const QString& caption) {
    const QString shown = value.isCheckable()
                              ? RemoveAudioCheckText(value.checkState() == Qt::Checked)
                              : PropertyGridDelegate::ShownValue(value.text());
    const QString name = NameWithValue(caption, shown);
    if (value.accessibleText() != name) {
        value.setAccessibleText(name);
    }
}

}  // namespace

PropertyGrid::PropertyGrid(QWidget* parent) : QWidget(parent) {
    tree_ = new QTreeView(this);
    tree_->setObjectName(QStringLiteral("PropertyGrid1Items"));
    tree_->setAccessibleName(QCoreApplication::translate("Settings", "Advanced settings items"));
    tree_->setModel(&model_);
    tree_->setItemDelegate(new PropertyGridDelegate(tree_));
    tree_->setHeaderHidden(true);
    tree_->setAlternatingRowColors(false);
    tree_->setSelectionMode(QAbstractItemView::SingleSelection);
    tree_->setSelectionBehavior(QAbstractItemView::SelectRows);
    tree_->setEditTriggers(QAbstractItemView::CurrentChanged | QAbstractItemView::SelectedClicked |
                           QAbstractItemView::EditKeyPressed | QAbstractItemView::AnyKeyPressed);

    auto* help = new QWidget(this);
    help->setFixedHeight(kHelpPaneHeight);
    helpCaption_ = new QLabel(help);
    helpCaption_->setObjectName(QStringLiteral("PropertyGrid1HelpCaption"));
    QFont bold = helpCaption_->font();
    bold.setBold(true);
    helpCaption_->setFont(bold);
    helpText_ = new QLabel(help);
    helpText_->setObjectName(QStringLiteral("PropertyGrid1HelpText"));
    helpText_->setWordWrap(true);
    helpText_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    auto* helpLayout = new QVBoxLayout(help);
    helpLayout->setContentsMargins(4, 2, 4, 2);
    helpLayout->setSpacing(1);
    helpLayout->addWidget(helpCaption_);
    helpLayout->addWidget(helpText_, 1);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(2);
    layout->addWidget(tree_, 1);
    layout->addWidget(help);
    setFocusProxy(tree_);

    Build();
    connect(&model_, &QStandardItemModel::itemChanged, this, &PropertyGrid::OnItemChanged);
    connect(tree_->selectionModel(), &QItemSelectionModel::currentChanged, this,
            &PropertyGrid::OnCurrentChanged);
    connect(tree_, &QTreeView::clicked, this, &PropertyGrid::EditRow);
}

void PropertyGrid::EditRow(const QModelIndex& index) {
    const QModelIndex value = index.sibling(index.row(), 1);
    if (!value.data(PropertyGridDelegate::kGridItemRole).isValid() ||
        !(value.flags() & Qt::ItemIsEditable) || !(value.flags() & Qt::ItemIsEnabled)) {
        return;
    }
    tree_->setCurrentIndex(value);
    tree_->edit(value);
}

void PropertyGrid::Build() {
    model_.setColumnCount(2);
    QStandardItem* root = model_.invisibleRootItem();
    for (const GridCategorySpec& category : AdvancedGridLayout()) {
        auto* categoryItem = new QStandardItem(GridText(category.Caption));
        categoryItem->setEditable(false);
        QFont bold = font();
        bold.setBold(true);
        categoryItem->setFont(bold);
        auto* categoryFiller = new QStandardItem;
        categoryFiller->setEditable(false);
        for (const GridItemSpec& info : category.Items) {
            auto* caption = new QStandardItem(GridText(info.Caption));
            caption->setEditable(false);
            auto* value = new QStandardItem(info.InitialValue);
            value->setData(static_cast<int>(info.Item), PropertyGridDelegate::kGridItemRole);
            value->setEditable(info.Kind == GridItemKind::EditableList ||
                               info.Kind == GridItemKind::ChoiceList);
            if (info.Kind == GridItemKind::CheckBox) {
                value->setText(QString());
                value->setCheckable(true);
                value->setCheckState(Qt::Unchecked);
            }
            NameValueCell(*value, GridText(info.Caption));
            categoryItem->appendRow({caption, value});
            captionItems_[info.Item] = caption;
            valueItems_[info.Item] = value;
        }
        root->appendRow({categoryItem, categoryFiller});
        tree_->setFirstColumnSpanned(categoryItem->row(), QModelIndex(), true);
    }
    tree_->expandAll();
    tree_->header()->setSectionResizeMode(0, QHeaderView::Stretch);
    tree_->header()->setSectionResizeMode(1, QHeaderView::Stretch);
}

QModelIndex PropertyGrid::ValueIndex(GridItem item) const {
    const auto found = valueItems_.find(item);
    return found == valueItems_.end() ? QModelIndex() : found->second->index();
}

QModelIndex PropertyGrid::CaptionIndex(GridItem item) const {
    const auto found = captionItems_.find(item);
    return found == captionItems_.end() ? QModelIndex() : found->second->index();
}

void PropertyGrid::Render(const OutputSettings& settings) {
    rendering_ = true;
    for (const auto& [item, value] : valueItems_) {
        const bool locked = settings.IsGridItemLocked(item);
        if (item == GridItem::RemoveAudio) {
            value->setCheckState(settings.RemoveAudio ? Qt::Checked : Qt::Unchecked);
            value->setAccessibleDescription(RemoveAudioCheckText(settings.RemoveAudio));
        } else if (value->text() != settings.GridText(item)) {
            value->setText(settings.GridText(item));
        }
        value->setEnabled(!locked);
        captionItems_.at(item)->setEnabled(!locked);
        NameValueCell(*value, captionItems_.at(item)->text());
    }
    rendering_ = false;
}

void PropertyGrid::OnItemChanged(QStandardItem* item) {
    const QVariant itemData = item->data(PropertyGridDelegate::kGridItemRole);
    if (rendering_ || !itemData.isValid()) {
        return;
    }
    const GridItemSpec info = GridItemInfo(static_cast<GridItem>(itemData.toInt()));
    switch (info.Kind) {
        case GridItemKind::EditableList:
            emit TextEdited(info.Item, item->text());
            break;
        case GridItemKind::ChoiceList:
            for (const GridChoice& choice : info.Choices) {
                if (choice.Caption == item->text()) {
                    emit ChannelsChosen(choice.Value);
                }
            }
            break;
        case GridItemKind::CheckBox:
            emit RemoveAudioToggled(item->checkState() == Qt::Checked);
            break;
        case GridItemKind::ReadOnlyText:
            break;
    }
}

void PropertyGrid::OnCurrentChanged(const QModelIndex& current) {
    const QModelIndex caption = current.sibling(current.row(), 0);
    const QModelIndex value = current.sibling(current.row(), 1);
    const QVariant itemData = value.data(PropertyGridDelegate::kGridItemRole);
    helpCaption_->setText(caption.data().toString());
    helpText_->setText(
        itemData.isValid()
            ? GridText(GridItemInfo(static_cast<GridItem>(itemData.toInt())).HelpText)
            : QString());
}

}  // namespace veltrano
