#pragma once

#include <QTimer>
#include <functional>
#include <utility>

namespace veltrano {

// A timer that fires once. Windows that close or hide themselves after a while take one of
// these, so tests fire it by hand instead of waiting for real time to pass.
class OneShotTimer {
public:
    virtual ~OneShotTimer() = default;
    // Calls `timeout` once, `milliseconds` from now; a new Start replaces the pending one.
    virtual void Start(int milliseconds, std::function<void()> timeout) = 0;
    virtual void Stop() = 0;
};

// The real one, on the event loop of the calling thread.
class QtOneShotTimer : public OneShotTimer {
public:
    QtOneShotTimer() {
        timer_.setSingleShot(true);
        QObject::connect(&timer_, &QTimer::timeout, [this] {
            // Copied first: the callback may restart or destroy this timer's owner's state.
            const std::function<void()> timeout = timeout_;
            if (timeout) {
                timeout();
            }
        });
    }
    void Start(int milliseconds, std::function<void()> timeout) override {
        timeout_ = std::move(timeout);
        timer_.start(milliseconds);
    }
    void Stop() override { timer_.stop(); }

private:
    QTimer timer_;
    std::function<void()> timeout_;
};

}  // namespace veltrano
