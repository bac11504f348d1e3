#include "ui/settings/property_grid_delegate.h"

#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <algorithm>

#include "profiles/advanced_grid.h"

namespace veltrano {

PropertyGridDelegate::PropertyGridDelegate(QObject* parent) : QStyledItemDelegate(parent) {}

QWidget* PropertyGridDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem&,
                                            const QModelIndex& index) const {
    const QVariant itemData = index.data(kGridItemRole);
    if (!itemData.isValid()) {
        return nullptr;
    }
    const GridItemSpec info = GridItemInfo(static_cast<GridItem>(itemData.toInt()));
    if (info.Kind != GridItemKind::EditableList && info.Kind != GridItemKind::ChoiceList) {
        return nullptr;
    }
    auto* combo = new QComboBox(parent);
    combo->setAccessibleName(info.Caption);
    if (info.Kind == GridItemKind::EditableList) {
        combo->setEditable(true);
        // Typed values are normalised by the settings, never added to the suggestions.
        combo->setInsertPolicy(QComboBox::NoInsert);
        // No completion: an inline completion would store a suggestion the user never typed
        // ("2" becoming "20"), and its case-blind match would turn "1200K" into "1200k".
        combo->setCompleter(nullptr);
        combo->addItems(info.Values);
    } else {
        for (const GridChoice& choice : info.Choices) {
            combo->addItem(choice.Caption, choice.Value);
        }
    }
    // Picking a suggestion is a finished edit; typing is committed on Enter or focus loss.
    connect(combo, &QComboBox::activated, this, [this, combo] {
        if (closingByEnter_ == combo) {
            return;
        }
        auto* self = const_cast<PropertyGridDelegate*>(this);
        emit self->commitData(combo);
        emit self->closeEditor(combo);
    });
    return combo;
}

void PropertyGridDelegate::setEditorData(QWidget* editor, const QModelIndex& index) const {
    auto* combo = qobject_cast<QComboBox*>(editor);
    if (combo == nullptr) {
        return;
    }
    const QString text = index.data(Qt::EditRole).toString();
    const QSignalBlocker quiet(combo);  // setting the start value is no user choice
    if (combo->isEditable()) {
        const int row = combo->findText(text);
        combo->setCurrentIndex(row);
        combo->setEditText(text);
        combo->lineEdit()->selectAll();
    } else {
        combo->setCurrentIndex(combo->findText(text));
    }
}

void PropertyGridDelegate::setModelData(QWidget* editor, QAbstractItemModel* model,
                                        const QModelIndex& index) const {
    if (auto* combo = qobject_cast<QComboBox*>(editor)) {
        // The text as typed; the settings' rules decide what becomes of it.
        const QString text = combo->isEditable() ? combo->lineEdit()->text() : combo->currentText();
        model->setData(index, text, Qt::EditRole);
    }
}

void PropertyGridDelegate::updateEditorGeometry(QWidget* editor, const QStyleOptionViewItem& option,
                                                const QModelIndex&) const {
    // A list box needs more height than a row of text: it stands over the row, centred, so
    // that its text is not cut, rather than making every row as tall and the grid scroll.
    QRect area = option.rect;
    const int height = std::max(area.height(), editor->minimumSizeHint().height());
    area.setTop(area.top() - (height - area.height()) / 2);
    area.setHeight(height);
    editor->setGeometry(area);
}

QSize PropertyGridDelegate::sizeHint(const QStyleOptionViewItem& option,
                                     const QModelIndex& index) const {
    constexpr int kTextMargins = 4;
    QSize size = QStyledItemDelegate::sizeHint(option, index);
    size.setHeight(std::max(size.height(), option.fontMetrics.height() + kTextMargins));
    return size;
}

bool PropertyGridDelegate::eventFilter(QObject* object, QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            closingByEnter_ = object;
        }
    }
    return QStyledItemDelegate::eventFilter(object, event);
}

}  // namespace veltrano
