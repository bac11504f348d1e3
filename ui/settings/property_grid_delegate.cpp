#include "ui/settings/property_grid_delegate.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <algorithm>

#include "profiles/advanced_grid.h"

namespace veltrano {

namespace {

// The list entries carry the stored value beside the text they show.
constexpr int kStoredRole = Qt::UserRole + 2;

constexpr const char* kAutoValue = "Auto";
//: A grid value: the program chooses it.
constexpr const char* kAutoShown = QT_TRANSLATE_NOOP("Grid", "Auto");

}  // namespace

PropertyGridDelegate::PropertyGridDelegate(QObject* parent) : QStyledItemDelegate(parent) {}

QString PropertyGridDelegate::ShownValue(const QString& stored) {
    if (stored == QLatin1String(kAutoValue)) {
        return QCoreApplication::translate("Grid", kAutoShown);
    }
    return stored;
}

QString PropertyGridDelegate::displayText(const QVariant& value, const QLocale& locale) const {
    return value.typeId() == QMetaType::QString ? ShownValue(value.toString())
                                                : QStyledItemDelegate::displayText(value, locale);
}

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
    combo->setAccessibleName(
        QCoreApplication::translate("Grid", info.Caption.toUtf8().constData()));
    if (info.Kind == GridItemKind::EditableList) {
        combo->setEditable(true);
        // Typed values are normalised by the settings, never added to the suggestions.
        combo->setInsertPolicy(QComboBox::NoInsert);
        // No completion: an inline completion would store a suggestion the user never typed
        // ("2" becoming "20"), and its case-blind match would turn "1200K" into "1200k".
        combo->setCompleter(nullptr);
        for (const QString& value : info.Values) {
            combo->addItem(ShownValue(value));
            combo->setItemData(combo->count() - 1, value, kStoredRole);
        }
    } else {
        for (const GridChoice& choice : info.Choices) {
            combo->addItem(ShownValue(choice.Caption), choice.Value);
            combo->setItemData(combo->count() - 1, choice.Caption, kStoredRole);
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
    const int row =
        combo->findData(text, kStoredRole, Qt::MatchFixedString | Qt::MatchCaseSensitive);
    combo->setCurrentIndex(row);
    if (combo->isEditable()) {
        combo->setEditText(ShownValue(text));
        combo->lineEdit()->selectAll();
    }
}

void PropertyGridDelegate::setModelData(QWidget* editor, QAbstractItemModel* model,
                                        const QModelIndex& index) const {
    if (auto* combo = qobject_cast<QComboBox*>(editor)) {
        // The text as typed; the settings' rules decide what becomes of it. A list entry
        // stores its English value, whatever language it is shown in.
        QString text = combo->isEditable() ? combo->lineEdit()->text() : combo->currentText();
        const int row = combo->findText(text, Qt::MatchFixedString | Qt::MatchCaseSensitive);
        if (row >= 0) {
            text = combo->itemData(row, kStoredRole).toString();
        }
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
