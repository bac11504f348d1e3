#include "core/settings_store.h"

#include <gtest/gtest.h>

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QStringList>
#include <QTemporaryDir>
#include <ostream>
#include <string>

namespace veltrano {

namespace {

// Every test points the native user-scope store at a fresh folder, never the user's own.
class SettingsStoreTest : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir_.isValid());
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, dir_.path());
    }
    QSettings Raw() const {
        return QSettings(QSettings::NativeFormat, QSettings::UserScope,
                         SettingsStore::kOrganisation, SettingsStore::kApplication);
    }

    QTemporaryDir dir_;
    SettingsStore store_;
};

TEST_F(SettingsStoreTest, FirstRunReadsEmpty) {
    EXPECT_EQ(store_.ReadSetting(QStringLiteral("OutPath")), QString());
}

TEST_F(SettingsStoreTest, WritesAndReadsBackTextIncludingEmpty) {
    store_.WriteSetting(QStringLiteral("OutPath"), QStringLiteral("/home/u/Videos/"));
    EXPECT_EQ(SettingsStore().ReadSetting(QStringLiteral("OutPath")),
              QStringLiteral("/home/u/Videos/"));
    store_.WriteSetting(QStringLiteral("OutPath"), QString());
    EXPECT_EQ(store_.ReadSetting(QStringLiteral("OutPath")), QString());
    EXPECT_TRUE(QFile::exists(
        dir_.filePath(QStringLiteral("Veltrano Software/Veltrano Video Joiner.conf"))));
}

TEST_F(SettingsStoreTest, ZeroCharactersAreCleaned) {
    {
        QSettings raw = Raw();
        raw.setValue(QStringLiteral("Trailing"), QStringLiteral("abc") + QChar(0));
        raw.setValue(QStringLiteral("Leading"), QChar(0) + QStringLiteral("abc"));
        raw.setValue(QStringLiteral("TwoTrailing"), QStringLiteral("ab") + QChar(0) + QChar(0));
    }
    EXPECT_EQ(store_.ReadSetting(QStringLiteral("Trailing")), QStringLiteral("abc"));
    EXPECT_EQ(store_.ReadSetting(QStringLiteral("Leading")), QString());
    EXPECT_EQ(store_.ReadSetting(QStringLiteral("TwoTrailing")), QStringLiteral("ab") + QChar(0));
}

TEST_F(SettingsStoreTest, OtherTypesReadAsEmptyNumbersAsDecimalText) {
    {
        QSettings raw = Raw();
        raw.setValue(QStringLiteral("Number"), 42);
        raw.setValue(QStringLiteral("Bytes"), QByteArray("\x01\x02", 2));
        raw.setValue(QStringLiteral("List"), QStringList{"a", "b"});
    }
    // Read in the same process (typed values cached) and from the file anew.
    EXPECT_EQ(store_.ReadSetting(QStringLiteral("Number")), QStringLiteral("42"));
    EXPECT_EQ(store_.ReadSetting(QStringLiteral("Bytes")), QString());
    EXPECT_EQ(store_.ReadSetting(QStringLiteral("List")), QString());
}

// The organisation folder cannot be created because a file stands in its place: the write
// fails quietly and the file is left as it was.
TEST_F(SettingsStoreTest, FailedWriteChangesNothingAndReportsNothing) {
    QFile blocker(dir_.filePath(QStringLiteral("Veltrano Software")));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.write("not a folder");
    blocker.close();
    store_.WriteSetting(QStringLiteral("OutPath"), QStringLiteral("/second/"));
    EXPECT_EQ(SettingsStore().ReadSetting(QStringLiteral("OutPath")), QString());
    ASSERT_TRUE(blocker.open(QIODevice::ReadOnly));
    EXPECT_EQ(blocker.readAll(), QByteArray("not a folder"));
}

// A settings file damaged or unreadable outside the program: reading gives what can be read
// (empty where nothing can), nothing crashes, and the next write leaves a clean file, or,
// where nothing can be written, leaves the damage alone.
struct DamagedFile {
    const char* Label;
    QByteArray Contents;  // empty: a folder stands in the file's place
    QString Reads;        // what OutPath reads as
};

void PrintTo(const DamagedFile& damaged, std::ostream* out) {
    *out << damaged.Label;
}

class SettingsStoreDamage : public SettingsStoreTest,
                            public testing::WithParamInterface<DamagedFile> {};

TEST_P(SettingsStoreDamage, ReadsWhatItCanAndWritesACleanFile) {
    const DamagedFile damaged = GetParam();
    ASSERT_TRUE(QDir(dir_.path()).mkpath(QStringLiteral("Veltrano Software")));
    const QString path =
        dir_.filePath(QStringLiteral("Veltrano Software/Veltrano Video Joiner.conf"));
    if (damaged.Contents.isEmpty()) {
        ASSERT_TRUE(QDir(dir_.path()).mkpath(path));
    } else {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(damaged.Contents);
    }
    EXPECT_EQ(store_.ReadSetting(QStringLiteral("OutPath")), damaged.Reads);

    store_.WriteSetting(QStringLiteral("OutPath"), QStringLiteral("/chosen/"));
    if (damaged.Contents.isEmpty()) {
        EXPECT_TRUE(QFileInfo(path).isDir());
        EXPECT_EQ(SettingsStore().ReadSetting(QStringLiteral("OutPath")), QString());
        return;
    }
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll().toStdString(), "[General]\nOutPath=/chosen/\n");
    EXPECT_EQ(SettingsStore().ReadSetting(QStringLiteral("OutPath")), QStringLiteral("/chosen/"));
}

INSTANTIATE_TEST_SUITE_P(
    Damage, SettingsStoreDamage,
    testing::Values(
        DamagedFile{"Binary", QByteArray("\x01\x02\xff\xfe\x00junk\n=\n[[[\n\x80=\x81\n", 20),
                    QString()},
        DamagedFile{"SectionNeverClosed", "[General\nOutPath=/kept/\nx", QStringLiteral("/kept/")},
        DamagedFile{"KeyWithoutValue", "[General]\nOutPath\n", QString()},
        DamagedFile{"UnknownStoredType", "[General]\nOutPath=@Variant(\\0\\0\\0\\x7f\\xff\\xff)\n",
                    QString()},
        DamagedFile{"StoredTextCutShort",
                    "[General]\nOutPath=@Variant(\\0\\0\\0\\n\\xff\\xff\\xff\\xf0)\n", QString()},
        DamagedFile{"FolderInItsPlace", QByteArray(), QString()}),
    [](const testing::TestParamInfo<DamagedFile>& info) { return std::string(info.param.Label); });

}  // namespace

}  // namespace veltrano
