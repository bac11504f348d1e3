#pragma once

#include <QPixmap>
#include <QString>
#include <QWidget>
#include <memory>

#include "ui/common/one_shot_timer.h"
#include "ui/progress/completion_notice_layout.h"
#include "ui/progress/folder_opener.h"

class QPropertyAnimation;
class QScreen;

namespace veltrano {

// The small pop-up that says a join has finished; its message opens the output folder. A
// frameless, always-on-top window of its own, so it outlives the progress window and stays
// clickable while another window is modal. It hides itself when its display time has passed.
class CompletionNotice : public QWidget {
    Q_OBJECT

public:
    CompletionNotice(FolderOpener& folderOpener, std::unique_ptr<OneShotTimer> displayTimer);
    ~CompletionNotice() override;

    // Forgets any earlier notice, then fades in at the bottom-right of the available area of
    // `screen` (the primary screen when null), showing the notice for a join into
    // `outputFolder`. A join's `note` (tracks left out) shows under the message, the notice
    // growing to hold it.
    void ShowNotice(const QString& outputFolder, const QString& note = {},
                    const QScreen* screen = nullptr);
    // Shows the notice with its top-left corner at `position`.
    void ShowNoticeAt(const QString& outputFolder, const QString& note, QPoint position);

    const QString& OutputFolder() const { return outputFolder_; }
    const QString& Note() const { return note_; }
    // Where the note is drawn; empty without a note.
    QRect NoteRect() const { return noteRect_; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void HandleItemClick(int itemId);
    void SetHoveredItem(int itemId);
    void CloseNotice();
    void SetNote(const QString& note);
    QFont NoteFont() const;

    FolderOpener& folderOpener_;
    std::unique_ptr<OneShotTimer> displayTimer_;
    QPropertyAnimation* fadeIn_ = nullptr;  // child of this window
    QPixmap closeButtonStrip_;
    QString outputFolder_;
    QString note_;
    QRect noteRect_;
    int hoveredItem_ = CompletionNoticeLayout::kNoItem;
    int pressedItem_ = CompletionNoticeLayout::kNoItem;
};

}  // namespace veltrano
