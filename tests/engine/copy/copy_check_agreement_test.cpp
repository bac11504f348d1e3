// The check before a join and the stream-copy join itself judge alike: the same sentence for a
// file that cannot follow the first, success where the join succeeds.
#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <atomic>
#include <optional>

#include "engine/jobs/ff_copy_checker.h"
#include "tests/support/copy_join_helpers.h"
#include "tests/support/media_tools.h"
#include "tests/support/other_writers.h"

namespace veltrano {

namespace {

class CopyCheckAgreement : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        dir_ = new QTemporaryDir;
        const QStringList h264{"-c:v", "libx264", "-preset", "ultrafast", "-c:a", "aac"};
        ASSERT_TRUE(media_tools::MakeClip(Path("a.mp4"), 1.0, 320, 240, "25", h264));
        ASSERT_TRUE(media_tools::MakeClip(Path("same.mp4"), 1.0, 320, 240, "25", h264));
        ASSERT_TRUE(media_tools::MakeClip(Path("larger.mp4"), 1.0, 640, 480, "25", h264));
        ASSERT_TRUE(media_tools::MakeClip(Path("mpeg4.mp4"), 1.0, 320, 240, "25",
                                          {"-c:v", "mpeg4", "-c:a", "aac"}));
    }
    static void TearDownTestSuite() {
        delete dir_;
        dir_ = nullptr;
    }
    static QString Path(const QString& name) { return dir_->filePath(name); }

    // The check's verdict on the second file, and what the join of the pair says; `copyable`
    // empty where only their agreement is known.
    static void ExpectAgreement(const QString& second, std::optional<bool> copyable,
                                const QString& first = QStringLiteral("a.mp4")) {
        const std::vector<QString> files{Path(first), Path(second)};
        FFCopyChecker checker;
        const std::atomic<bool> cancel{false};
        const Result<std::vector<Status>> verdicts =
            checker.CheckCopy(files, QStringLiteral("-vcodec copy -acodec copy -join"),
                              QStringLiteral("mp4"), cancel);
        ASSERT_TRUE(verdicts.Ok()) << verdicts.Message().toStdString();
        ASSERT_EQ(verdicts->size(), 2u);
        EXPECT_TRUE((*verdicts)[0].Ok()) << (*verdicts)[0].Message().toStdString();
        const Status joined = CopyJoin(files, Path(QStringLiteral("joined-") + second + ".mp4"));
        EXPECT_EQ((*verdicts)[1].Ok(), joined.Ok())
            << (*verdicts)[1].Message().toStdString() << " / " << joined.Message().toStdString();
        if (copyable) {
            EXPECT_EQ(joined.Ok(), *copyable) << joined.Message().toStdString();
        }
        if (!joined.Ok()) {
            EXPECT_EQ((*verdicts)[1].Message().toStdString(), joined.Message().toStdString());
        }
    }

    static QTemporaryDir* dir_;
};

QTemporaryDir* CopyCheckAgreement::dir_ = nullptr;

TEST_F(CopyCheckAgreement, EqualFilesPassBoth) {
    ExpectAgreement(QStringLiteral("same.mp4"), true);
}

TEST_F(CopyCheckAgreement, AnotherPictureSizeGivesTheJoinsSentence) {
    ExpectAgreement(QStringLiteral("larger.mp4"), false);
}

TEST_F(CopyCheckAgreement, AnotherCodecGivesTheJoinsSentence) {
    ExpectAgreement(QStringLiteral("mpeg4.mp4"), false);
}

// Files other programs wrote: GStreamer's MP4 muxer and mkvmerge place their streams their own
// way; whatever the join makes of them, the check says the same.
TEST_F(CopyCheckAgreement, FilesOfOtherWritersGetTheJoinsVerdict) {
    QString error;
    media_tools::MarkedClip clip;
    ASSERT_TRUE(media_tools::MakeGstreamerClip(Path("gst-a.mp4"), media_tools::GstContainer::Mp4,
                                               clip, &error))
        << error.toStdString();
    clip.FlashAt = 1.0;
    ASSERT_TRUE(media_tools::MakeGstreamerClip(Path("gst-b.mp4"), media_tools::GstContainer::Mp4,
                                               clip, &error))
        << error.toStdString();
    ASSERT_TRUE(media_tools::RemuxWithMkvmerge(Path("gst-b.mp4"), Path("gst-b.mkv"), {}, &error))
        << error.toStdString();
    ExpectAgreement(QStringLiteral("gst-b.mp4"), true, QStringLiteral("gst-a.mp4"));
    ExpectAgreement(QStringLiteral("gst-b.mkv"), std::nullopt, QStringLiteral("gst-a.mp4"));
    ExpectAgreement(QStringLiteral("gst-a.mp4"), false);
}

}  // namespace

}  // namespace veltrano
