#include <gtest/gtest.h>

#include "engine/copy/copy_stream_check.h"

namespace veltrano {

namespace {

CopyStreamParams Video(int index, int width = 640) {
    CopyStreamParams stream;
    stream.Present = true;
    stream.Index = index;
    stream.Type = AVMEDIA_TYPE_VIDEO;
    stream.Codec = AV_CODEC_ID_H264;
    stream.Width = width;
    stream.Height = 360;
    stream.PixelFormat = 0;
    return stream;
}

CopyStreamParams Audio(int index, const char* language, int sampleRate = 48000) {
    CopyStreamParams stream;
    stream.Present = true;
    stream.Index = index;
    stream.Type = AVMEDIA_TYPE_AUDIO;
    stream.Codec = AV_CODEC_ID_AAC;
    stream.SampleRate = sampleRate;
    stream.Channels = 2;
    stream.Language = QString::fromLatin1(language);
    return stream;
}

CopyStreamParams Subtitles(int index, const char* language) {
    CopyStreamParams stream;
    stream.Present = true;
    stream.Index = index;
    stream.Type = AVMEDIA_TYPE_SUBTITLE;
    stream.Codec = AV_CODEC_ID_SUBRIP;
    stream.Language = QString::fromLatin1(language);
    return stream;
}

CopyStreamParams Cover(int index, int width) {
    CopyStreamParams stream = Video(index, width);
    stream.Codec = AV_CODEC_ID_PNG;
    stream.AttachedPicture = true;
    return stream;
}

CopyInputScan Scan(const char* name, std::vector<CopyStreamParams> streams) {
    CopyInputScan scan;
    scan.FileName = QString::fromLatin1(name);
    scan.Streams = std::move(streams);
    for (const CopyStreamParams& stream : scan.Streams) {
        if (stream.Type == AVMEDIA_TYPE_VIDEO && !stream.AttachedPicture && !scan.Video.Present) {
            scan.Video = stream;
        }
        if (stream.Type == AVMEDIA_TYPE_AUDIO && !scan.Audio.Present) {
            scan.Audio = stream;
        }
    }
    return scan;
}

bool CarriesAll(const CopyStreamParams&) {
    return true;
}

using Kept = std::vector<std::vector<int>>;

TEST(CopyStreamChoice, KeepsEveryTrackOfFilesWithTheSameTracks) {
    const std::vector<CopyInputScan> scans{
        Scan("a.mkv", {Video(0), Audio(1, "eng"), Audio(2, "fre"), Subtitles(3, "eng")}),
        Scan("b.mkv", {Video(0), Audio(1, "eng"), Audio(2, "fre"), Subtitles(3, "eng")})};
    const CopyStreamChoice choice =
        ChooseCopyStreams(scans, QStringLiteral("matroska"), true, CarriesAll);
    EXPECT_EQ(choice.Kept, (Kept{{0, 1, 2, 3}, {0, 1, 2, 3}}));
    EXPECT_TRUE(choice.Note.isEmpty());
}

TEST(CopyStreamChoice, AudioLeftOutOnRequestIsNotMentioned) {
    const std::vector<CopyInputScan> scans{
        Scan("a.mkv", {Video(0), Audio(1, "eng"), Subtitles(2, "eng")}),
        Scan("b.mkv", {Video(0), Audio(1, "eng"), Subtitles(2, "eng")})};
    const CopyStreamChoice choice =
        ChooseCopyStreams(scans, QStringLiteral("matroska"), false, CarriesAll);
    EXPECT_EQ(choice.Kept, (Kept{{0, 2}, {0, 2}}));
    EXPECT_TRUE(choice.Note.isEmpty());
}

TEST(CopyStreamChoice, FilesWithOtherTracksKeepTheFirstVideoAndSound) {
    const std::vector<CopyInputScan> scans{
        Scan("a.mkv", {Video(0), Audio(1, "eng"), Audio(2, "fre"), Subtitles(3, "eng")}),
        // Sound first: the kept streams are found by kind, not by position.
        Scan("b.mp4", {Audio(0, "und"), Video(1)})};
    const CopyStreamChoice choice =
        ChooseCopyStreams(scans, QStringLiteral("matroska"), true, CarriesAll);
    EXPECT_EQ(choice.Kept, (Kept{{0, 1}, {1, 0}}));
    EXPECT_EQ(choice.Note,
              QStringLiteral("Left out: audio track 2 (fre), subtitles 1 (eng) — not in every "
                             "file."));
}

TEST(CopyStreamChoice, ASecondTrackThatDiffersIsLeftOutAndNamed) {
    const std::vector<CopyInputScan> scans{
        Scan("a.mkv", {Video(0), Audio(1, "eng"), Audio(2, "fre", 48000)}),
        Scan("b.mkv", {Video(0), Audio(1, "eng"), Audio(2, "fre", 44100)})};
    const CopyStreamChoice choice =
        ChooseCopyStreams(scans, QStringLiteral("matroska"), true, CarriesAll);
    EXPECT_EQ(choice.Kept, (Kept{{0, 1}, {0, 1}}));
    EXPECT_EQ(choice.Note,
              QStringLiteral("Left out: audio track 2 (fre) — not the same in every file."));
}

TEST(CopyStreamChoice, TracksTheOutputCannotCarryAreNamed) {
    const std::vector<CopyInputScan> scans{
        Scan("a.mp4", {Video(0), Audio(1, "eng"), Subtitles(2, "eng")}),
        Scan("b.mp4", {Video(0), Audio(1, "eng"), Subtitles(2, "eng")})};
    const CopyStreamChoice choice = ChooseCopyStreams(
        scans, QStringLiteral("avi"), true,
        [](const CopyStreamParams& stream) { return stream.Type != AVMEDIA_TYPE_SUBTITLE; });
    EXPECT_EQ(choice.Kept, (Kept{{0, 1}, {0, 1}}));
    EXPECT_EQ(choice.Note,
              QStringLiteral("Left out: subtitles 1 (eng) — the avi output cannot carry it."));
}

TEST(CopyStreamChoice, CoversNeedNotMatchBecauseOnlyTheFirstIsWritten) {
    const std::vector<CopyInputScan> scans{Scan("a.mp4", {Video(0), Audio(1, ""), Cover(2, 300)}),
                                           Scan("b.mp4", {Video(0), Audio(1, ""), Cover(2, 500)})};
    const CopyStreamChoice choice =
        ChooseCopyStreams(scans, QStringLiteral("mp4"), true, CarriesAll);
    EXPECT_EQ(choice.Kept, (Kept{{0, 1, 2}, {0, 1, 2}}));
    EXPECT_TRUE(choice.Note.isEmpty());
}

TEST(CopyStreamCheck, RefusesAnotherRotationNamingFileAndDegrees) {
    CopyInputScan first = Scan("a.mp4", {Video(0), Audio(1, "")});
    CopyInputScan other = Scan("c.mp4", {Video(0), Audio(1, "")});
    first.Video.Rotation = 90;
    const Status refused = CheckCopyMatch(first, other, QStringLiteral("mp4"), true);
    EXPECT_FALSE(refused.Ok());
    EXPECT_EQ(refused.Message(), QStringLiteral("Cannot join by stream copy: c.mp4 differs from "
                                                "a.mp4 in rotation (0° vs 90°)."));
    other.Video.Rotation = 90;
    EXPECT_TRUE(CheckCopyMatch(first, other, QStringLiteral("mp4"), true).Ok());
}

}  // namespace

}  // namespace veltrano
