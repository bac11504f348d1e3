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

// A file as other writers make them: sound from `audioStart` to `audioEnd` samples around one
// second of pictures (25 frames of 512 ticks at 1/12800), every audio packet shown.
struct WrittenFile {
    std::int64_t AudioStart;
    std::int64_t AudioEnd;
};

constexpr AVRational kFineVideoBase{1, 12800};

std::vector<CopyTimeline::StreamInFile> FineStreams(const WrittenFile& file) {
    auto streams = Streams();
    streams[kVideo].TimeBase = kFineVideoBase;
    streams[kVideo].DefaultDuration = 512;
    streams[kVideo].Start = 0;
    streams[kVideo].FirstDts = 0;
    streams[kAudio].Start = file.AudioStart;
    streams[kAudio].FirstDts = file.AudioStart;
    return streams;
}

TEST(CopyJoinTimeline, EveryAudioPacketIsKeptAndEachFileKeepsItsOffset) {
    // Sound starting before the pictures and running past them, as GStreamer's and mkvmerge's
    // files often have, then sound inside the pictures.
    const WrittenFile files[] = {
        {-1000, 44800}, {-300, 44100 + 1024}, {700, 43000}, {-1024, 44100 + 900}};
    CopyTimeline timeline({kFineVideoBase, kAudioBase}, kVideo);
    double lastAudioDts = -1e9;
    double lastVideoDts = -1e9;
    double previousEnd = 0.0;
    for (const WrittenFile& file : files) {
        SCOPED_TRACE(file.AudioStart);
        timeline.BeginFile(FineStreams(file));
        double firstPicture = 0.0;
        for (int frame = 0; frame < 25; ++frame) {
            const Placed placed = Place(timeline, kVideo, 512 * frame, 512 * frame, 512);
            ASSERT_EQ(placed.Verdict, CopyTimeline::Verdict::Write);
            const double dts = placed.Dts * av_q2d(kFineVideoBase);
            EXPECT_GT(dts, lastVideoDts);
            lastVideoDts = dts;
            if (frame == 0) {
                firstPicture = placed.Pts * av_q2d(kFineVideoBase);
            }
        }
        double firstSound = 0.0;
        double soundEnd = 0.0;
        for (std::int64_t pts = file.AudioStart; pts < file.AudioEnd; pts += 1024) {
            const std::int64_t duration = std::min<std::int64_t>(1024, file.AudioEnd - pts);
            const Placed placed = Place(timeline, kAudio, pts, pts, duration);
            ASSERT_EQ(placed.Verdict, CopyTimeline::Verdict::Write) << "packet at " << pts;
            const double dts = placed.Dts * av_q2d(kAudioBase);
            EXPECT_GT(dts, lastAudioDts);
            lastAudioDts = dts;
            if (pts == file.AudioStart) {
                firstSound = placed.Pts * av_q2d(kAudioBase);
            }
            soundEnd = (placed.Pts + duration) * av_q2d(kAudioBase);
        }
        // The file's own offset between its sound and its pictures, to a tick.
        EXPECT_NEAR(firstPicture - firstSound, -file.AudioStart / 44100.0, 1.0 / 12800);
        // It starts where the longer stream of the file before it ended.
        EXPECT_NEAR(std::min(firstPicture, firstSound), previousEnd, 1.0 / 12800);
        previousEnd = std::max(firstPicture + 1.0, soundEnd);
    }
    EXPECT_EQ(timeline.DroppedPackets(), 0);
    EXPECT_NEAR(static_cast<double>(timeline.PositionUs()) / 1e6, previousEnd, 1e-4);
}

// The MP4 demuxer marks AAC priming as not shown: it stays in front of its file, which moves
// later just enough for the priming to follow the sound written before.
TEST(CopyJoinTimeline, MarkedPrimingIsKeptInFrontOfItsFile) {
    CopyTimeline timeline({kFineVideoBase, kAudioBase}, kVideo);
    for (int file = 0; file < 2; ++file) {
        auto streams = FineStreams({0, 44100});
        streams[kAudio].FirstDts = -1024;
        timeline.BeginFile(streams);
        const Placed picture = Place(timeline, kVideo, 0, 0, 512);
        for (int frame = 1; frame < 25; ++frame) {
            Place(timeline, kVideo, 512 * frame, 512 * frame, 512);
        }
        const Placed priming = Place(timeline, kAudio, -1024, -1024, 1024);
        const Placed sound = Place(timeline, kAudio, 0, 0, 1024);
        for (std::int64_t pts = 1024; pts < 44100; pts += 1024) {
            Place(timeline, kAudio, pts, pts, std::min<std::int64_t>(1024, 44100 - pts));
        }
        ASSERT_EQ(priming.Verdict, CopyTimeline::Verdict::Write);
        ASSERT_EQ(sound.Verdict, CopyTimeline::Verdict::Write);
        EXPECT_EQ(sound.Pts - priming.Pts, 1024);
        EXPECT_NEAR(picture.Pts / 12800.0, sound.Pts / 44100.0, 1.0 / 12800);
        if (file == 1) {
            // Right after the first file's last packet (at 44032), not on top of it.
            EXPECT_GT(priming.Dts, 44032);
            EXPECT_LE(priming.Dts, 44032 + 3);
        }
    }
    EXPECT_EQ(timeline.DroppedPackets(), 0);
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

// The same, known before the file's first packet is placed (the joiner holds the first packets):
// every stream of the file moves together, so the sound stays on its pictures.
TEST(CopyJoinTimeline, AKnownDeeperReorderDelayMovesEveryStreamTogether) {
    CopyTimeline timeline({kVideoBase, kAudioBase}, kVideo);
    OneSecondFile(timeline);
    auto streams = Streams(2);
    streams[kVideo].Start = 0;
    streams[kVideo].FirstDts = -2;
    streams[kAudio].Start = 0;
    streams[kAudio].FirstDts = 0;
    timeline.BeginFile(streams);
    const Placed sound = Place(timeline, kAudio, 0, 0, 1024);
    const Placed picture = Place(timeline, kVideo, 0, -2, 1);
    ASSERT_EQ(picture.Verdict, CopyTimeline::Verdict::Write);
    EXPECT_EQ(picture.Dts, 25);
    EXPECT_EQ(picture.Pts, 27);
    EXPECT_EQ(sound.Pts, 27 * 1764);
}

TEST(CopyJoinTimeline, GapsAreFilledWithWholeFramesOfSilence) {
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
    // The packet keeps its place against the pictures; what is left, under a frame, stays.
    EXPECT_EQ(packet->pts, 44100);
}

TEST(CopyJoinTimeline, WithoutSilenceTheGapStaysHonest) {
    CopyTimeline timeline({kVideoBase, kAudioBase}, kVideo);
    OneSecondFile(timeline, 40000);
    timeline.BeginFile(Streams(), 0);
    Place(timeline, kVideo, 0, 0, 1);
    EXPECT_EQ(Place(timeline, kAudio, 0, 0, 1024).Pts, 44100);
}

// A file is placed by its earliest stream, whichever it is: sound before the pictures is part
// of the file.
TEST(CopyJoinTimeline, FileStartsWithItsEarliestStream) {
    struct Case {
        const char* What;
        std::int64_t AudioStart;   // samples, the pictures start at frame 0
        std::int64_t SecondVideo;  // where the second file's first picture goes, in frames
    };
    const Case cases[] = {
        {"a frame of sound first", -1764, 26},
        {"a second of sound first", -44100, 50},
        {"sound after the pictures", 1764, 25},
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
        const Placed first = Place(timeline, kAudio, c.AudioStart, c.AudioStart, 1024);
        EXPECT_EQ(first.Verdict, CopyTimeline::Verdict::Write);
        EXPECT_EQ(first.Pts, c.SecondVideo * 1764 + c.AudioStart);
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
