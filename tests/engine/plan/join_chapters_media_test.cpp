// Chapters where the files meet, written by both joiners and read back by ffprobe: one per file
// at its start, titled with its name; a file's own chapters moved instead; none when asked or
// where the container is not one that gets them.

#include <gtest/gtest.h>

#include <QFile>
#include <QJsonArray>
#include <QJsonObject>
#include <QTemporaryDir>
#include <atomic>
#include <vector>

#include "engine/convert/convert_join.h"
#include "engine/copy/copy_join.h"
#include "engine/plan/output_plan_resolver.h"
#include "tests/support/media_tools.h"

namespace veltrano {

namespace {

constexpr double kFrameSeconds = 1.0 / 25.0;

struct ChapterCase {
    const char* Name;
    bool Copy;
    const char* Extension;
    const char* Extra;  // appended to the option string
    bool Expected;      // whether the output has chapters
};

void PrintTo(const ChapterCase& c, std::ostream* os) {
    *os << c.Name;
}

class JoinChaptersMediaTest : public ::testing::TestWithParam<ChapterCase> {
protected:
    static void SetUpTestSuite() {
        dir_ = new QTemporaryDir();
        ASSERT_TRUE(dir_->isValid());
        const QStringList codecs{"-c:v", "libx264", "-pix_fmt", "yuv420p", "-c:a", "aac"};
        ASSERT_TRUE(media_tools::MakeClip(Path("first.mp4"), 2.0, 160, 120, "25", codecs));
        ASSERT_TRUE(media_tools::MakeClip(Path("plain.mp4"), 1.6, 160, 120, "25", codecs));
        ASSERT_TRUE(media_tools::MakeClip(Path("take.two.mp4"), 1.2, 160, 120, "25", codecs));
        // The middle file brings two chapters of its own.
        QFile metadata(Path("chapters.txt"));
        ASSERT_TRUE(metadata.open(QIODevice::WriteOnly));
        metadata.write(
            ";FFMETADATA1\n"
            "[CHAPTER]\nTIMEBASE=1/1000\nSTART=0\nEND=600\ntitle=Intro\n"
            "[CHAPTER]\nTIMEBASE=1/1000\nSTART=600\nEND=1600\ntitle=Main\n");
        metadata.close();
        ASSERT_TRUE(
            media_tools::RunFfmpeg({"-i", Path("plain.mp4"), "-i", Path("chapters.txt"), "-map",
                                    "0", "-map_chapters", "1", "-c", "copy", Path("middle.mp4")}));
        ASSERT_EQ(media_tools::Chapters(Path("middle.mp4")).size(), 2);
    }
    static void TearDownTestSuite() {
        delete dir_;
        dir_ = nullptr;
    }
    static QString Path(const char* name) { return dir_->filePath(QString::fromLatin1(name)); }

    static QTemporaryDir* dir_;
};

QTemporaryDir* JoinChaptersMediaTest::dir_ = nullptr;

TEST_P(JoinChaptersMediaTest, ChaptersWhereTheFilesMeet) {
    const ChapterCase& c = GetParam();
    const std::vector<QString> inputs{Path("first.mp4"), Path("middle.mp4"), Path("take.two.mp4")};
    const QString output = dir_->filePath(QStringLiteral("out-%1.%2").arg(c.Name, c.Extension));
    const QString options =
        QString::fromLatin1(c.Copy ? "-vcodec copy -acodec copy -join" : "-join") +
        QString::fromLatin1(c.Extra);
    const Result<OutputPlan> plan = ParseEncodeOptions(options, output);
    ASSERT_TRUE(plan.Ok()) << plan.Message().toStdString();
    EXPECT_EQ(plan->Chapters, c.Expected);

    JoinTask task{inputs, output, *plan};
    std::atomic<bool> cancel{false};
    const Status joined = c.Copy ? RunCopyJoin(task, cancel, {}) : RunConvertJoin(task, cancel, {});
    ASSERT_TRUE(joined.Ok()) << joined.Message().toStdString();

    const QJsonArray chapters = media_tools::Chapters(output);
    if (!c.Expected) {
        EXPECT_TRUE(chapters.isEmpty()) << chapters.size();
        return;
    }
    // Where each file starts: the durations of the files before it.
    const double second = media_tools::FormatDuration(media_tools::Probe(inputs[0]));
    const double third = second + media_tools::FormatDuration(media_tools::Probe(inputs[1]));
    struct Expected {
        const char* Title;
        double Start;
    };
    const std::vector<Expected> expected{
        {"first", 0.0}, {"Intro", second}, {"Main", second + 0.6}, {"take.two", third}};
    ASSERT_EQ(chapters.size(), static_cast<qsizetype>(expected.size()));
    for (std::size_t i = 0; i < expected.size(); ++i) {
        const QJsonObject chapter = chapters[static_cast<qsizetype>(i)].toObject();
        const QString title = chapter.value(QStringLiteral("tags"))
                                  .toObject()
                                  .value(QStringLiteral("title"))
                                  .toString();
        EXPECT_EQ(title.toStdString(), expected[i].Title) << i;
        EXPECT_NEAR(chapter.value(QStringLiteral("start_time")).toString().toDouble(),
                    expected[i].Start, kFrameSeconds)
            << expected[i].Title;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Joins, JoinChaptersMediaTest,
    ::testing::Values(ChapterCase{"copy_mp4", true, "mp4", "", true},
                      ChapterCase{"copy_mkv", true, "mkv", "", true},
                      ChapterCase{"convert_mp4", false, "mp4", "", true},
                      ChapterCase{"convert_mkv", false, "mkv", "", true},
                      ChapterCase{"copy_mkv_none", true, "mkv", " -map_chapters -1", false},
                      ChapterCase{"convert_mp4_none", false, "mp4", " -map_chapters -1", false},
                      ChapterCase{"convert_avi", false, "avi", "", false}),
    [](const ::testing::TestParamInfo<ChapterCase>& info) { return std::string(info.param.Name); });

}  // namespace

}  // namespace veltrano
