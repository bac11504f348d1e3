#include "profiles/same_format_check.h"

#include <gtest/gtest.h>

namespace veltrano {

namespace {

MediaItem Row(const char* type, const char* size, const char* video, const char* audio) {
    MediaItem item;
    item.SourcePath = QStringLiteral("/clips/x.") + QString::fromUtf8(type).toLower();
    item.TypeText = QString::fromUtf8(type);
    item.VideoSizeText = QString::fromUtf8(size);
    item.VideoCodec = QString::fromUtf8(video);
    item.AudioCodec = QString::fromUtf8(audio);
    item.DurationText = QStringLiteral("00:00:10");
    item.DurationSeconds = 10;
    return item;
}

TEST(SameFormatCheck, FewerThanTwoRowsPass) {
    EXPECT_TRUE(SameFormatCheck({}));
    const std::vector<MediaItem> one = {Row("AVI", "640 X 480", "mpeg4", "mp3")};
    EXPECT_TRUE(SameFormatCheck(one));
}

TEST(SameFormatCheck, IgnoresCaseOfTheComparedTexts) {
    const std::vector<MediaItem> rows = {Row("AVI", "640 X 480", "mpeg4", "mp3"),
                                         Row("avi", "640 x 480", "MPEG4", "MP3")};
    EXPECT_TRUE(SameFormatCheck(rows));
}

TEST(SameFormatCheck, IgnoresNameDurationFileSizeAndDate) {
    std::vector<MediaItem> rows = {Row("MP4", "1280 X 720", "h264", "aac"),
                                   Row("MP4", "1280 X 720", "h264", "aac")};
    rows[1].SourcePath = QStringLiteral("/elsewhere/other.mp4");
    rows[1].DurationText = QStringLiteral("01:00:00");
    rows[1].DurationSeconds = 3600;
    rows[1].FileSizeText = QStringLiteral("900.0 MB");
    rows[1].ModifiedText = QStringLiteral("2001/01/01 00:00:00");
    EXPECT_TRUE(SameFormatCheck(rows));
}

TEST(SameFormatCheck, AnyOfTheFourTextsDifferingFails) {
    const MediaItem base = Row("MP4", "640 X 480", "h264", "aac");
    const std::vector<MediaItem> variants = {
        Row("MOV", "640 X 480", "h264", "aac"), Row("MP4", "320 X 240", "h264", "aac"),
        Row("MP4", "640 X 480", "mpeg4", "aac"), Row("MP4", "640 X 480", "h264", "mp3")};
    for (const MediaItem& variant : variants) {
        const std::vector<MediaItem> rows = {base, base, variant};
        EXPECT_FALSE(SameFormatCheck(rows))
            << variant.TypeText.toStdString() << " " << variant.VideoSizeText.toStdString();
        const std::vector<MediaItem> first = {variant, base, base};
        EXPECT_FALSE(SameFormatCheck(first));
    }
}

}  // namespace

}  // namespace veltrano
