#pragma once

#include <QPointer>
#include <QWidget>
#include <optional>

#include "app/join/seconds_clock.h"
#include "app/probe/probe_feedback.h"
#include "ui/main/form_wait.h"

namespace veltrano {

// ProbeFeedback for the windows: the busy pointer, the wait window owned by the main window,
// and passes of the event loop between files so that every window repaints and input is
// handled. A file probes in well under a millisecond while a pass costs a repaint, so passes
// are spaced by kPassIntervalSeconds: a thousand dropped files would otherwise spend most of
// their time redrawing the list.
class WindowProbeFeedback : public ProbeFeedback {
public:
    static constexpr double kPassIntervalSeconds = 0.05;

    explicit WindowProbeFeedback(const SecondsClock& clock, QWidget* owner = nullptr)
        : clock_(clock), owner_(owner) {}
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
    const SecondsClock& clock_;
    QPointer<QWidget> owner_;
    std::optional<double> lastPass_;
    // Passes after the wait window opens always run until it is exposed, so that it is drawn
    // at once.
    bool passDue_ = true;
    // Owned by the main window as its child; deleted here when closed.
    QPointer<FormWait> wait_;
    bool busy_ = false;
};

}  // namespace veltrano
