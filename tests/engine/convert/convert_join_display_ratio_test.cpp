// Conversion joins of pictures whose shape the container states and the coded stream does not
// (or states otherwise): the picture must land in the output frame as ffprobe shows the input.
// Each clip is one white picture over the whole frame; cropdetect finds it in the output.

#include <gtest/gtest.h>

#include <QProcess>
#include <QTemporaryDir>
#include <atomic>
#include <memory>

#include "engine/convert/convert_join.h"
#include "engine/plan/output_plan_resolver.h"
#include "tests/engine/convert/convert_join_probe.h"
#include "tests/support/media_tools.h"
#include "tests/support/test_text.h"

namespace veltrano {

namespace {

using convert_join_probe::Box;
using convert_join_probe::ContentAt;

constexpr double kClipSeconds = 0.6;
// Scaling and lossy coding soften each edge by a pixel or two, and cropdetect rounds to even
// sizes; a wrong aspect is off by 12 pixels or more in every case below.
constexpr double kSlack = 6.0;

// Option strings as the output profiles write them.
constexpr const char* kMp4Square43 = "-ac 2 -vb 512k -ab 128k -ar 44100 -s 320x240 -join";
constexpr const char* kDvdWide =
    "-r 25 -aspect 16:9 -ac 2 -target pal-dvd -ab 256k -ar 44100 -s 720x576 -join";
constexpr const char* kThreeGpQcif = "-ac 2 -vb 164k -ab 4750 -ac 1 -ar 8000 -s 176x144 -join";

bool RunTool(const QString& program, const QStringList& args) {
    QProcess process;
    process.start(program, args);
    if (!process.waitForStarted(30000)) {
        return false;
    }
    process.waitForFinished(120000);
    return process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0;
}

// "16:9" or "64:45" from ffprobe as a number; 1 when absent or unset ("0:1", "N/A").
double Ratio(const QJsonObject& stream, const char* key) {
    const QStringList parts = stream.value(Q(key)).toString().split(QLatin1Char(':'));
    if (parts.size() != 2 || parts[0].toDouble() <= 0.0 || parts[1].toDouble() <= 0.0) {
        return 1.0;
    }
    return parts[0].toDouble() / parts[1].toDouble();
}

QJsonObject VideoOf(const QString& path) {
    const QJsonArray video = media_tools::StreamsOfType(media_tools::Probe(path), Q("video"));
    return video.isEmpty() ? QJsonObject() : video.at(0).toObject();
}

struct AspectCase {
    const char* Name;
    const char* Clip;     // made in SetUpTestSuite
    const char* Options;  // the output profile's option string
    const char* Output;   // output file name; its extension picks the container
};

void PrintTo(const AspectCase& c, std::ostream* os) {
    *os << c.Name;
}

class ConvertJoinAspectTest : public testing::TestWithParam<AspectCase> {
protected:
    static void SetUpTestSuite() {
        dir_ = std::make_unique<QTemporaryDir>();
        ASSERT_TRUE(dir_->isValid());
        const QString seconds = QString::number(kClipSeconds);
        // MPEG-4 Part 2 always codes a pixel aspect: this stream says square pixels (5:4).
        ASSERT_TRUE(
            media_tools::RunFfmpeg({Q("-f"), Q("lavfi"), Q("-i"),
                                    QStringLiteral("color=white:s=720x576:r=25:d=%1").arg(seconds),
                                    Q("-c:v"), Q("mpeg4"), Q("-q:v"), Q("2"), Path("square.mp4")}));
        // The same stream, marked 16:9 by each container's own field.
        ASSERT_TRUE(RunTool(Q("mkvmerge"), {Q("-q"), Q("-o"), Path("ratio.mkv"),
                                            Q("--aspect-ratio"), Q("0:16/9"), Path("square.mp4")}));
        ASSERT_TRUE(
            RunTool(Q("mkvmerge"), {Q("-q"), Q("-o"), Path("dims.mkv"), Q("--display-dimensions"),
                                    Q("0:1024x576"), Path("square.mp4")}));
        for (const char* name : {"pasp.mov", "pasp.mp4"}) {
            ASSERT_TRUE(media_tools::RunFfmpeg({Q("-i"), Path("square.mp4"), Q("-c"), Q("copy"),
                                                Q("-aspect"), Q("16:9"), Path(name)}));
        }
        // H.263 at QCIF codes 12:11 pixels (4:3); the 3GP muxer writes square ones (11:9).
        ASSERT_TRUE(
            media_tools::RunFfmpeg({Q("-f"), Q("lavfi"), Q("-i"),
                                    QStringLiteral("color=white:s=176x144:r=25:d=%1").arg(seconds),
                                    Q("-c:v"), Q("h263"), Path("qcif.3gp")}));
    }
    static void TearDownTestSuite() { dir_.reset(); }

    static QString Path(const char* name) { return dir_->filePath(Q(name)); }

    static std::unique_ptr<QTemporaryDir> dir_;
};

std::unique_ptr<QTemporaryDir> ConvertJoinAspectTest::dir_;

TEST_P(ConvertJoinAspectTest, PictureKeepsTheShapeFfprobeShows) {
    const AspectCase& c = GetParam();
    const QString clip = Path(c.Clip);
    const QJsonObject in = VideoOf(clip);
    ASSERT_FALSE(in.isEmpty()) << "ffprobe cannot read " << c.Clip;
    const FirstInputFacts facts{AVRational{25, 1}, in.value(Q("width")).toInt(),
                                in.value(Q("height")).toInt()};
    const Result<OutputPlan> plan = ParseEncodeOptions(Q(c.Options), Path(c.Output), facts);
    ASSERT_TRUE(plan.Ok()) << plan.Message().toStdString();
    JoinTask task{{clip}, Path(c.Output), *plan};
    std::atomic<bool> cancel{false};
    const Status outcome = RunConvertJoin(task, cancel, {});
    ASSERT_TRUE(outcome.Ok()) << outcome.Message().toStdString();

    const QJsonObject out = VideoOf(task.WritePath);
    ASSERT_FALSE(out.isEmpty()) << "ffprobe cannot read the output";
    const int width = out.value(Q("width")).toInt();
    const int height = out.value(Q("height")).toInt();
    ASSERT_GT(width, 0);
    ASSERT_GT(height, 0);
    const double inAspect = Ratio(in, "display_aspect_ratio");
    const double frameAspect = width * Ratio(out, "sample_aspect_ratio") / height;
    // The white picture fills the frame's width or its height, whichever its shape allows,
    // with black bars on the other sides.
    double expectedWidth = width;
    double expectedHeight = height;
    if (inAspect > frameAspect) {
        expectedHeight = height * frameAspect / inAspect;
    } else {
        expectedWidth = width * inAspect / frameAspect;
    }
    const Box box = ContentAt(task.WritePath, kClipSeconds / 2);
    const std::string found = QStringLiteral("input shown at %1, picture found at %2x%3+%4+%5")
                                  .arg(inAspect)
                                  .arg(box.Width)
                                  .arg(box.Height)
                                  .arg(box.X)
                                  .arg(box.Y)
                                  .toStdString();
    EXPECT_NEAR(box.Width, expectedWidth, kSlack) << found;
    EXPECT_NEAR(box.Height, expectedHeight, kSlack) << found;
    EXPECT_NEAR(box.X, (width - expectedWidth) / 2, kSlack) << found;
    EXPECT_NEAR(box.Y, (height - expectedHeight) / 2, kSlack) << found;
}

INSTANTIATE_TEST_SUITE_P(
    Containers, ConvertJoinAspectTest,
    testing::Values(
        // 16:9 into a square-pixel 4:3 frame: bars above and below.
        AspectCase{"MkvAspectRatioInto43", "ratio.mkv", kMp4Square43, "ratio43.mp4"},
        AspectCase{"MkvDisplayDimensionsInto43", "dims.mkv", kMp4Square43, "dims43.mp4"},
        AspectCase{"MovPaspInto43", "pasp.mov", kMp4Square43, "mov43.mp4"},
        // 16:9 into a 16:9 DVD frame: no bars.
        AspectCase{"Mp4PaspIntoWideDvd", "pasp.mp4", kDvdWide, "mp4wide.mpg"},
        AspectCase{"MkvAspectRatioIntoWideDvd", "ratio.mkv", kDvdWide, "mkvwide.mpg"},
        // 11:9 into 4:3: bars left and right; into the same 3GP frame: no bars.
        AspectCase{"ThreeGpH263Into43", "qcif.3gp", kMp4Square43, "qcif43.mp4"},
        AspectCase{"ThreeGpH263IntoThreeGp", "qcif.3gp", kThreeGpQcif, "qcif-out.3gp"}),
    [](const testing::TestParamInfo<AspectCase>& info) { return std::string(info.param.Name); });

}  // namespace

}  // namespace veltrano
