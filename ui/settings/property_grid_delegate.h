#pragma once

#include <QPointer>
#include <QStyledItemDelegate>

namespace veltrano {

// Value editors of the advanced grid: a list that also takes typing for the free-text items,
// a pick-only list for "Channels". Items without a list get no editor here ("Remove Audio" is a
// check box of the model, "Filename Extension" is read-only).
class PropertyGridDelegate : public QStyledItemDelegate {
    Q_OBJECT

public:
    // Model role holding the row's GridItem (as int) on its value cell.
    static constexpr int kGridItemRole = Qt::UserRole + 1;

    // What a value cell shows for its stored value: "Auto" in the user's language. The model,
    // the editors' results and the settings keep the English value.
    static QString ShownValue(const QString& stored);

    QString displayText(const QVariant& value, const QLocale& locale) const override;

    explicit PropertyGridDelegate(QObject* parent = nullptr);

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const override;
    void setEditorData(QWidget* editor, const QModelIndex& index) const override;
    void setModelData(QWidget* editor, QAbstractItemModel* model,
                      const QModelIndex& index) const override;
    void updateEditorGeometry(QWidget* editor, const QStyleOptionViewItem& option,
                              const QModelIndex& index) const override;
    // Rows tall enough for a line of text with an edit field's margins.
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;

protected:
    bool eventFilter(QObject* object, QEvent* event) override;

private:
    // The editor whose Enter the base class is committing: the list's own answer to that key
    // (an activation when the text names a suggestion) must not commit it a second time.
    QPointer<QObject> closingByEnter_;
};

}  // namespace veltrano
