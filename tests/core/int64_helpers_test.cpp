#include "core/int64_helpers.h"

#include <gtest/gtest.h>

namespace veltrano {

namespace {

TEST(Int64HelpersTest, HalvesJoinLowFirst) {
    EXPECT_EQ(JoinHalves64(0, 1), 4294967296LL);
    EXPECT_EQ(JoinHalves64(0xFFFFFFFFu, -1), -1);
    EXPECT_EQ(JoinHalves64(2500000, 0), 2500000);
}

TEST(Int64HelpersTest, MicrosecondsToSeconds) {
    EXPECT_DOUBLE_EQ(MicrosecondsToSeconds(2500000), 2.5);
    EXPECT_DOUBLE_EQ(MicrosecondsToSeconds(std::uint32_t{2500000}, 0), 2.5);
    EXPECT_DOUBLE_EQ(MicrosecondsToSeconds(-1000000), -1.0);
    EXPECT_DOUBLE_EQ(MicrosecondsToSeconds(0u, 1), 4294.967296);
}

TEST(Int64HelpersTest, SignTests) {
    EXPECT_FALSE(IsPositive64(0));
    EXPECT_FALSE(IsPositive64(0u, 0));
    EXPECT_TRUE(IsPositive64(0u, 1)) << "2^32";
    EXPECT_TRUE(IsPositive64(1u, 0));
    EXPECT_FALSE(IsPositive64(0xFFFFFFFFu, -1));
    EXPECT_TRUE(IsNegative64(0xFFFFFFFFu, -1));
    EXPECT_TRUE(IsNegative64(0u, std::int32_t{-2147483647 - 1}));
    EXPECT_FALSE(IsNegative64(0u, 0));
    EXPECT_FALSE(IsNegative64(0xFFFFFFFFu, 0));
}

TEST(Int64HelpersTest, FormatCount64) {
    EXPECT_EQ(FormatCount64(0), QStringLiteral("0"));
    EXPECT_EQ(FormatCount64(123), QStringLiteral("123"));
    EXPECT_EQ(FormatCount64(2147483647), QStringLiteral("2147483647"));
    EXPECT_EQ(FormatCount64(2147483648LL), QStringLiteral("N/A"));
    EXPECT_EQ(FormatCount64(-1), QStringLiteral("N/A"));
    EXPECT_EQ(FormatCount64(0x80000000u, 0), QStringLiteral("N/A"));
    EXPECT_EQ(FormatCount64(0u, 1), QStringLiteral("N/A"));
    EXPECT_EQ(FormatCount64(0x7FFFFFFFu, 0), QStringLiteral("2147483647"));
}

TEST(Int64HelpersTest, ScaleTime64) {
    EXPECT_EQ(ScaleTime64(200000000, 1, 2), 100000000);
    EXPECT_EQ(ScaleTime64(10, 1, 3), 3);
    EXPECT_EQ(ScaleTime64(20, 1, 3), 7);
    // The product exceeds 64 bits' comfort zone for 32-bit factors but stays exact.
    EXPECT_EQ(ScaleTime64(360000000000LL, 10000, 10000), 360000000000LL);
    EXPECT_EQ(ScaleTime64(1000, 5, 0), 0) << "no division by zero";
}

}  // namespace

}  // namespace veltrano
