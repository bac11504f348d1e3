#pragma once

#include <chrono>

namespace veltrano {

// Seconds with fractions on a clock that never jumps (no midnight wrap, no clock changes).
class SecondsClock {
public:
    virtual ~SecondsClock() = default;
    virtual double Now() const = 0;
};

class SteadySecondsClock : public SecondsClock {
public:
    double Now() const override {
        return std::chrono::duration<double>(std::chrono::steady_clock::now().time_since_epoch())
            .count();
    }
};

}  // namespace veltrano
