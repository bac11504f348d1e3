#pragma once

#include <QString>

namespace veltrano {

// The progress window of a join as the join runner sees it: three text fields, a bar, the
// caption, the button, the main window's taskbar progress, the completion sound and notice.
// The window implements it and only renders; JoinRunner decides what to show.
class ProgressView {
public:
    virtual ~ProgressView() = default;

    virtual void SetCaption(const QString& caption) = 0;
    virtual void SetButtonCaption(const QString& caption) = 0;
    virtual void SetElapsedText(const QString& text) = 0;
    virtual void SetRemainingText(const QString& text) = 0;
    virtual void SetSizeText(const QString& text) = 0;
    // 0 to 100.
    virtual void SetProgress(int percent) = 0;
    // The main window's taskbar button shows the same percentage.
    virtual void SetTaskbarProgress(int percent) = 0;
    // The taskbar button shows no progress.
    virtual void ClearTaskbarProgress() = 0;
    // The platform's notification sound, asynchronously; silence when there is none.
    virtual void PlayCompletionSound() = 0;
    // The pop-up notice whose message opens the output folder; `note` is what the user should
    // still know about the finished join: tracks it left out, the check of the output read back
    // ("Verified: ..."). Empty from an encoder that says nothing.
    virtual void ShowCompletionNotice(const QString& outputFolder, const QString& note) = 0;
    // Closes the window. The window's close handling reports back through
    // JoinRunner::ProgressWindowClosed, also when the close starts here.
    virtual void CloseWindow() = 0;
    // Lets the user interface process pending work once.
    virtual void ProcessPendingEvents() = 0;
};

}  // namespace veltrano
