#pragma once

#include <chrono>
#include <functional>

namespace veltrano {

// Lets a joiner's progress through a few times per second, whatever the packet or frame rate;
// the first report and forced ones (the start, the end) always pass. The clock is a seam for
// tests. Used on the job's worker thread only.
class ProgressThrottle {
public:
    using Clock = std::function<std::chrono::steady_clock::time_point()>;

    static constexpr std::chrono::milliseconds kInterval{250};

    explicit ProgressThrottle(Clock clock = [] { return std::chrono::steady_clock::now(); })
        : clock_(std::move(clock)) {}

    // True when a report is due now; the caller then reports, and the interval starts again.
    bool Due(bool force = false) {
        const auto now = clock_();
        if (!force && reported_ && now - last_ < kInterval) {
            return false;
        }
        reported_ = true;
        last_ = now;
        return true;
    }

private:
    Clock clock_;
    bool reported_ = false;
    std::chrono::steady_clock::time_point last_{};
};

}  // namespace veltrano
