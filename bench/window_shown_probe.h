#pragma once

#include <QCoreApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>
#include <cstdio>
#include <cstdlib>
#include <ctime>

namespace veltrano {

// Prints the milliseconds from VELTRANO_LAUNCH_NS (the launcher's CLOCK_REALTIME, in
// nanoseconds) to the end of the window's first paint, then quits the application.
class WindowShownProbe : public QObject {
public:
    explicit WindowShownProbe(QWidget& window) : window_(window) {
        window_.installEventFilter(this);
    }

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == &window_ && event->type() == QEvent::Paint && !seen_) {
            seen_ = true;
            // After the paint handler has returned: the window is on the screen.
            QTimer::singleShot(0, [] {
                timespec now{};
                clock_gettime(CLOCK_REALTIME, &now);
                const char* launch = std::getenv("VELTRANO_LAUNCH_NS");
                const long long launchNs = launch != nullptr ? std::atoll(launch) : 0;
                const long long nowNs = now.tv_sec * 1'000'000'000LL + now.tv_nsec;
                std::printf("%.1f\n", (nowNs - launchNs) / 1e6);
                std::fflush(stdout);
                QCoreApplication::quit();
            });
        }
        return false;
    }

private:
    QWidget& window_;
    bool seen_ = false;
};

}  // namespace veltrano
