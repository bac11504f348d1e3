#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <cstdio>

#include "engine/jobs/ff_encoder.h"
#include "engine/player/ff_player.h"
#include "engine/probe/ff_decoder.h"
#include "tests/support/media_tools.h"

namespace veltrano {
namespace {

// Limits only bound a hung job or player; nothing here measures speed.
constexpr int kGenerousMs = 120'000;

void EnsureApplication() {
    if (QCoreApplication::instance() == nullptr) {
        static int argc = 1;
        static char name[] = "engine_input_name_media_tests";
        static char* argv[] = {name, nullptr};
        static QCoreApplication app(argc, argv);
    }
}

class CountingOutput : public VideoOutput {
public:
    void ShowPicture(const VideoPicture&) override { ++Shown; }
    void Invalidate() override {}
    void Clear() override {}

    int Shown = 0;
};

// Joins the clip to itself with `parameters`; the job's closing message on failure.
QString JoinTwice(const QString& clip, const QString& output, const QString& parameters) {
    FFEncoder encoder;
    QSignalSpy terminated(&encoder, &MediaEncoder::JobTerminated);
    const int job = encoder.CreateJob(clip, QString());
    if (job < 0 || encoder.AddJobInput(job, clip, QString()) < 0 ||
        encoder.SetJobOutput(job, output, parameters) < 0) {
        return encoder.LastErrorText();
    }
    encoder.StartJobs(1);
    if (!terminated.wait(kGenerousMs)) {
        return QStringLiteral("the job never ended");
    }
    const QList<QVariant> event = terminated.takeFirst();
    return event.at(1).toBool() ? QString() : event.at(3).toString();
}

// Every stage opens its inputs through one function: a name outside ASCII, made on disk from
// its bytes, reaches each of them intact.
TEST(MediaInputNameTest, ANameOutsideAsciiOpensInProbingJoiningAndPlaying) {
    EnsureApplication();
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString plain = dir.filePath(QStringLiteral("plain.mp4"));
    ASSERT_TRUE(media_tools::MakeClip(
        plain, 1.0, 160, 120, QStringLiteral("25"),
        {QStringLiteral("-c:v"), QStringLiteral("libx264"), QStringLiteral("-preset"),
         QStringLiteral("ultrafast"), QStringLiteral("-c:a"), QStringLiteral("aac")}));
    const QByteArray bytes = QFile::encodeName(dir.path()) + "/caf\xc3\xa9 \xe2\x82\xac.mp4";
    ASSERT_EQ(std::rename(QFile::encodeName(plain).constData(), bytes.constData()), 0);
    const QString clip = QFile::decodeName(bytes);

    FFDecoder decoder;
    ASSERT_TRUE(decoder.OpenMedia(clip, QString())) << decoder.LastErrorText().toStdString();
    EXPECT_NEAR(static_cast<double>(decoder.Duration()), 1e6, 1e5);

    const QString copied = dir.filePath(QStringLiteral("copied.mp4"));
    EXPECT_EQ(JoinTwice(clip, copied, QStringLiteral("-vcodec copy -acodec copy -join")),
              QString());
    EXPECT_NEAR(media_tools::FormatDuration(media_tools::Probe(copied)), 2.0, 0.1);

    const QString converted = dir.filePath(QStringLiteral("converted.mkv"));
    EXPECT_EQ(JoinTwice(clip, converted,
                        QStringLiteral("-vcodec libx264 -vpre libx264-ultrafast -vb 200k -acodec "
                                       "libmp3lame -ab 64k -ar 44100 -s 160x120 -join")),
              QString());
    EXPECT_NEAR(media_tools::FormatDuration(media_tools::Probe(converted)), 2.0, 0.15);

    FFPlayer player(FFPlayer::Options{false});
    CountingOutput output;
    ASSERT_TRUE(player.PlayFile(clip, &output, false)) << player.LastErrorText().toStdString();
    EXPECT_TRUE(QTest::qWaitFor([&] { return output.Shown > 0; }, kGenerousMs));
    player.ClosePlayer(false);
}

}  // namespace
}  // namespace veltrano
