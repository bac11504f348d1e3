// The order files chosen together are joined in: natural names and split camera recordings.
#include <gtest/gtest.h>

#include <algorithm>

#include "core/recording_order.h"
#include "tests/support/probe_test_printers.h"

namespace veltrano {
namespace {

TEST(RecordingOrderTest, NamesCompareNaturallyAndCameraPartsStayTogether) {
    const QStringList expected = {"/v/clip2.mp4",
                                  "/v/Clip10.mp4",
                                  "/v/clip10b.mp4",
                                  "/v/DJI_0009.MP4",
                                  "/v/DJI_0010.MP4",
                                  "/v/GH010051.MP4",
                                  "/v/GH020051.MP4",
                                  "/v/GH030051.MP4",
                                  "/v/GH010052.MP4",
                                  "/v/GOPR0007.MP4",
                                  "/v/GP010007.MP4",
                                  "/v/GP020007.MP4",
                                  "/v/GOPR0008.MP4",
                                  "/v/GX010003.MP4",
                                  "/v/GX020003.MP4",
                                  "/v/PXL_20260105_090000123.mp4",
                                  "/v/PXL_20260105_101500456.mp4",
                                  "/v/VID_20251231_235959.mp4"};
    QStringList shuffled = expected;
    std::reverse(shuffled.begin(), shuffled.end());
    std::swap(shuffled[2], shuffled[9]);
    EXPECT_EQ(InRecordingOrder(shuffled), expected);
}

TEST(RecordingOrderTest, LeadingZerosAndCaseOnlyBreakTies) {
    EXPECT_TRUE(RecordingOrderLess("/a/part2.mp4", "/a/part02.mp4"));
    EXPECT_FALSE(RecordingOrderLess("/a/part02.mp4", "/a/part2.mp4"));
    EXPECT_TRUE(RecordingOrderLess("/a/Part1.mp4", "/a/part1.mp4"));
    EXPECT_FALSE(RecordingOrderLess("/a/x.mp4", "/a/x.mp4"));
    EXPECT_TRUE(RecordingOrderLess("/a/99999999999999999999.mp4", "/a/100000000000000000000.mp4"));
}

}  // namespace
}  // namespace veltrano
