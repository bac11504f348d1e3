#pragma once

#include <QPointer>
#include <QWidget>

#include "app/probe/probe_feedback.h"
#include "ui/main/form_wait.h"

namespace veltrano {

// ProbeFeedback for the windows: the busy pointer, the wait window owned by the main window,
// and a pass of the event loop between two files so that every window repaints.
class WindowProbeFeedback : public ProbeFeedback {
public:
    explicit WindowProbeFeedback(QWidget* owner = nullptr) : owner_(owner) {}
    ~WindowProbeFeedback() override;

    // The main window, once it exists.
    void SetOwner(QWidget* owner) { owner_ = owner; }

    void ShowBusyPointer() override;
    void RestoreNormalPointer() override;
    void ShowWaitWindow() override;
    void CloseWaitWindow() override;
    void ProcessPendingEvents() override;

    // The open wait window, or nullptr.
    FormWait* WaitWindow() const { return wait_.data(); }
    bool BusyPointerShown() const { return busy_; }

private:
    QPointer<QWidget> owner_;
    // Owned by the main window as its child; deleted here when closed.
    QPointer<FormWait> wait_;
    bool busy_ = false;
};

}  // namespace veltrano
