#include <gtest/gtest.h>

#include "engine/av/av_ptr.h"
#include "engine/copy/copy_timeline.h"

namespace veltrano {

namespace {

constexpr AVRational kVideoBase{1, 25};
constexpr AVRational kAudioBase{1, 44100};
constexpr int kVideo = 0;
constexpr int kAudio = 1;

std::vector<CopyTimeline::StreamInFile> Streams(int videoDelay = 0) {
    CopyTimeline::StreamInFile video;
    video.Present = true;
    video.TimeBase = kVideoBase;
    video.DefaultDuration = 1;
    video.VideoDelay = videoDelay;
    CopyTimeline::StreamInFile audio;
    audio.Present = true;
    audio.TimeBase = kAudioBase;
    audio.DefaultDuration = 1024;
    audio.IsAudio = true;
    return {video, audio};
}

struct Placed {
    CopyTimeline::Verdict Verdict;
    std::int64_t Pts;
    std::int64_t Dts;
};

Placed Place(CopyTimeline& timeline, int stream, std::int64_t pts, std::int64_t dts,
             std::int64_t duration, bool canFillGaps = false) {
    av::PacketPtr packet = av::MakePacket();
    packet->pts = pts;
    packet->dts = dts;
    packet->duration = duration;
    const auto verdict = timeline.Place(stream, packet.get(), canFillGaps);
    return {verdict, packet->pts, packet->dts};
}

// One second of video (25 frames, no reordering) and its audio up to `audioEnd` samples, with
// an AAC priming frame before the start.
void OneSecondFile(CopyTimeline& timeline, std::int64_t audioEnd = 44100) {
    timeline.BeginFile(Streams(), 0);
    for (int frame = 0; frame < 25; ++frame) {
        ASSERT_EQ(Place(timeline, kVideo, frame, frame, 1).Verdict, CopyTimeline::Verdict::Write);
    }
    for (std::int64_t pts = -1024; pts < audioEnd; pts += 1024) {
        Place(timeline, kAudio, pts, pts, std::min<std::int64_t>(1024, audioEnd - pts));
    }
}

TEST(CopyJoinTimeline, NextFileStartsAtTheRealEndAndDropsItsPriming) {
    CopyTimeline timeline({kVideoBase, kAudioBase}, kVideo);
    OneSecondFile(timeline);
    timeline.BeginFile(Streams(), 0);
    EXPECT_EQ(Place(timeline, kVideo, 0, 0, 1).Pts, 25);
    EXPECT_EQ(Place(timeline, kAudio, -1024, -1024, 1024).Verdict, CopyTimeline::Verdict::Drop);
    const Placed first = Place(timeline, kAudio, 0, 0, 1024);
    EXPECT_EQ(first.Verdict, CopyTimeline::Verdict::Write);
    EXPECT_EQ(first.Pts, 44100);
    EXPECT_EQ(timeline.PositionUs(), 1040000);
    EXPECT_EQ(timeline.WideningUs(), 0);
}

TEST(CopyJoinTimeline, ADeeperReorderDelayMovesTheFileInsteadOfClamping) {
    CopyTimeline timeline({kVideoBase, kAudioBase}, kVideo);
    OneSecondFile(timeline);
    // B-frames: the first packet decodes two frames before it is shown.
    timeline.BeginFile(Streams(2), 0);
    const Placed first = Place(timeline, kVideo, 0, -2, 1);
    EXPECT_EQ(first.Verdict, CopyTimeline::Verdict::Write);
    EXPECT_EQ(first.Dts, 25);  // just after the last written dts (24)
    EXPECT_EQ(first.Pts, 27);  // presentation moved by the same amount
    EXPECT_EQ(timeline.WideningUs(), 80000);
    const Placed second = Place(timeline, kVideo, 3, -1, 1);
    EXPECT_EQ(second.Dts, 26);
    // Audio of the moved file moves with it.
    EXPECT_EQ(Place(timeline, kAudio, 0, 0, 1024).Pts, 44100 + 3528);
}

TEST(CopyJoinTimeline, OverlapsAreDroppedOrShiftedGapsFilled) {
    // The first file's audio ends 4100 samples before its video: the next file's audio would
    // start with a gap of four frames.
    CopyTimeline timeline({kVideoBase, kAudioBase}, kVideo);
    OneSecondFile(timeline, 40000);
    timeline.BeginFile(Streams(), 0);
    Place(timeline, kVideo, 0, 0, 1);
    av::PacketPtr packet = av::MakePacket();
    int fillers = 0;
    packet->pts = packet->dts = 0;
    packet->duration = 1024;
    while (timeline.Place(kAudio, packet.get(), true) == CopyTimeline::Verdict::FillGap) {
        av::PacketPtr filler = av::MakePacket();
        filler->duration = 1024;
        timeline.PlaceFiller(kAudio, filler.get());
        EXPECT_EQ(filler->pts, 40000 + 1024 * fillers);
        ++fillers;
    }
    EXPECT_EQ(fillers, 4);
    // Gapless: the packet follows the last filler; the drift left is under half a frame.
    EXPECT_EQ(packet->pts, 40000 + 4 * 1024);
    EXPECT_LT(44100 - packet->pts, 512);
}

TEST(CopyJoinTimeline, WithoutSilenceTheGapStaysHonest) {
    CopyTimeline timeline({kVideoBase, kAudioBase}, kVideo);
    OneSecondFile(timeline, 40000);
    timeline.BeginFile(Streams(), 0);
    Place(timeline, kVideo, 0, 0, 1);
    EXPECT_EQ(Place(timeline, kAudio, 0, 0, 1024).Pts, 44100);
}

TEST(CopyJoinTimeline, SmallOverlapShiftsLargeOverlapDrops) {
    CopyTimeline timeline({kVideoBase, kAudioBase}, kVideo);
    // Audio runs 300 samples past the video: less than half a frame.
    OneSecondFile(timeline, 44400);
    timeline.BeginFile(Streams(), 0);
    Place(timeline, kVideo, 0, 0, 1);
    const Placed shifted = Place(timeline, kAudio, 0, 0, 1024);
    EXPECT_EQ(shifted.Pts, 44400);
    EXPECT_EQ(Place(timeline, kAudio, 1024, 1024, 1024).Pts, 44400 + 1024);

    CopyTimeline late({kVideoBase, kAudioBase}, kVideo);
    OneSecondFile(late, 45000);  // 900 samples past: more than half a frame
    late.BeginFile(Streams(), 0);
    Place(late, kVideo, 0, 0, 1);
    EXPECT_EQ(Place(late, kAudio, 0, 0, 1024).Verdict, CopyTimeline::Verdict::Drop);
    EXPECT_EQ(Place(late, kAudio, 1024, 1024, 1024).Pts, 45000);
}

// A file is placed by its earliest stream; audio only a frame or two ahead of the pictures is
// priming and gives way to them.
TEST(CopyJoinTimeline, FileStartsWithItsEarliestStreamExceptPriming) {
    struct Case {
        const char* What;
        std::int64_t AudioStart;   // samples, the pictures start at frame 0
        std::int64_t FirstKept;    // first audio packet of the second file that is written
        std::int64_t KeptAt;       // where it goes
        std::int64_t SecondVideo;  // where the second file's first picture goes, in frames
    };
    const Case cases[] = {
        {"priming", -1024, 0, 44100, 25},
        {"a second of sound first", -44100, -44100, 44100, 50},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.What);
        CopyTimeline timeline({kVideoBase, kAudioBase}, kVideo);
        OneSecondFile(timeline);
        auto streams = Streams();
        streams[kVideo].Start = 0;
        streams[kAudio].Start = c.AudioStart;
        timeline.BeginFile(streams);
        EXPECT_EQ(Place(timeline, kVideo, 0, 0, 1).Pts, c.SecondVideo);
        for (std::int64_t pts = c.AudioStart; pts < c.FirstKept; pts += 1024) {
            EXPECT_EQ(Place(timeline, kAudio, pts, pts, 1024).Verdict, CopyTimeline::Verdict::Drop);
        }
        const Placed kept = Place(timeline, kAudio, c.FirstKept, c.FirstKept, 1024);
        EXPECT_EQ(kept.Verdict, CopyTimeline::Verdict::Write);
        EXPECT_EQ(kept.Pts, c.KeptAt);
    }
}

TEST(CopyJoinTimeline, TimestampsGoingBackInsideAFileAreReported) {
    CopyTimeline timeline({kVideoBase, kAudioBase}, kVideo);
    timeline.BeginFile(Streams(), 0);
    EXPECT_EQ(Place(timeline, kVideo, 5, 5, 1).Verdict, CopyTimeline::Verdict::Write);
    EXPECT_EQ(Place(timeline, kVideo, 3, 3, 1).Verdict, CopyTimeline::Verdict::Backwards);
}

TEST(CopyJoinTimeline, MissingDtsIsGuessedLikeTheMuxer) {
    CopyTimeline timeline({kVideoBase, kAudioBase}, kVideo);
    timeline.BeginFile(Streams(2), 0);
    const Placed first = Place(timeline, kVideo, 0, AV_NOPTS_VALUE, 1);
    const Placed second = Place(timeline, kVideo, 3, AV_NOPTS_VALUE, 1);
    const Placed third = Place(timeline, kVideo, 1, AV_NOPTS_VALUE, 1);
    EXPECT_EQ(first.Verdict, CopyTimeline::Verdict::Write);
    EXPECT_LT(first.Dts, second.Dts);
    EXPECT_LT(second.Dts, third.Dts);
    EXPECT_LE(third.Dts, third.Pts);
}

}  // namespace

}  // namespace veltrano
