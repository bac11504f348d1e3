#include <gtest/gtest.h>

#include <vector>

#include "engine/av/av_ptr.h"
#include "engine/copy/copy_subtitle_spread.h"

namespace veltrano {

namespace {

// The decoding stamps the spread gives a stream's events, read with stamps `in` from one file.
std::vector<std::int64_t> Spread(SubtitleSpread& spread, std::size_t file,
                                 const std::vector<std::int64_t>& in) {
    std::vector<std::int64_t> out;
    for (const std::int64_t stamp : in) {
        av::PacketPtr packet = av::MakePacket();
        packet->pts = stamp;
        packet->dts = stamp;
        spread.Spread(file, 0, packet.get());
        EXPECT_EQ(packet->pts, packet->dts);
        out.push_back(packet->dts);
    }
    return out;
}

TEST(SubtitleSpreadTest, EventsThatStartTogetherFollowOneAnotherByATick) {
    SubtitleSpread spread;
    EXPECT_EQ(Spread(spread, 0, {100, 100, 100, 200}),
              (std::vector<std::int64_t>{100, 101, 102, 200}));
}

TEST(SubtitleSpreadTest, AnEventRightAfterAMovedGroupStillFollowsIt) {
    SubtitleSpread spread;
    EXPECT_EQ(Spread(spread, 0, {100, 100, 101, 102, 150}),
              (std::vector<std::int64_t>{100, 101, 102, 103, 150}));
}

TEST(SubtitleSpreadTest, EventsGoingBackwardsAndANewFileAreLeftAlone) {
    SubtitleSpread spread;
    // Earlier than the one before: the input is broken, and the timeline reports it.
    EXPECT_EQ(Spread(spread, 0, {100, 100, 50}), (std::vector<std::int64_t>{100, 101, 50}));
    // A new file brings its own stamps, placed on the timeline afterwards.
    EXPECT_EQ(Spread(spread, 1, {0, 0}), (std::vector<std::int64_t>{0, 1}));
}

}  // namespace

}  // namespace veltrano
