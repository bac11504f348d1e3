#include "core/program_folder.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QTemporaryDir>

namespace veltrano {

namespace {

TEST(ProgramFolderTest, InstalledFolderBesideBinWins) {
    QTemporaryDir root;
    ASSERT_TRUE(QDir(root.path()).mkpath(QStringLiteral("bin")));
    ASSERT_TRUE(QDir(root.path()).mkpath(QStringLiteral("share/veltrano-video-joiner")));
    const ProgramFolder folder =
        ProgramFolder::ForApplication(root.path() + QStringLiteral("/bin"));
    EXPECT_EQ(folder.Path(), root.path() + QStringLiteral("/share/veltrano-video-joiner/"));
    EXPECT_EQ(folder.FilePath(QStringLiteral("help/index.html")),
              root.path() + QStringLiteral("/share/veltrano-video-joiner/help/index.html"));
}

TEST(ProgramFolderTest, SkipsMissingCandidatesAndKeepsTheFirstWhenNoneExists) {
    QTemporaryDir root;
    const QString missing = root.path() + QStringLiteral("/missing");
    const QString present = root.path() + QStringLiteral("/present");
    ASSERT_TRUE(QDir().mkpath(present));
    EXPECT_EQ(ProgramFolder::FirstExisting({missing, present}).Path(), present + QLatin1Char('/'));
    EXPECT_EQ(ProgramFolder::FirstExisting({missing}).Path(), missing + QLatin1Char('/'));
}

TEST(ProgramFolderTest, BuildTreeFallsBackToTheSourceDataFolder) {
    QTemporaryDir root;  // no share/ beside it
    const QStringList candidates = ProgramFolder::CandidatesFor(root.path());
    ASSERT_EQ(candidates.size(), 2);
    EXPECT_TRUE(candidates.at(1).endsWith(QStringLiteral("/data")));
}

}  // namespace

}  // namespace veltrano
