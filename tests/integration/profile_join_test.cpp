// For every format key, the parameter string the builder makes for a representative profile
// is joined by the real encoder; ffprobe judges the result.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QEventLoop>
#include <QJsonArray>
#include <QJsonObject>
#include <QTemporaryDir>
#include <QTimer>

#include "engine/jobs/ff_encoder.h"
#include "profiles/catalogue/profile_catalogue.h"
#include "profiles/output_settings.h"
#include "profiles/parameter_builder.h"
#include "tests/support/media_tools.h"

namespace veltrano {

namespace {

struct KeyCase {
    const char* CommandName;
    const char* FormatKey;
    const char* VideoCodec;  // ffprobe codec_name
    const char* AudioCodec;
    int Width;  // the requested picture size
    int Height;
};

void PrintTo(const KeyCase& c, std::ostream* os) {
    *os << c.FormatKey;
}

// Two 1 s clips of 320x240 go in; without a profile size the output keeps 320x240.
const KeyCase kCases[] = {
    {"ID_GP", "3gp", "h263", "aac", 176, 144},
    {"ID_ASF", "asf", "msmpeg4v2", "wmav2", 320, 240},
    {"ID_AVI", "avi", "mpeg4", "mp3", 320, 240},
    {"ID_FV", "f4v", "h264", "aac", 320, 240},
    {"ID_FLV", "flv", "flv1", "mp3", 320, 240},
    {"ID_MKV", "mkv", "h264", "mp3", 320, 240},
    {"ID_MOV", "mov", "h264", "aac", 320, 240},
    {"ID_MPH", "mp4h264", "h264", "aac", 320, 240},
    {"ID_MP", "mp4", "mpeg4", "aac", 320, 240},
    {"ID_MPEG", "mpg", "mpeg1video", "mp2", 320, 240},
    {"ID_MPEGFORMATMPGa", "mpg2", "mpeg2video", "mp2", 320, 240},
    {"ID_RM", "rm", "rv20", "ac3", 320, 240},
    {"ID_SWF", "swf", "flv1", "mp3", 320, 240},
    {"ID_VOB", "vob", "mpeg2video", "ac3", 720, 480},
    {"ID_WMV", "wmv", "wmv2", "wmav2", 320, 240},
    {"ID_DVDNTSCVIDEO", "ntsc-dvd", "mpeg2video", "ac3", 720, 480},
    {"ID_DVDPALVIDEO", "pal-dvd", "mpeg2video", "ac3", 720, 576},
    {"ID_VCDNTSCVIDEO", "ntsc-vcd", "mpeg1video", "mp2", 352, 240},
    {"ID_VCDPALVIDEO", "pal-vcd", "mpeg1video", "mp2", 352, 288},
};

class ProfileJoinTest : public testing::TestWithParam<KeyCase> {
protected:
    static void SetUpTestSuite() {
        clips_ = new QTemporaryDir;
        const QStringList args{"-c:v", "libx264", "-preset", "ultrafast", "-c:a", "aac"};
        ASSERT_TRUE(media_tools::MakeClip(clips_->filePath("one.mp4"), 1.0, 320, 240, "25", args));
        ASSERT_TRUE(media_tools::MakeClip(clips_->filePath("two.mp4"), 1.0, 320, 240, "25", args));
    }
    static void TearDownTestSuite() {
        delete clips_;
        clips_ = nullptr;
    }

    static MediaItem Row(const QString& name) {
        MediaItem row;
        row.SourcePath = clips_->filePath(name);
        row.TypeText = QStringLiteral("MP4");
        row.VideoSizeText = QStringLiteral("320 X 240");
        row.VideoCodec = QStringLiteral("h264");
        row.AudioCodec = QStringLiteral("aac");
        row.DurationSeconds = 1.0;
        return row;
    }

    static QTemporaryDir* clips_;
};

QTemporaryDir* ProfileJoinTest::clips_ = nullptr;

TEST_P(ProfileJoinTest, JoinsIntoThePromisedFormat) {
    const KeyCase& c = GetParam();
    int argc = 1;
    char name[] = "integration_tests";
    char* argv[] = {name, nullptr};
    QCoreApplication app(argc, argv);

    const ProfileCatalogue catalogue;
    const OutputProfile* profile = catalogue.FindByCommandName(QString::fromLatin1(c.CommandName));
    ASSERT_NE(profile, nullptr);
    ASSERT_EQ(profile->FormatKey, QString::fromLatin1(c.FormatKey));
    OutputSettings settings;
    settings.SelectJoinMode(JoinMode::Convert);
    settings.ApplyProfile(*profile);
    const std::vector<MediaItem> rows{Row("one.mp4"), Row("two.mp4")};
    const BuiltParameters built = BuildEngineParameters(settings, rows);

    QTemporaryDir out;
    const QString output = out.filePath(QStringLiteral("joined.") + built.OutputExtension);
    FFEncoder encoder;
    encoder.ClearJobs();
    const int job = encoder.CreateJob(rows[0].SourcePath, QString());
    ASSERT_GE(job, 0) << encoder.LastErrorText().toStdString();
    ASSERT_GE(encoder.AddJobInput(job, rows[1].SourcePath, QString()), 0);
    ASSERT_GE(encoder.SetJobOutput(job, output, built.EngineParameters), 0)
        << built.EngineParameters.toStdString() << ": " << encoder.LastErrorText().toStdString();

    QEventLoop loop;
    bool completed = false;
    QString message;
    QObject::connect(&encoder, &MediaEncoder::JobTerminated,
                     [&](int code, bool done, bool, const QString& text) {
                         completed = code >= 0 && done;
                         message = text;
                         loop.quit();
                     });
    QTimer::singleShot(180000, &loop, &QEventLoop::quit);
    encoder.StartJobs(1);
    loop.exec();
    ASSERT_TRUE(completed) << built.EngineParameters.toStdString() << ": " << message.toStdString();
    // Every container's index, read back, holds the streams written and the inputs' length;
    // SWF's header has none that libav reads.
    EXPECT_EQ(message.toStdString(), std::string(c.FormatKey) == "swf"
                                         ? "Verified: 2 files, the output records no length"
                                         : "Verified: 2 files, 00:00:02");

    const QJsonObject probe = media_tools::Probe(output);
    const QJsonArray video = media_tools::StreamsOfType(probe, "video");
    const QJsonArray audio = media_tools::StreamsOfType(probe, "audio");
    ASSERT_EQ(video.size(), 1) << built.EngineParameters.toStdString();
    ASSERT_EQ(audio.size(), 1) << built.EngineParameters.toStdString();
    EXPECT_EQ(video[0].toObject().value("codec_name").toString(),
              QString::fromLatin1(c.VideoCodec));
    EXPECT_EQ(audio[0].toObject().value("codec_name").toString(),
              QString::fromLatin1(c.AudioCodec));
    EXPECT_EQ(video[0].toObject().value("width").toInt(), c.Width);
    EXPECT_EQ(video[0].toObject().value("height").toInt(), c.Height);
    const double duration = media_tools::StreamDuration(output, "video");
    EXPECT_NEAR(duration, 2.0, 0.3) << built.EngineParameters.toStdString();
}

INSTANTIATE_TEST_SUITE_P(EveryFormatKey, ProfileJoinTest, testing::ValuesIn(kCases),
                         [](const testing::TestParamInfo<KeyCase>& info) {
                             QString key = QString::fromLatin1(info.param.FormatKey);
                             key.replace(QLatin1Char('-'), QLatin1Char('_'));
                             return key.toStdString();
                         });

}  // namespace

}  // namespace veltrano
