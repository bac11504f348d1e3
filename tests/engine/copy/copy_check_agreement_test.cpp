// The check before a join and the stream-copy join itself judge alike: the same sentence for a
// file that cannot follow the first, success where the join succeeds.
#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <atomic>

#include "engine/jobs/ff_copy_checker.h"
#include "tests/support/copy_join_helpers.h"
#include "tests/support/media_tools.h"

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

    // The check's verdict on the second file, and what the join of the pair says.
    static void ExpectAgreement(const QString& second, bool copyable) {
        const std::vector<QString> files{Path("a.mp4"), Path(second)};
        FFCopyChecker checker;
        const std::atomic<bool> cancel{false};
        const Result<std::vector<Status>> verdicts =
            checker.CheckCopy(files, QStringLiteral("-vcodec copy -acodec copy -join"),
                              QStringLiteral("mp4"), cancel);
        ASSERT_TRUE(verdicts.Ok()) << verdicts.Message().toStdString();
        ASSERT_EQ(verdicts->size(), 2u);
        EXPECT_TRUE((*verdicts)[0].Ok()) << (*verdicts)[0].Message().toStdString();
        const Status joined = CopyJoin(files, Path(QStringLiteral("joined-") + second));
        EXPECT_EQ((*verdicts)[1].Ok(), copyable) << (*verdicts)[1].Message().toStdString();
        EXPECT_EQ(joined.Ok(), copyable) << joined.Message().toStdString();
        if (!copyable) {
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

}  // namespace

}  // namespace veltrano
