#pragma once

#include <QLabel>
#include <QStandardItemModel>
#include <QTreeView>
#include <QWidget>
#include <map>

#include "profiles/advanced_grid.h"
#include "profiles/output_settings.h"

namespace veltrano {

// The advanced settings grid: three categories of caption/value rows over a tree view, and the
// selected item's help text underneath. It shows what OutputSettings holds and reports every
// user change; the rules that follow a change live in OutputSettings.
class PropertyGrid : public QWidget {
    Q_OBJECT

public:
    explicit PropertyGrid(QWidget* parent = nullptr);

    // Shows the settings' values and greys the audio items while they are locked.
    void Render(const OutputSettings& settings);

    QTreeView* Tree() const { return tree_; }
    QStandardItemModel* Model() { return &model_; }
    // The value cell of an item; an edit of it is what the user's editor writes.
    QModelIndex ValueIndex(GridItem item) const;
    QModelIndex CaptionIndex(GridItem item) const;
    QString ShownHelpCaption() const { return helpCaption_->text(); }
    QString ShownHelpText() const { return helpText_->text(); }

signals:
    void TextEdited(GridItem item, const QString& text);
    void ChannelsChosen(int channels);
    void RemoveAudioToggled(bool remove);

private:
    void Build();
    void OnItemChanged(QStandardItem* item);
    void OnCurrentChanged(const QModelIndex& current);
    // Opens the value editor of the clicked row, wherever on the row the click fell.
    void EditRow(const QModelIndex& index);

    QStandardItemModel model_;
    QTreeView* tree_ = nullptr;
    QLabel* helpCaption_ = nullptr;
    QLabel* helpText_ = nullptr;
    std::map<GridItem, QStandardItem*> captionItems_;
    std::map<GridItem, QStandardItem*> valueItems_;
    bool rendering_ = false;  // model writes of Render are no user edits
};

}  // namespace veltrano
