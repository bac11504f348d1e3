#pragma once

#include <functional>
#include <utility>

#include "ui/common/one_shot_timer.h"

namespace veltrano {

// A timer that never fires by itself: tests read what was asked of it and fire it by hand.
class FakeOneShotTimer : public OneShotTimer {
public:
    void Start(int milliseconds, std::function<void()> timeout) override {
        interval = milliseconds;
        timeout_ = std::move(timeout);
        running = true;
        ++starts;
    }
    void Stop() override { running = false; }

    // Fires as the real timer would: only while it runs.
    void Fire() {
        if (!running) {
            return;
        }
        running = false;
        const std::function<void()> timeout = timeout_;
        if (timeout) {
            timeout();
        }
    }

    int interval = -1;
    int starts = 0;
    bool running = false;

private:
    std::function<void()> timeout_;
};

}  // namespace veltrano
