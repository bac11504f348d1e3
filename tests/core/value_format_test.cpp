#include "core/value_format.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <cmath>

#include "tests/support/test_text.h"

namespace veltrano {

namespace {

struct DurationCase {
    double Seconds;
    const char* Text;

    friend void PrintTo(const DurationCase& c, std::ostream* os) {
        *os << c.Seconds << " s as " << c.Text;
    }
};

class FormatDurationTest : public testing::TestWithParam<DurationCase> {};

TEST_P(FormatDurationTest, RoundsAndPads) {
    EXPECT_EQ(FormatDuration(GetParam().Seconds), QString::fromLatin1(GetParam().Text))
        << GetParam().Seconds;
}

INSTANTIATE_TEST_SUITE_P(
    Examples, FormatDurationTest,
    testing::Values(DurationCase{0, "00:00:00"}, DurationCase{-5, "00:00:00"},
                    DurationCase{0.3, "00:00:00"}, DurationCase{7, "00:00:07"},
                    DurationCase{59.4, "00:00:59"}, DurationCase{59.6, "00:01:00"},
                    DurationCase{60, "00:01:00"}, DurationCase{61.2, "00:01:01"},
                    DurationCase{90.4, "00:01:30"}, DurationCase{119.6, "00:02:00"},
                    DurationCase{3599, "00:59:59"}, DurationCase{3600, "01:00:00"},
                    DurationCase{3661, "01:01:01"}, DurationCase{3723.4, "01:02:03"},
                    DurationCase{360000, "100:00:00"}, DurationCase{3600000, "1000:00:00"},
                    // Halves: up below a minute, to even from a minute on.
                    DurationCase{0.5, "00:00:01"}, DurationCase{2.5, "00:00:03"},
                    DurationCase{58.5, "00:00:59"}, DurationCase{60.5, "00:01:00"},
                    DurationCase{61.5, "00:01:02"}, DurationCase{62.5, "00:01:02"}),
    [](const testing::TestParamInfo<DurationCase>& info) {
        const double seconds = info.param.Seconds;
        return (seconds < 0 ? "Minus" : "") +
               TestNamePart(QString::number(std::abs(seconds), 'f', 1).toStdString()) + "s";
    });

TEST(GetExtensionTest, LastDotAfterLastSeparator) {
    EXPECT_EQ(GetExtension(QStringLiteral("/clips/a.mp4")), QStringLiteral("MP4"));
    EXPECT_EQ(GetExtension(QStringLiteral("/clips/a.b.Mkv")), QStringLiteral("MKV"));
    EXPECT_EQ(GetExtension(QStringLiteral("/v.1/clip")), QString());
    EXPECT_EQ(GetExtension(QStringLiteral("/clips/a.")), QString());
    EXPECT_EQ(GetExtension(QStringLiteral("noext")), QString());
    EXPECT_EQ(GetExtension(QStringLiteral("plain.avi")), QStringLiteral("AVI"));
}

TEST(MegabytesTest, ConversionAndLocaleText) {
    EXPECT_DOUBLE_EQ(BytesToMegabytes(1048576), 1.0);
    const QLocale english(QLocale::English, QLocale::UnitedStates);
    EXPECT_EQ(FormatMegabytes(BytesToMegabytes(1048576), english), QStringLiteral("1.0 MB"));
    EXPECT_EQ(FormatMegabytes(BytesToMegabytes(1288490189), english), QStringLiteral("1,228.8 MB"));
    EXPECT_EQ(FormatMegabytes(0, english), QStringLiteral("0.0 MB"));
    EXPECT_EQ(FormatMegabytes(1234567.24, english), QStringLiteral("1,234,567.2 MB"));
    const QLocale german(QLocale::German, QLocale::Germany);
    EXPECT_EQ(FormatMegabytes(1234.56, german), QStringLiteral("1.234,6 MB"));
    // Even a locale that normally omits group separators groups thousands here.
    EXPECT_EQ(FormatMegabytes(1234.56, QLocale::c()), QStringLiteral("1,234.6 MB"));
}

TEST(GetFileSizeTest, OnlyRegularFilesCount) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString file = dir.filePath(QStringLiteral("f.bin"));
    QFile out(file);
    ASSERT_TRUE(out.open(QIODevice::WriteOnly));
    out.write(QByteArray(1234, 'x'));
    out.close();
    EXPECT_EQ(GetFileSize(file), 1234.0);
    EXPECT_EQ(GetFileSize(dir.filePath(QStringLiteral("missing"))), 0.0);
    EXPECT_EQ(GetFileSize(dir.path()), 0.0) << "a folder is not found";
    EXPECT_EQ(GetFileSize(QStringLiteral("/dev/null")), 0.0) << "a special file is not found";
    EXPECT_EQ(GetFileSize(file + QStringLiteral("/below")), 0.0);
    EXPECT_EQ(GetFileSize(QString()), 0.0);
}

// A failure other than "nothing there" (here a symbolic link loop) reads as -1.
TEST(GetFileSizeTest, FailureOtherThanMissingIsMinusOne) {
    QTemporaryDir dir;
    const QString a = dir.filePath(QStringLiteral("a"));
    const QString b = dir.filePath(QStringLiteral("b"));
    ASSERT_TRUE(QFile::link(b, a));
    ASSERT_TRUE(QFile::link(a, b));
    EXPECT_EQ(GetFileSize(a), -1.0);
    EXPECT_EQ(GetFileSize(QStringLiteral("/") + QString(300, QLatin1Char('n'))), -1.0);
}

TEST(FolderExistsTest, TellsFoldersFromFilesWithoutChangingTheWorkingDirectory) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString before = QDir::currentPath();
    EXPECT_TRUE(FolderExists(dir.path()));
    EXPECT_TRUE(FolderExists(dir.path() + QStringLiteral("/")));
    EXPECT_EQ(QDir::currentPath(), before);

    QFile file(dir.filePath(QStringLiteral("f")));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.close();
    EXPECT_FALSE(FolderExists(file.fileName()));
    EXPECT_FALSE(FolderExists(dir.filePath(QStringLiteral("none"))));
    EXPECT_FALSE(FolderExists(QString()));
}

// A relative output folder must keep meaning the same place after it was checked.
TEST(FolderExistsTest, RelativeFolderStillResolvesFromTheOriginalDirectory) {
    QTemporaryDir dir;
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("out")));
    const QString before = QDir::currentPath();
    ASSERT_TRUE(QDir::setCurrent(dir.path()));
    EXPECT_TRUE(FolderExists(QStringLiteral("out")));
    EXPECT_EQ(QDir::currentPath(), QDir(dir.path()).canonicalPath());
    EXPECT_TRUE(FolderExists(QStringLiteral("out")))
        << "a second check of the same relative folder must still succeed";
    QDir::setCurrent(before);
}

}  // namespace

}  // namespace veltrano
