#pragma once

#include <QStringList>
#include <QTreeView>

#include "core/list/join_list.h"
#include "core/list/join_list_model.h"

namespace veltrano {

// The list control ListView1: the join list as a report of eight columns, several rows
// selectable, one current row. JoinList stays the owner of selection and current row; this
// view mirrors it both ways. Accepts dropped file lists and reports a right-button release.
class JoinListView : public QTreeView {
    Q_OBJECT

public:
    static constexpr QRgb kAlternateRowColour = qRgb(242, 246, 254);

    JoinListView(JoinList& list, QWidget* parent = nullptr);

    JoinListModel& Model() { return model_; }

    // The local files a drag carries, in drop order; empty when it carries no file list.
    static QStringList DroppedFiles(const QMimeData* data);

signals:
    // Files were dropped on the list (folders included: the prober skips them).
    void FilesDropped(const QStringList& paths);
    // The right mouse button was released over the list (or the keyboard asked for the menu),
    // at this global position.
    void ContextMenuWanted(const QPoint& globalPos);

protected:
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    // The menu key and Shift+F10 open the menu too, at the current row.
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    void PushSelectionToView();
    void PushFocusToView();
    void PullSelectionFromView();
    void PullFocusFromView(const QModelIndex& current);

    JoinList& list_;
    JoinListModel model_;
    // Set while one side is being brought in line with the other, so the echo is ignored.
    bool syncing_ = false;
};

}  // namespace veltrano
