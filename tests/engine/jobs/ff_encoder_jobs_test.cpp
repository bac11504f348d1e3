#include <gtest/gtest.h>

extern "C" {
#include <libavutil/error.h>
}

#include <QCoreApplication>
#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTimer>
#include <algorithm>
#include <future>
#include <map>
#include <memory>
#include <vector>

#include <unistd.h>

#include "engine/jobs/ff_encoder.h"
#include "tests/support/join_stop_cases.h"
#include "tests/support/media_tools.h"

namespace veltrano {

namespace {

const QString kCopy = QStringLiteral("-vcodec copy -acodec copy -join");

// Queued signals need an application object on this thread.
void EnsureApplication() {
    if (QCoreApplication::instance() == nullptr) {
        static int argc = 1;
        static char name[] = "ff_encoder_jobs_test";
        static char* argv[] = {name, nullptr};
        static QCoreApplication app(argc, argv);
    }
}

struct Termination {
    bool Seen = false;
    int Code = 0;
    bool Completed = false;
    bool Failed = false;
    QString Message;
};

// Records the encoder's events the way the join runner receives them.
class EventLog {
public:
    explicit EventLog(FFEncoder& encoder) {
        QObject::connect(&encoder, &MediaEncoder::JobProgress, &context_,
                         [this](int, qint64 bytes, qint64 position, qint64 total) {
                             ++ProgressCount;
                             LastBytes = bytes;
                             LastPosition = position;
                             LastTotal = total;
                             if (loop_ != nullptr && QuitOnProgress) {
                                 loop_->quit();
                             }
                         });
        QObject::connect(&encoder, &MediaEncoder::JobTerminated, &context_,
                         [this](int code, bool completed, bool failed, const QString& message) {
                             Terminated = {true, code, completed, failed, message};
                             if (loop_ != nullptr) {
                                 loop_->quit();
                             }
                         });
    }

    // Runs the event loop until an event quits it or the time is up.
    void Wait(int milliseconds) {
        QEventLoop loop;
        loop_ = &loop;
        QTimer::singleShot(milliseconds, &loop, &QEventLoop::quit);
        loop.exec();
        loop_ = nullptr;
    }

    int ProgressCount = 0;
    qint64 LastBytes = 0;
    qint64 LastPosition = 0;
    qint64 LastTotal = 0;
    bool QuitOnProgress = false;
    Termination Terminated;

private:
    QObject context_;
    QEventLoop* loop_ = nullptr;
};

class FFEncoderJobs : public ::testing::Test {
protected:
    static void SetUpTestSuite() { EnsureApplication(); }

    QString Clip(const QString& name, double seconds = 1.0, int width = 160, int height = 120) {
        const QString path = dir_.filePath(name);
        EXPECT_TRUE(media_tools::MakeClip(
            path, seconds, width, height, QStringLiteral("25"),
            {QStringLiteral("-c:v"), QStringLiteral("libx264"), QStringLiteral("-preset"),
             QStringLiteral("ultrafast"), QStringLiteral("-c:a"), QStringLiteral("aac")}));
        return path;
    }

    // Files the job left in the folder besides the inputs and the expected output.
    QStringList PartialFiles() const {
        return QDir(dir_.path())
            .entryList({QStringLiteral("*.part-*")}, QDir::Files | QDir::Hidden);
    }

    int Prepare(const std::vector<QString>& inputs, const QString& output,
                const QString& parameters) {
        encoder_.ClearJobs();
        const int job = encoder_.CreateJob(inputs.front(), QString());
        EXPECT_GE(job, 0) << encoder_.LastErrorText().toStdString();
        for (std::size_t i = 1; i < inputs.size(); ++i) {
            EXPECT_GE(encoder_.AddJobInput(job, inputs[i], QString()), 0);
        }
        EXPECT_GE(encoder_.SetJobOutput(job, output, parameters), 0)
            << encoder_.LastErrorText().toStdString();
        return job;
    }

    QTemporaryDir dir_;
    FFEncoder encoder_;
};

TEST_F(FFEncoderJobs, CopyJoinRunsInTheBackgroundAndReportsThroughSignals) {
    const QString a = Clip(QStringLiteral("a.mp4"));
    const QString b = Clip(QStringLiteral("b.mp4"));
    const QString output = dir_.filePath(QStringLiteral("joined.mp4"));
    EventLog log(encoder_);
    Prepare({a, b, a}, output, kCopy);
    encoder_.StartJobs(1);
    log.Wait(60000);

    ASSERT_TRUE(log.Terminated.Seen);
    EXPECT_TRUE(log.Terminated.Completed) << log.Terminated.Message.toStdString();
    EXPECT_FALSE(log.Terminated.Failed);
    EXPECT_GE(log.Terminated.Code, 0);
    EXPECT_GE(log.ProgressCount, 1);
    EXPECT_EQ(log.LastBytes, QFileInfo(output).size());
    EXPECT_EQ(log.LastPosition, log.LastTotal);
    EXPECT_NEAR(static_cast<double>(log.LastTotal) / 1e6, 3.0, 0.1);
    EXPECT_TRUE(PartialFiles().isEmpty()) << PartialFiles().join(' ').toStdString();
    const QJsonObject probe = media_tools::Probe(output);
    EXPECT_EQ(media_tools::StreamsOfType(probe, QStringLiteral("video")).size(), 1);
    EXPECT_EQ(media_tools::StreamsOfType(probe, QStringLiteral("audio")).size(), 1);
    EXPECT_NEAR(media_tools::FormatDuration(probe), 3.0, 0.1);
    // The output read back holds what was written.
    EXPECT_EQ(log.Terminated.Message.toStdString(),
              "Verified: 3 files, 00:00:03, every packet in place");
    // The inputs are untouched.
    EXPECT_TRUE(QFileInfo::exists(a));
    EXPECT_TRUE(QFileInfo::exists(b));
}

TEST_F(FFEncoderJobs, ConversionGoesThroughTheSameShell) {
    const QString a = Clip(QStringLiteral("a.mp4"), 0.5);
    const QString output = dir_.filePath(QStringLiteral("joined.mkv"));
    EventLog log(encoder_);
    Prepare({a, a}, output,
            QStringLiteral("-ac 2 -vcodec libx264 -vpre libx264-ultrafast -vb 200k  -acodec "
                           "libmp3lame -ab 64k -ar 44100 -s 160x120 -join"));
    encoder_.StartJobs(1);
    log.Wait(120000);
    ASSERT_TRUE(log.Terminated.Seen);
    EXPECT_TRUE(log.Terminated.Completed) << log.Terminated.Message.toStdString();
    const QJsonObject probe = media_tools::Probe(output);
    const QJsonArray video = media_tools::StreamsOfType(probe, QStringLiteral("video"));
    ASSERT_EQ(video.size(), 1);
    EXPECT_EQ(video[0].toObject().value(QStringLiteral("codec_name")).toString(),
              QStringLiteral("h264"));
    EXPECT_TRUE(PartialFiles().isEmpty());
    // Matroska records no packet counts in its header: the line claims none.
    EXPECT_EQ(log.Terminated.Message.toStdString(), "Verified: 2 files, 00:00:01");
}

// The output is altered between the rename and its check (a shorter clip in its place): the
// completion says what differs, and the output stays.
TEST_F(FFEncoderJobs, AnOutputAlteredAfterWritingIsReportedAndKept) {
    const QString a = Clip(QStringLiteral("a.mp4"));
    const QString shorter = Clip(QStringLiteral("shorter.mp4"), 0.4);
    const QString output = dir_.filePath(QStringLiteral("joined.mp4"));
    encoder_.SetStageObserver([&](JoinStage stage) {
        if (stage == JoinStage::Renamed) {
            QFile::remove(output);
            QFile::copy(shorter, output);
        }
    });
    EventLog log(encoder_);
    Prepare({a, a}, output, kCopy);
    encoder_.StartJobs(1);
    log.Wait(60000);
    encoder_.StopJobs(true);
    encoder_.SetStageObserver({});
    ASSERT_TRUE(log.Terminated.Seen);
    EXPECT_TRUE(log.Terminated.Completed);
    EXPECT_FALSE(log.Terminated.Failed);
    EXPECT_EQ(log.Terminated.Message.toStdString(),
              "Not verified: video stream 1 holds 10 packets of 50 written; audio stream 1 holds "
              "19 packets of 90 written; it lasts 0.400 s, the 2 files together 2.000 s. The "
              "output is kept.");
    EXPECT_EQ(QFileInfo(output).size(), QFileInfo(shorter).size());
}

// How promptly a stop takes effect is fixed by the stage tests below (nothing after the stage
// it arrives at); this one stops a real conversion in the middle.
TEST_F(FFEncoderJobs, StopMidJoinEndsTheJobAndLeavesNothing) {
    const QString a = Clip(QStringLiteral("a.mp4"), 3.0, 640, 480);
    const QString output = dir_.filePath(QStringLiteral("joined.mp4"));
    EventLog log(encoder_);
    Prepare({a, a, a}, output,
            QStringLiteral("-ac 2 -vcodec libx264 -vpre libx264-default -vb 2000k -ab 128k -ar "
                           "44100 -join"));
    log.QuitOnProgress = true;
    encoder_.StartJobs(1);
    log.Wait(30000);  // until the first progress report: the join is under way
    ASSERT_FALSE(log.Terminated.Seen) << "the join ended before it could be stopped";
    ASSERT_TRUE(encoder_.IsRunning());

    encoder_.StopJobs(false);
    log.QuitOnProgress = false;
    for (int i = 0; i < 50 && !log.Terminated.Seen; ++i) {
        log.Wait(100);
    }
    ASSERT_TRUE(log.Terminated.Seen);
    EXPECT_FALSE(log.Terminated.Completed);
    EXPECT_FALSE(log.Terminated.Failed);
    EXPECT_EQ(log.Terminated.Code, AVERROR_EXIT);
    EXPECT_FALSE(encoder_.IsRunning());
    EXPECT_FALSE(QFileInfo::exists(output));
    EXPECT_TRUE(PartialFiles().isEmpty()) << PartialFiles().join(' ').toStdString();
}

TEST_F(FFEncoderJobs, AFailedJoinReportsAndLeavesNothing) {
    const QString a = Clip(QStringLiteral("a.mp4"));
    const QString wide = Clip(QStringLiteral("wide.mp4"), 1.0, 320, 180);
    const QString output = dir_.filePath(QStringLiteral("joined.mp4"));
    EventLog log(encoder_);
    Prepare({a, wide}, output, kCopy);
    encoder_.StartJobs(1);
    log.Wait(60000);
    ASSERT_TRUE(log.Terminated.Seen);
    EXPECT_TRUE(log.Terminated.Failed);
    EXPECT_FALSE(log.Terminated.Completed);
    EXPECT_LT(log.Terminated.Code, 0);
    EXPECT_EQ(log.Terminated.Message.toStdString(),
              "Cannot join by stream copy: wide.mp4 differs from a.mp4 in picture size (320x180 "
              "vs 160x120).");
    EXPECT_FALSE(QFileInfo::exists(output));
    EXPECT_TRUE(PartialFiles().isEmpty());
}

// Too little room is known before the first byte: both figures, nothing written. The real
// file system's figure is the default; here the seam gives one just short of the need.
TEST_F(FFEncoderJobs, TooLittleRoomIsRefusedWithBothFiguresBeforeWriting) {
    const QString a = Clip(QStringLiteral("a.mp4"), 2.0);
    const QString output = dir_.filePath(QStringLiteral("joined.mkv"));
    const std::int64_t inputs = 3 * QFileInfo(a).size();
    for (const QString& parameters :
         {kCopy, QStringLiteral("-vcodec libx264 -vb 8000k -acodec aac -ab 128k -join")}) {
        SCOPED_TRACE(parameters.toStdString());
        // Copy needs what the inputs hold; 8128 kbit/s for 6 s is about 6.3 MB.
        const std::int64_t needed = parameters == kCopy ? inputs : 8'128'000 / 8 * 6 * 103 / 100;
        QStringList folders;
        encoder_.SetFreeSpaceProbe([&](const QString& folder) {
            folders << folder;
            return needed * 9 / 10;
        });
        EventLog log(encoder_);
        Prepare({a, a, a}, output, parameters);
        encoder_.StartJobs(1);
        log.Wait(60000);
        ASSERT_TRUE(log.Terminated.Seen);
        EXPECT_TRUE(log.Terminated.Failed);
        EXPECT_EQ(folders, QStringList{dir_.path()});
        const QRegularExpression sentence(
            QStringLiteral("^The output needs about ([0-9.]+) (MB|KB); the destination has "
                           "([0-9.]+) \\2 free\\.$"));
        const QRegularExpressionMatch match = sentence.match(log.Terminated.Message);
        ASSERT_TRUE(match.hasMatch()) << log.Terminated.Message.toStdString();
        const double unit = match.captured(2) == QStringLiteral("MB") ? 1e6 : 1e3;
        EXPECT_NEAR(match.captured(1).toDouble() * unit, static_cast<double>(needed),
                    0.05 * static_cast<double>(needed));
        EXPECT_FALSE(QFileInfo::exists(output));
        EXPECT_TRUE(PartialFiles().isEmpty());
    }
    // With room enough the same copy goes through.
    encoder_.SetFreeSpaceProbe([](const QString&) { return std::int64_t{1} << 40; });
    EventLog log(encoder_);
    Prepare({a, a, a}, output, kCopy);
    encoder_.StartJobs(1);
    log.Wait(60000);
    EXPECT_TRUE(log.Terminated.Completed) << log.Terminated.Message.toStdString();
}

// The real figure of a small file system (a tmpfs, which only root may mount).
TEST_F(FFEncoderJobs, ASmallFileSystemIsMeasuredForReal) {
    if (geteuid() != 0) {
        GTEST_SKIP() << "mounting a small file system needs root";
    }
    const QString mount = dir_.filePath(QStringLiteral("small"));
    ASSERT_TRUE(QDir().mkpath(mount));
    if (QProcess::execute(QStringLiteral("mount"),
                          {QStringLiteral("-t"), QStringLiteral("tmpfs"), QStringLiteral("-o"),
                           QStringLiteral("size=64k"), QStringLiteral("tmpfs"), mount}) != 0) {
        GTEST_SKIP() << "this machine refuses to mount a tmpfs";
    }
    const QString a = Clip(QStringLiteral("a.mp4"), 2.0);
    const QString output = mount + QStringLiteral("/joined.mp4");
    EventLog log(encoder_);
    Prepare({a, a, a}, output, kCopy);
    encoder_.StartJobs(1);
    log.Wait(60000);
    const QStringList left = QDir(mount).entryList(QDir::Files | QDir::Hidden);
    QProcess::execute(QStringLiteral("umount"), {mount});
    ASSERT_TRUE(log.Terminated.Seen);
    EXPECT_TRUE(log.Terminated.Failed);
    EXPECT_TRUE(log.Terminated.Message.startsWith(QStringLiteral("The output needs about ")))
        << log.Terminated.Message.toStdString();
    EXPECT_TRUE(left.isEmpty()) << left.join(' ').toStdString();
}

TEST_F(FFEncoderJobs, RefusesWhatItCannotHonourAtOnce) {
    const QString a = Clip(QStringLiteral("a.mp4"));
    const int job = encoder_.CreateJob(a, QString());
    ASSERT_GE(job, 0);

    // The output may not be one of the inputs, however it is spelled.
    EXPECT_LT(encoder_.SetJobOutput(job, a, kCopy), 0);
    EXPECT_TRUE(encoder_.LastErrorText().contains(QStringLiteral("one of the files to join")))
        << encoder_.LastErrorText().toStdString();
    EXPECT_LT(encoder_.SetJobOutput(job, dir_.path() + QStringLiteral("/./a.mp4"), kCopy), 0);

    EXPECT_LT(encoder_.SetJobOutput(job, dir_.filePath(QStringLiteral("o.mp4")),
                                    QStringLiteral("-ac 2 -s 16x0 -join")),
              0);
    EXPECT_TRUE(encoder_.LastErrorText().contains(QStringLiteral("picture size")));
    EXPECT_LT(encoder_.SetJobOutput(job, dir_.filePath(QStringLiteral("o.mp4")),
                                    QStringLiteral("-vcodec nosuch -join")),
              0);
    EXPECT_TRUE(encoder_.LastErrorText().contains(QStringLiteral("Unknown codec")));
    EXPECT_LT(encoder_.SetJobOutput(job, dir_.filePath(QStringLiteral("missing/o.mp4")), kCopy), 0);
    EXPECT_LT(encoder_.SetJobOutput(job + 100, dir_.filePath(QStringLiteral("o.mp4")), kCopy), 0);
    EXPECT_GE(encoder_.SetJobOutput(job, dir_.filePath(QStringLiteral("o.mp4")), kCopy), 0);

    // Inputs that libavformat cannot open are refused with its reason.
    const QString text = dir_.filePath(QStringLiteral("notes.mp4"));
    QFile file(text);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("plain text, not a video\n");
    file.close();
    EXPECT_LT(encoder_.AddJobInput(job, text, QString()), 0);
    EXPECT_TRUE(encoder_.LastErrorText().startsWith(QStringLiteral("Cannot open file: ")))
        << encoder_.LastErrorText().toStdString();
    EXPECT_LT(encoder_.CreateJob(dir_.filePath(QStringLiteral("none.mp4")), QString()), 0);
    EXPECT_TRUE(encoder_.LastErrorText().startsWith(QStringLiteral("Cannot open file: ")));

    // Removed and cleared jobs do not run; stopping while idle is harmless: nothing runs,
    // nothing is reported, nothing is written.
    EventLog log(encoder_);
    encoder_.RemoveJob(job);
    encoder_.StartJobs(1);
    EXPECT_FALSE(encoder_.IsRunning());
    encoder_.StopJobs(false);
    QCoreApplication::processEvents();
    EXPECT_FALSE(encoder_.IsRunning());
    EXPECT_FALSE(log.Terminated.Seen);
    EXPECT_FALSE(QFileInfo::exists(dir_.filePath(QStringLiteral("o.mp4"))));
}

class FFEncoderStops : public JoinStopTest {
protected:
};

TEST_P(FFEncoderStops, AStopLeavesTheFolderAsItWasUntilTheOutputHasItsName) {
    const StopCase stop = GetParam();
    // An older file of the output's name: a stopped join must not touch it.
    const QString output = out_.filePath(QStringLiteral("joined.mp4"));
    {
        QFile older(output);
        ASSERT_TRUE(older.open(QIODevice::WriteOnly));
        older.write("an older file\n");
    }
    const std::map<QString, QByteArray> before = FolderContents();

    FFEncoder encoder;
    EventLog log(encoder);
    std::vector<JoinStage> seen;
    encoder.SetStageObserver([&](JoinStage stage) {
        seen.push_back(stage);
        if (stage == stop.Stage) {
            encoder.RequestStop();
        }
    });
    const int job = encoder.CreateJob(Input(), QString());
    ASSERT_GE(job, 0) << encoder.LastErrorText().toStdString();
    ASSERT_GE(encoder.AddJobInput(job, Input(), QString()), 0);
    ASSERT_GE(encoder.SetJobOutput(job, output,
                                   stop.Copy ? kCopy
                                             : QStringLiteral("-ac 2 -vcodec libx264 -vpre "
                                                              "libx264-ultrafast -vb 200k -ab 64k "
                                                              "-ar 44100 -s 160x120 -join")),
              0)
        << encoder.LastErrorText().toStdString();
    encoder.StartJobs(1);
    log.Wait(120000);
    ASSERT_TRUE(log.Terminated.Seen);
    encoder.StopJobs(true);  // the worker has ended; nothing more can change the folder
    EXPECT_NE(std::find(seen.begin(), seen.end(), stop.Stage), seen.end())
        << "the job never reached " << StageName(stop.Stage);

    if (stop.Stage == JoinStage::Renamed) {
        // Once the output has its name the join is complete, whatever comes after.
        EXPECT_TRUE(log.Terminated.Completed) << log.Terminated.Message.toStdString();
        EXPECT_FALSE(log.Terminated.Failed);
        EXPECT_GE(log.Terminated.Code, 0);
        EXPECT_EQ(seen, EveryJoinStage());
        EXPECT_NEAR(media_tools::FormatDuration(media_tools::Probe(output)), 1.0, 0.15);
        const std::map<QString, QByteArray> after = FolderContents();
        ASSERT_EQ(after.size(), 1u);
        EXPECT_EQ(after.begin()->first, QStringLiteral("joined.mp4"));
        return;
    }
    EXPECT_FALSE(log.Terminated.Completed);
    EXPECT_FALSE(log.Terminated.Failed) << log.Terminated.Message.toStdString();
    EXPECT_EQ(log.Terminated.Code, AVERROR_EXIT);
    EXPECT_EQ(log.Terminated.Message, StoppedStatus().Message());
    EXPECT_EQ(seen.back(), stop.Stage) << "a stopped job goes no further";
    const std::map<QString, QByteArray> after = FolderContents();
    EXPECT_EQ(after, before) << "left: "
                             << QStringList(QDir(out_.path()).entryList(QDir::Files | QDir::Hidden))
                                    .join(' ')
                                    .toStdString();
}

INSTANTIATE_TEST_SUITE_P(EveryStage, FFEncoderStops, ::testing::ValuesIn(EveryStopCase()),
                         [](const ::testing::TestParamInfo<StopCase>& info) {
                             return StopCaseName(info.param);
                         });

// A join started again right after a stop that came too late: the earlier job's completion,
// not yet received, must not be taken for the new job's (the events name no job).
TEST_F(FFEncoderJobs, ANewJobDoesNotReceiveTheEarlierJobsLateEvents) {
    const QString a = Clip(QStringLiteral("a.mp4"));
    const QString wide = Clip(QStringLiteral("wide.mp4"), 1.0, 320, 180);
    std::promise<void> renamed;
    encoder_.SetStageObserver([&renamed](JoinStage stage) {
        if (stage == JoinStage::Renamed) {
            renamed.set_value();
        }
    });
    Prepare({a, a}, dir_.filePath(QStringLiteral("first.mp4")), kCopy);
    encoder_.StartJobs(1);
    renamed.get_future().wait();
    encoder_.StopJobs(true);  // too late: the first job completes, its events still queued
    encoder_.SetStageObserver({});
    ASSERT_TRUE(QFileInfo::exists(dir_.filePath(QStringLiteral("first.mp4"))));

    EventLog log(encoder_);
    Prepare({a, wide}, dir_.filePath(QStringLiteral("second.mp4")), kCopy);
    encoder_.StartJobs(1);
    log.Wait(60000);
    ASSERT_TRUE(log.Terminated.Seen);
    EXPECT_FALSE(log.Terminated.Completed) << "the first job's completion reached the second";
    EXPECT_TRUE(log.Terminated.Failed);
    EXPECT_TRUE(log.Terminated.Message.contains(QStringLiteral("wide.mp4")))
        << log.Terminated.Message.toStdString();
    EXPECT_EQ(log.ProgressCount, 0) << "a stream copy that fails its check reports no progress";
}

TEST_F(FFEncoderJobs, EngineCheckAnswers) {
    EXPECT_TRUE(encoder_.IsEngineLoaded()) << encoder_.LastErrorText().toStdString();
    EXPECT_TRUE(encoder_.LoadEngine(QStringLiteral("/nowhere/LibAV")));
}

}  // namespace

}  // namespace veltrano
