#include "core/settings_store.h"

#include <gtest/gtest.h>

#include <QByteArray>
#include <QFile>
#include <QSettings>
#include <QStringList>
#include <QTemporaryDir>

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

}  // namespace

}  // namespace veltrano
