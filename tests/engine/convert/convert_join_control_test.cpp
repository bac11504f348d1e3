// The conversion joiner's contract with its job: progress, stop, and failures reported as
// clear sentences instead of crashes.

#include <gtest/gtest.h>

#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <atomic>
#include <chrono>
#include <future>
#include <memory>
#include <thread>

#include "engine/convert/convert_join.h"
#include "engine/plan/output_rules.h"
#include "tests/support/media_tools.h"
#include "tests/support/test_text.h"

extern "C" {
#include <libavutil/error.h>
}

namespace veltrano {

namespace {

struct ProgressCall {
    std::int64_t Bytes;
    std::int64_t PositionUs;
    std::int64_t TotalUs;
};

OutputPlan Mpeg4Plan() {
    OutputPlan plan;
    plan.MuxerName = Q("mp4");
    plan.VideoEncoder = Q("mpeg4");
    plan.AudioEncoder = Q("aac");
    plan.Width = 160;
    plan.Height = 120;
    return plan;
}

class ConvertJoinControlTest : public testing::Test {
protected:
    static void SetUpTestSuite() {
        dir_ = std::make_unique<QTemporaryDir>();
        ASSERT_TRUE(dir_->isValid());
        const QStringList args{Q("-c:v"),      Q("libx264"), Q("-preset"),
                               Q("ultrafast"), Q("-c:a"),    Q("aac")};
        ASSERT_TRUE(media_tools::MakeClip(Path("one.mp4"), 1.0, 160, 120, Q("25"), args));
        ASSERT_TRUE(media_tools::MakeClip(Path("two.mp4"), 1.5, 160, 120, Q("25"), args));
        // Long enough that a join at a slow preset is still running when stopped.
        ASSERT_TRUE(media_tools::MakeClip(Path("long.mp4"), 8.0, 640, 480, Q("25"), args));
        ASSERT_TRUE(media_tools::MakeClip(Path("stream.ts"), 2.0, 160, 120, Q("25"),
                                          {Q("-c:v"), Q("mpeg2video"), Q("-c:a"), Q("mp2")}));
        QFile text(Path("text.mp4"));
        ASSERT_TRUE(text.open(QIODevice::WriteOnly));
        text.write("This is not a video, only a text file with the wrong name.\n");
        text.close();
        QFile empty(Path("empty.mp4"));
        ASSERT_TRUE(empty.open(QIODevice::WriteOnly));
        empty.close();
        ASSERT_TRUE(Truncate(Path("one.mp4"), Path("cut.mp4"), 0.5));
        ASSERT_TRUE(Truncate(Path("stream.ts"), Path("cut.ts"), 0.6));
    }
    static void TearDownTestSuite() { dir_.reset(); }

    static bool Truncate(const QString& from, const QString& to, double part) {
        QFile in(from);
        QFile out(to);
        if (!in.open(QIODevice::ReadOnly) || !out.open(QIODevice::WriteOnly)) {
            return false;
        }
        const QByteArray all = in.readAll();
        return out.write(all.left(static_cast<int>(all.size() * part))) > 0;
    }

    static QString Path(const char* name) { return dir_->filePath(Q(name)); }

    static std::unique_ptr<QTemporaryDir> dir_;
};

std::unique_ptr<QTemporaryDir> ConvertJoinControlTest::dir_;

TEST_F(ConvertJoinControlTest, ProgressCoversTheJoinedTimeline) {
    JoinTask task{{Path("one.mp4"), Path("two.mp4")}, Path("progress.mp4"), Mpeg4Plan()};
    std::vector<ProgressCall> calls;
    std::atomic<bool> cancel{false};
    const Status outcome = RunConvertJoin(
        task, cancel, [&](std::int64_t bytes, std::int64_t position, std::int64_t total) {
            calls.push_back({bytes, position, total});
        });
    ASSERT_TRUE(outcome.Ok()) << outcome.Message().toStdString();
    ASSERT_GE(calls.size(), 2U);
    const double inputsSeconds = media_tools::FormatDuration(media_tools::Probe(Path("one.mp4"))) +
                                 media_tools::FormatDuration(media_tools::Probe(Path("two.mp4")));
    for (std::size_t i = 0; i < calls.size(); ++i) {
        EXPECT_NEAR(calls[i].TotalUs / 1e6, inputsSeconds, 0.001);
        if (i > 0) {
            EXPECT_GE(calls[i].PositionUs, calls[i - 1].PositionUs);
            EXPECT_GE(calls[i].Bytes, calls[i - 1].Bytes);
        }
    }
    EXPECT_NEAR(calls.back().PositionUs / 1e6, inputsSeconds, 0.1);
    const QJsonObject format = media_tools::Probe(task.WritePath).value(Q("format")).toObject();
    EXPECT_EQ(calls.back().Bytes, format.value(Q("size")).toString().toLongLong());
}

TEST_F(ConvertJoinControlTest, ProgressIsThrottledByTime) {
    // 10 s of pictures encode in well under 10 s here, so a per-frame report would give
    // hundreds of calls; a few per second give far fewer.
    JoinTask task{{Path("long.mp4"), Path("one.mp4")}, Path("throttle.mp4"), Mpeg4Plan()};
    int calls = 0;
    std::atomic<bool> cancel{false};
    const auto started = std::chrono::steady_clock::now();
    const Status outcome =
        RunConvertJoin(task, cancel, [&](std::int64_t, std::int64_t, std::int64_t) { ++calls; });
    const double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
    ASSERT_TRUE(outcome.Ok()) << outcome.Message().toStdString();
    EXPECT_GE(calls, 2);
    EXPECT_LE(calls, 2 + static_cast<int>(seconds * 10));
}

TEST_F(ConvertJoinControlTest, StopBeforeStartReturnsStopped) {
    JoinTask task{{Path("one.mp4")}, Path("never.mp4"), Mpeg4Plan()};
    std::atomic<bool> cancel{true};
    const Status outcome = RunConvertJoin(task, cancel, {});
    EXPECT_EQ(outcome.Code(), AVERROR_EXIT);
    EXPECT_EQ(outcome.Message(), StoppedStatus().Message());
}

TEST_F(ConvertJoinControlTest, StopFromProgressEndsTheJoin) {
    JoinTask task{{Path("one.mp4"), Path("two.mp4")}, Path("stopped.mp4"), Mpeg4Plan()};
    std::atomic<bool> cancel{false};
    int callsAfterStop = 0;
    const Status outcome =
        RunConvertJoin(task, cancel, [&](std::int64_t, std::int64_t, std::int64_t) {
            if (cancel.load()) {
                ++callsAfterStop;
            }
            cancel.store(true);
        });
    EXPECT_EQ(outcome.Code(), AVERROR_EXIT);
    EXPECT_EQ(outcome.Message(), StoppedStatus().Message());
    EXPECT_EQ(callsAfterStop, 0);
}

TEST_F(ConvertJoinControlTest, StopFromAnotherThreadEndsTheJoinWhereItIs) {
    // A slow encoder on 16 s of pictures: a join that ran on after the stop would write
    // megabytes more.
    OutputPlan plan = Mpeg4Plan();
    plan.VideoEncoder = Q("libx264");
    plan.X264Preset = Q("medium");
    plan.Width = 640;
    plan.Height = 480;
    JoinTask task{{Path("long.mp4"), Path("long.mp4")}, Path("stopped-thread.mp4"), plan};
    std::atomic<bool> cancel{false};
    // The worker parks in its first report past the start of the timeline, this thread stops
    // the join there and lets the worker go on: the stop lands mid-join on every run.
    std::promise<std::int64_t> underWay;  // bytes written then; -1 when no such report came
    std::future<std::int64_t> underWayResult = underWay.get_future();
    std::promise<void> stopped;
    std::shared_future<void> resume = stopped.get_future().share();
    bool parked = false;
    int callsAfterStop = 0;
    const auto park = [&](std::int64_t bytes, std::int64_t position, std::int64_t) {
        if (parked) {
            ++callsAfterStop;
            return;
        }
        if (position <= 0) {
            return;
        }
        parked = true;
        underWay.set_value(bytes);
        resume.wait();
    };
    Status outcome;
    std::thread worker([&] {
        outcome = RunConvertJoin(task, cancel, park);
        if (!parked) {
            underWay.set_value(-1);
        }
    });
    const std::int64_t bytesAtStop = underWayResult.get();
    cancel.store(true);
    stopped.set_value();
    worker.join();
    ASSERT_GE(bytesAtStop, 0) << "the join ended before it could be stopped";
    EXPECT_EQ(outcome.Code(), AVERROR_EXIT);
    EXPECT_EQ(outcome.Message(), StoppedStatus().Message());
    EXPECT_EQ(callsAfterStop, 0);
    // Reported bytes leave out what libav's output buffer (32 KiB) still holds; closing the
    // file writes that, and nothing coded after the stop may follow it.
    EXPECT_LE(QFileInfo(task.WritePath).size(), bytesAtStop + 32768);
}

struct BrokenCase {
    const char* Name;
    const char* File;
};

void PrintTo(const BrokenCase& c, std::ostream* os) {
    *os << c.Name;
}

class ConvertJoinBrokenInputTest : public ConvertJoinControlTest,
                                   public testing::WithParamInterface<BrokenCase> {};

TEST_P(ConvertJoinBrokenInputTest, FailsWithReasonBeforeWriting) {
    const QString broken = Path(GetParam().File);
    JoinTask task{{Path("one.mp4"), broken}, Path("broken-out.mp4"), Mpeg4Plan()};
    std::atomic<bool> cancel{false};
    const Status outcome = RunConvertJoin(task, cancel, {});
    EXPECT_LT(outcome.Code(), 0);
    EXPECT_TRUE(outcome.Message().startsWith(Q("Cannot open input file ")))
        << outcome.Message().toStdString();
    EXPECT_TRUE(outcome.Message().contains(QFileInfo(broken).fileName()));
    // libav's reason follows the colon.
    EXPECT_GT(outcome.Message().section(Q(": "), -1).size(), 3);
    EXPECT_FALSE(QFileInfo::exists(task.WritePath));
}

INSTANTIATE_TEST_SUITE_P(Inputs, ConvertJoinBrokenInputTest,
                         testing::Values(BrokenCase{"TextNamedMp4", "text.mp4"},
                                         BrokenCase{"EmptyFile", "empty.mp4"},
                                         BrokenCase{"TruncatedMp4", "cut.mp4"},
                                         BrokenCase{"Missing", "no-such-file.mp4"}),
                         [](const testing::TestParamInfo<BrokenCase>& info) {
                             return std::string(info.param.Name);
                         });

TEST_F(ConvertJoinControlTest, TruncatedStreamJoinsWhatItHolds) {
    JoinTask task{{Path("cut.ts"), Path("one.mp4")}, Path("cut-out.mp4"), Mpeg4Plan()};
    std::atomic<bool> cancel{false};
    const Status outcome = RunConvertJoin(task, cancel, {});
    ASSERT_TRUE(outcome.Ok()) << outcome.Message().toStdString();
    const double video = media_tools::StreamDuration(task.WritePath, Q("video"));
    const double audio = media_tools::StreamDuration(task.WritePath, Q("audio"));
    EXPECT_GT(video, 1.5);
    EXPECT_LT(video, 3.0);
    EXPECT_NEAR(audio, video, 0.1);
}

struct RefusedCase {
    const char* Name;
    OutputPlan Plan;
    const char* Message;
};

void PrintTo(const RefusedCase& c, std::ostream* os) {
    *os << c.Name;
}

OutputPlan Refused(const char* video, const char* audio, int width, int height) {
    OutputPlan plan = Mpeg4Plan();
    plan.VideoEncoder = Q(video);
    plan.AudioEncoder = Q(audio);
    plan.Width = width;
    plan.Height = height;
    ApplyOutputRules(plan);
    return plan;
}

class ConvertJoinRefusedPlanTest : public ConvertJoinControlTest,
                                   public testing::WithParamInterface<RefusedCase> {};

TEST_P(ConvertJoinRefusedPlanTest, SaysWhy) {
    JoinTask task{{Path("one.mp4")}, Path("refused.out"), GetParam().Plan};
    std::atomic<bool> cancel{false};
    const Status outcome = RunConvertJoin(task, cancel, {});
    EXPECT_LT(outcome.Code(), 0);
    EXPECT_EQ(outcome.Message(), Q(GetParam().Message));
}

INSTANTIATE_TEST_SUITE_P(
    Plans, ConvertJoinRefusedPlanTest,
    testing::Values(
        RefusedCase{"H263OddSize", Refused("h263", "aac", 320, 240),
                    "H.263 takes only the picture sizes 128x96, 176x144, 352x288, 704x576 and "
                    "1408x1152, not 320x240."},
        RefusedCase{"UnknownVideoEncoder", Refused("nosuchcodec", "aac", 160, 120),
                    "The video encoder nosuchcodec is not available."},
        RefusedCase{"AudioEncoderAsVideo", Refused("aac", "aac", 160, 120),
                    "The video encoder aac is not available."},
        RefusedCase{"ZeroHeight", Refused("mpeg4", "aac", 16, 0),
                    "The output picture size 16x0 is not valid."},
        RefusedCase{"NothingToWrite", Refused("", "", 160, 120),
                    "The output would hold neither video nor audio."}),
    [](const testing::TestParamInfo<RefusedCase>& info) { return std::string(info.param.Name); });

TEST_F(ConvertJoinControlTest, EncoderRefusalCarriesLibavReason) {
    // MPEG-1 codes at most 4095 pixels a side: libav refuses to open the encoder.
    OutputPlan plan = Refused("mpeg1video", "mp2", 4096, 96);
    plan.MuxerName = Q("mpeg");
    JoinTask task{{Path("one.mp4")}, Path("refused.mpg"), plan};
    std::atomic<bool> cancel{false};
    const Status outcome = RunConvertJoin(task, cancel, {});
    EXPECT_EQ(outcome.Code(), AVERROR(EINVAL));
    EXPECT_EQ(outcome.Message(), Q("Cannot open encoder mpeg1video: Invalid argument"));
}

}  // namespace

}  // namespace veltrano
