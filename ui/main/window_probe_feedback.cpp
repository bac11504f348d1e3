#include "ui/main/window_probe_feedback.h"

#include <QApplication>
#include <QWindow>

namespace veltrano {

WindowProbeFeedback::~WindowProbeFeedback() {
    CloseWaitWindow();
    RestoreNormalPointer();
}

void WindowProbeFeedback::ShowBusyPointer() {
    if (!busy_) {
        QApplication::setOverrideCursor(Qt::WaitCursor);
        busy_ = true;
    }
}

void WindowProbeFeedback::RestoreNormalPointer() {
    if (busy_) {
        QApplication::restoreOverrideCursor();
        busy_ = false;
    }
}

void WindowProbeFeedback::ShowWaitWindow() {
    if (!wait_) {
        wait_ = new FormWait(owner_.data());
        if (owner_ && owner_->isVisible()) {
            // Over the middle of the main window, where the eye already is.
            const QRect frame = owner_->frameGeometry();
            wait_->move(frame.center() - wait_->rect().center());
        }
    }
    wait_->show();
    passDue_ = true;
}

void WindowProbeFeedback::CloseWaitWindow() {
    if (wait_) {
        wait_->CloseByProgram();
        delete wait_.data();
    }
}

void WindowProbeFeedback::ProcessPendingEvents() {
    const double now = clock_.Now();
    if (!passDue_ && lastPass_ && now - *lastPass_ < kPassIntervalSeconds) {
        return;
    }
    lastPass_ = now;
    QCoreApplication::processEvents();
    // A new window takes a few passes (map, expose, paint); until it is on the screen every
    // pass runs, or it would stay blank through a whole batch.
    passDue_ = wait_ && !(wait_->windowHandle() && wait_->windowHandle()->isExposed());
}

}  // namespace veltrano
