#include <gtest/gtest.h>

#include <unistd.h>
#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <cstdio>
#include <string>

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

// Names at the edges of what a file system takes, for an input and for the output.
struct EdgeName {
    const char* Label;
    QByteArray Input;   // bytes on disk
    QByteArray Output;  // bytes on disk
};

void PrintTo(const EdgeName& name, std::ostream* out) {
    *out << name.Label;
}

class EdgeNameTest : public ::testing::TestWithParam<EdgeName> {};

QByteArray Checksum(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return {};
    }
    return QCryptographicHash::hash(file.readAll(), QCryptographicHash::Sha256);
}

TEST_P(EdgeNameTest, JoinsUnderTheNameAndLeavesNothingElse) {
    EnsureApplication();
    const EdgeName name = GetParam();
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString plain = dir.filePath(QStringLiteral("plain.mp4"));
    ASSERT_TRUE(media_tools::MakeClip(
        plain, 0.5, 160, 120, QStringLiteral("25"),
        {QStringLiteral("-c:v"), QStringLiteral("libx264"), QStringLiteral("-preset"),
         QStringLiteral("ultrafast"), QStringLiteral("-c:a"), QStringLiteral("aac")}));
    const QByteArray folder = QFile::encodeName(dir.path()) + '/';
    ASSERT_EQ(std::rename(QFile::encodeName(plain).constData(), (folder + name.Input).constData()),
              0);
    const QString clip = QFile::decodeName(folder + name.Input);
    const QByteArray before = Checksum(clip);
    const QString output = QFile::decodeName(folder + name.Output);

    for (const QString& parameters :
         {QStringLiteral("-vcodec copy -acodec copy -join"),
          QStringLiteral("-vcodec libx264 -vpre libx264-ultrafast -vb 200k -acodec libmp3lame -ab "
                         "64k -ar 44100 -s 160x120 -join")}) {
        QFile::remove(output);
        FFDecoder decoder;
        ASSERT_TRUE(decoder.OpenMedia(clip, QString())) << decoder.LastErrorText().toStdString();
        EXPECT_EQ(JoinTwice(clip, output, parameters), QString());
        EXPECT_NEAR(media_tools::FormatDuration(media_tools::Probe(output)), 1.0, 0.15);
        EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).size(), 2)
            << QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).join(' ').toStdString();
    }
    EXPECT_EQ(Checksum(clip), before);
}

INSTANTIATE_TEST_SUITE_P(
    AtTheEdges, EdgeNameTest,
    ::testing::Values(EdgeName{"Newline", "two\nlines.mp4", "joined\nhere.mkv"},
                      EdgeName{"Longest", QByteArray(251, 'i') + ".mp4",
                               QByteArray(251, 'o') + ".mp4"}),
    [](const ::testing::TestParamInfo<EdgeName>& info) { return std::string(info.param.Label); });

// A name that is not UTF-8 has no QString that leads back to it (Qt decodes the stray bytes to
// U+FFFD), so neither window nor command line can pass it on: probing refuses it with the
// name as shown and the system's reason, and the file stays as it was.
TEST(MediaInputNameTest, ANameThatIsNotUtf8IsRefusedWithTheReason) {
    EnsureApplication();
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString plain = dir.filePath(QStringLiteral("plain.mp4"));
    ASSERT_TRUE(media_tools::MakeClip(plain, 0.5, 160, 120, QStringLiteral("25"),
                                      {QStringLiteral("-c:v"), QStringLiteral("libx264")}, true,
                                      false));
    const QByteArray bytes = QFile::encodeName(dir.path()) + "/latin1-\xe9t\xe9.mp4";
    ASSERT_EQ(std::rename(QFile::encodeName(plain).constData(), bytes.constData()), 0);
    const QString shown = QFile::decodeName(bytes);
    ASSERT_NE(QFile::encodeName(shown), bytes) << "this Qt reaches names that are not UTF-8";

    // The windows and the command line put the name (as shown) above this reason.
    FFDecoder decoder;
    EXPECT_FALSE(decoder.OpenMedia(shown, QString()));
    EXPECT_EQ(decoder.LastErrorText(),
              QStringLiteral("Cannot open file: No such file or directory"));
    EXPECT_EQ(JoinTwice(shown, dir.filePath(QStringLiteral("out.mp4")),
                        QStringLiteral("-vcodec copy -acodec copy -join")),
              QStringLiteral("Cannot open file: No such file or directory"));
    // Qt cannot list or remove the file either: nothing it can name is left.
    EXPECT_TRUE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).isEmpty());
    EXPECT_EQ(::unlink(bytes.constData()), 0) << "the input is no longer there";
}

}  // namespace
}  // namespace veltrano
