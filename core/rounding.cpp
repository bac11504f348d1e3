#include "core/rounding.h"

#include <cfenv>
#include <cmath>

namespace veltrano {

double RoundHalfEven(double value) {
    const int previous = std::fegetround();
    std::fesetround(FE_TONEAREST);
    const double rounded = std::nearbyint(value);
    std::fesetround(previous);
    return rounded;
}

}  // namespace veltrano
