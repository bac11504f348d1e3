#include "core/rounding.h"

#include <gtest/gtest.h>

#include <cfenv>
#include <utility>
#include <vector>

namespace {

using namespace veltrano;

TEST(RoundHalfEvenTest, TiesGoToTheEvenNeighbour) {
    const std::vector<std::pair<double, double>> cases = {
        {0.5, 0},      {1.5, 2},     {2.5, 2},   {163.5, 164}, {160.5, 160},
        {16.5, 16},    {108.9, 109}, {0.49, 0},  {2.51, 3},    {0.0, 0},
        {72.6667, 73}, {-0.5, 0},    {-1.5, -2}, {3.5, 4},     {65.5, 66}};
    for (const auto& [value, rounded] : cases) {
        EXPECT_EQ(RoundHalfEven(value), rounded) << value;
    }
}

TEST(RoundHalfEvenTest, IgnoresAndKeepsTheCallersRoundingMode) {
    const int previous = std::fegetround();
    std::fesetround(FE_UPWARD);
    EXPECT_EQ(RoundHalfEven(2.5), 2.0);
    EXPECT_EQ(RoundHalfEven(2.2), 2.0);
    EXPECT_EQ(std::fegetround(), FE_UPWARD);
    std::fesetround(previous);
}

}  // namespace
