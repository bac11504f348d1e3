#include "ui/main/window_probe_feedback.h"

#include <QApplication>

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
    passDue_ = false;
    lastPass_ = now;
    QCoreApplication::processEvents();
}

}  // namespace veltrano
