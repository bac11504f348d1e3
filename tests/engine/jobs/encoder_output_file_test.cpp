#include "engine/jobs/encoder_output_file.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

namespace veltrano {

namespace {

TEST(EncoderOutputFileTest, TemporaryFileIsNewHiddenAndShortWhateverTheFinalName) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    // A final name close to the file system's limit must still get a temporary file.
    const QString longName = QString(245, QLatin1Char('n')) + QStringLiteral(".mp4");
    const Result<QString> created = encoder_output_file::TemporaryPathFor(dir.filePath(longName));
    ASSERT_TRUE(created.Ok()) << created.Message().toStdString();
    const QString& temporary = *created;
    const QFileInfo info(temporary);
    EXPECT_TRUE(info.exists()) << "created at once, so no one else can take the name";
    EXPECT_EQ(info.absolutePath(), QFileInfo(dir.path()).absoluteFilePath());
    EXPECT_TRUE(info.fileName().startsWith(QLatin1Char('.')));
    EXPECT_FALSE(info.fileName().endsWith(QStringLiteral(".mp4")));
    EXPECT_NE(*encoder_output_file::TemporaryPathFor(dir.filePath(longName)), temporary);

    const Status committed = encoder_output_file::Commit(temporary, dir.filePath(longName));
    ASSERT_TRUE(committed.Ok()) << committed.Message().toStdString();
    EXPECT_TRUE(QFile::exists(dir.filePath(longName)));
}

TEST(EncoderOutputFileTest, NoTemporaryFileWhereNothingCanBeCreated) {
    const Result<QString> created =
        encoder_output_file::TemporaryPathFor(QStringLiteral("/nonexistent-folder/x.mp4"));
    EXPECT_FALSE(created.Ok());
    EXPECT_EQ(
        created.Message(),
        QStringLiteral("Cannot create a file in the folder /nonexistent-folder: No such file or "
                       "directory"));
}

TEST(EncoderOutputFileTest, SameFileSeesThroughLinksAndDots) {
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("a.mp4"));
    QFile out(file);
    ASSERT_TRUE(out.open(QIODevice::WriteOnly));
    out.close();
    ASSERT_TRUE(QFile::link(file, dir.filePath(QStringLiteral("link.mp4"))));
    EXPECT_TRUE(encoder_output_file::SameFile(file, dir.filePath(QStringLiteral("link.mp4"))));
    EXPECT_TRUE(encoder_output_file::SameFile(file, dir.path() + QStringLiteral("/./a.mp4")));
    EXPECT_FALSE(encoder_output_file::SameFile(file, dir.filePath(QStringLiteral("b.mp4"))));
}

}  // namespace

}  // namespace veltrano
