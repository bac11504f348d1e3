#pragma once

namespace veltrano {

// Nearest integer, an exact half going to the even neighbour: the program's one rounding rule
// wherever a fraction becomes a whole number. Whatever rounding mode the caller has set.
double RoundHalfEven(double value);

}  // namespace veltrano
