// FFDecoder against clips made by the ffmpeg tool; every expectation comes from ffprobe.
#include <gtest/gtest.h>

#include <QFile>
#include <QJsonArray>
#include <QTemporaryDir>
#include <memory>

#include "engine/probe/ff_decoder.h"
#include "tests/support/media_tools.h"
#include "tests/support/probe_test_printers.h"

namespace veltrano {

namespace {

class FFDecoderTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        dir_ = std::make_unique<QTemporaryDir>();
        ASSERT_TRUE(dir_->isValid());
        ASSERT_TRUE(media_tools::MakeClip(Path("both.mkv"), 1.5, 176, 144, "25",
                                          {"-c:v", "mpeg4", "-c:a", "libmp3lame"}));
        ASSERT_TRUE(media_tools::MakeClip(Path("audio.m4a"), 1.0, 0, 0, "25", {"-c:a", "aac"},
                                          /*video=*/false));
        ASSERT_TRUE(media_tools::MakeClip(Path("video.mp4"), 1.0, 96, 64, "10", {"-c:v", "libx264"},
                                          /*video=*/true, /*audio=*/false));
    }
    static void TearDownTestSuite() { dir_.reset(); }
    static QString Path(const char* name) { return dir_->filePath(QString::fromLatin1(name)); }

    static QJsonObject FirstStream(const QString& path, const QString& type) {
        return media_tools::StreamsOfType(media_tools::Probe(path), type).at(0).toObject();
    }

    static std::unique_ptr<QTemporaryDir> dir_;
    FFDecoder decoder_;
};

std::unique_ptr<QTemporaryDir> FFDecoderTest::dir_;

TEST_F(FFDecoderTest, ReportsTheStreamsAsFfprobeSeesThem) {
    const QString path = Path("both.mkv");
    ASSERT_TRUE(decoder_.OpenMedia(path, QString())) << decoder_.LastErrorText().toStdString();
    const QJsonObject video = FirstStream(path, QStringLiteral("video"));
    const QJsonObject audio = FirstStream(path, QStringLiteral("audio"));

    EXPECT_EQ(decoder_.VideoStreamIndex(), video.value("index").toInt());
    EXPECT_EQ(decoder_.AudioStreamIndex(), audio.value("index").toInt());
    EXPECT_EQ(decoder_.VideoCodecName(decoder_.VideoStreamIndex()),
              video.value("codec_name").toString());
    EXPECT_EQ(decoder_.AudioCodecName(decoder_.AudioStreamIndex()),
              audio.value("codec_name").toString());
    EXPECT_EQ(decoder_.VideoWidth(decoder_.VideoStreamIndex()), video.value("width").toInt());
    EXPECT_EQ(decoder_.VideoHeight(decoder_.VideoStreamIndex()), video.value("height").toInt());
    // An index of the other kind answers like a missing stream.
    EXPECT_EQ(decoder_.AudioCodecName(decoder_.VideoStreamIndex()), QString());
    EXPECT_EQ(decoder_.VideoWidth(decoder_.AudioStreamIndex()), 0);
    EXPECT_EQ(decoder_.VideoCodecName(99), QString());

    const double probed = media_tools::FormatDuration(media_tools::Probe(path));
    EXPECT_NEAR(static_cast<double>(decoder_.Duration()) / 1e6, probed, 0.01);
    const std::int64_t joined = static_cast<std::int64_t>(
        (static_cast<std::uint64_t>(static_cast<std::uint32_t>(decoder_.DurationHigh())) << 32) |
        decoder_.DurationLow());
    EXPECT_EQ(joined, decoder_.Duration());
}

TEST_F(FFDecoderTest, AMissingStreamHasNoIndexNameOrSize) {
    ASSERT_TRUE(decoder_.OpenMedia(Path("audio.m4a"), QString()));
    EXPECT_EQ(decoder_.VideoStreamIndex(), -1);
    EXPECT_EQ(decoder_.VideoCodecName(-1), QString());
    EXPECT_EQ(decoder_.VideoWidth(-1), 0);
    EXPECT_EQ(decoder_.VideoHeight(-1), 0);
    EXPECT_EQ(decoder_.AudioCodecName(decoder_.AudioStreamIndex()), QStringLiteral("aac"));

    ASSERT_TRUE(decoder_.OpenMedia(Path("video.mp4"), QString()));
    EXPECT_EQ(decoder_.AudioStreamIndex(), -1);
    EXPECT_EQ(decoder_.AudioCodecName(-1), QString());
    EXPECT_EQ(decoder_.VideoCodecName(decoder_.VideoStreamIndex()), QStringLiteral("h264"));
}

TEST_F(FFDecoderTest, CloseForgetsTheFileAndIsHarmlessTwice) {
    ASSERT_TRUE(decoder_.OpenMedia(Path("both.mkv"), QString()));
    decoder_.CloseMedia();
    decoder_.CloseMedia();
    EXPECT_EQ(decoder_.VideoStreamIndex(), -1);
    EXPECT_EQ(decoder_.AudioStreamIndex(), -1);
    EXPECT_EQ(decoder_.Duration(), 0);
    EXPECT_EQ(decoder_.VideoWidth(0), 0);
    EXPECT_EQ(decoder_.AudioCodecName(1), QString());
}

TEST_F(FFDecoderTest, OpenOptionsAreHonouredAndUnknownOnesRefused) {
    EXPECT_TRUE(decoder_.OpenMedia(Path("both.mkv"), QStringLiteral("probesize=100000")))
        << decoder_.LastErrorText().toStdString();
    EXPECT_FALSE(decoder_.OpenMedia(Path("both.mkv"), QStringLiteral("no_such_option=1")));
    EXPECT_TRUE(decoder_.LastErrorText().contains(QStringLiteral("no_such_option")))
        << decoder_.LastErrorText().toStdString();
    EXPECT_EQ(decoder_.VideoStreamIndex(), -1);
}

TEST_F(FFDecoderTest, AMissingFileGivesTheSystemsReason) {
    EXPECT_FALSE(decoder_.OpenMedia(Path("nothing-here.mp4"), QString()));
    EXPECT_EQ(decoder_.LastErrorText(),
              QStringLiteral("Cannot open file: No such file or directory"));
}

// A decoder whose duration is set directly, for the halves of large values.
class FixedDurationDecoder : public MediaDecoder {
public:
    explicit FixedDurationDecoder(std::int64_t us) : us_(us) {}
    bool OpenMedia(const QString&, const QString&) override { return true; }
    void CloseMedia() override {}
    QString LastErrorText() const override { return {}; }
    int AudioStreamIndex() const override { return -1; }
    int VideoStreamIndex() const override { return -1; }
    QString AudioCodecName(int) const override { return {}; }
    QString VideoCodecName(int) const override { return {}; }
    int VideoWidth(int) const override { return 0; }
    int VideoHeight(int) const override { return 0; }
    std::int64_t Duration() const override { return us_; }

private:
    std::int64_t us_;
};

TEST(MediaDecoderHalvesTest, SplitsLowHalfFirst) {
    struct Case {
        std::int64_t Us;
        std::uint32_t Low;
        std::int32_t High;
    };
    for (const Case& c :
         {Case{0, 0, 0}, Case{2'500'000, 2'500'000, 0}, Case{5'000'000'000, 705'032'704, 1},
          Case{-1, 0xFFFFFFFFu, -1}, Case{(std::int64_t{1} << 32), 0, 1}}) {
        const FixedDurationDecoder decoder(c.Us);
        EXPECT_EQ(decoder.DurationLow(), c.Low) << c.Us;
        EXPECT_EQ(decoder.DurationHigh(), c.High) << c.Us;
    }
}

}  // namespace

}  // namespace veltrano
