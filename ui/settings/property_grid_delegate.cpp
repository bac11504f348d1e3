#include "ui/settings/property_grid_delegate.h"

#include <QComboBox>
#include <QLineEdit>

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
        combo->addItems(info.Values);
    } else {
        for (const GridChoice& choice : info.Choices) {
            combo->addItem(choice.Caption, choice.Value);
        }
    }
    // Picking a suggestion is a finished edit; typing is committed on Enter or focus loss.
    connect(combo, &QComboBox::activated, this, [this, combo] {
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
        model->setData(index, combo->currentText(), Qt::EditRole);
    }
}

void PropertyGridDelegate::updateEditorGeometry(QWidget* editor, const QStyleOptionViewItem& option,
                                                const QModelIndex&) const {
    editor->setGeometry(option.rect);
}

}  // namespace veltrano
