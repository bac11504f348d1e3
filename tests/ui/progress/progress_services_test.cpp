#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDBusArgument>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QVariantMap>
#include <QtEndian>

#include "core/program_folder.h"
#include "tests/ui/test_application.h"
#include "ui/progress/completion_sound.h"
#include "ui/progress/folder_opener.h"
#include "ui/progress/progress_windows.h"
#include "ui/progress/taskbar_progress.h"

namespace veltrano {
namespace {

TEST(LauncherTaskbarProgressTest, UpdateSignalCarriesTheDesktopFileAndTheFraction) {
    const QDBusMessage message = LauncherTaskbarProgress::UpdateMessage(0.25, true);
    EXPECT_EQ(message.type(), QDBusMessage::SignalMessage);
    EXPECT_EQ(message.interface(), QStringLiteral("com.canonical.Unity.LauncherEntry"));
    EXPECT_EQ(message.member(), QStringLiteral("Update"));
    EXPECT_FALSE(message.path().isEmpty());
    const QList<QVariant> arguments = message.arguments();
    ASSERT_EQ(arguments.size(), 2);
    EXPECT_EQ(arguments[0].toString(),
              QStringLiteral("application://example.veltrano.VideoJoiner.desktop"));
    const QVariantMap properties = arguments[1].toMap();
    EXPECT_EQ(properties.value(QStringLiteral("progress")).typeId(), QMetaType::Double);
    EXPECT_DOUBLE_EQ(properties.value(QStringLiteral("progress")).toDouble(), 0.25);
    EXPECT_EQ(properties.value(QStringLiteral("progress-visible")), QVariant(true));

    const QVariantMap cleared =
        LauncherTaskbarProgress::UpdateMessage(0.0, false).arguments()[1].toMap();
    EXPECT_EQ(cleared.value(QStringLiteral("progress-visible")), QVariant(false));

    EXPECT_DOUBLE_EQ(LauncherTaskbarProgress::ProgressFraction(25), 0.25);
    EXPECT_DOUBLE_EQ(LauncherTaskbarProgress::ProgressFraction(100), 1.0);
    EXPECT_DOUBLE_EQ(LauncherTaskbarProgress::ProgressFraction(-3), 0.0);
    EXPECT_DOUBLE_EQ(LauncherTaskbarProgress::ProgressFraction(250), 1.0);
}

TEST(LauncherTaskbarProgressTest, WithoutASessionBusNothingFails) {
    TestApplication();
    const QDBusConnection nowhere = QDBusConnection::connectToBus(
        QStringLiteral("unix:path=/nonexistent/veltrano-bus"), QStringLiteral("veltrano-none"));
    LauncherTaskbarProgress taskbar(nowhere);
    EXPECT_FALSE(taskbar.Connected());
    taskbar.SetProgress(40);  // returns at once, silently
    taskbar.Clear();
    QDBusConnection::disconnectFromBus(QStringLiteral("veltrano-none"));
}

TEST(DesktopFolderOpenerTest, OnlyExistingFoldersAreHandedToTheDesktop) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    QFile file(dir.filePath(QStringLiteral("run-me.sh")));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.close();
    EXPECT_TRUE(DesktopFolderOpener::IsOpenable(dir.path()));
    EXPECT_TRUE(DesktopFolderOpener::IsOpenable(dir.path() + QStringLiteral("/")));
    EXPECT_FALSE(DesktopFolderOpener::IsOpenable(file.fileName())) << "a file is never opened";
    EXPECT_FALSE(DesktopFolderOpener::IsOpenable(dir.filePath(QStringLiteral("gone"))));
    EXPECT_FALSE(DesktopFolderOpener::IsOpenable(QString()));
    DesktopFolderOpener opener;
    opener.Open(dir.filePath(QStringLiteral("gone")));  // silently nothing
}

// The shipped sound: a short PCM WAV in the program's data folder.
TEST(CompletionSoundTest, TheShippedSoundIsAShortWave) {
    TestApplication();
    const ProgramFolder folder =
        ProgramFolder::ForApplication(QCoreApplication::applicationDirPath());
    QFile wav(folder.FilePath(QString::fromLatin1(ProgressWindows::kCompletionSoundFile)));
    ASSERT_TRUE(wav.open(QIODevice::ReadOnly)) << wav.fileName().toStdString();
    const QByteArray header = wav.read(44);
    ASSERT_EQ(header.size(), 44);
    EXPECT_EQ(header.mid(0, 4), QByteArray("RIFF"));
    EXPECT_EQ(header.mid(8, 4), QByteArray("WAVE"));
    EXPECT_EQ(header.mid(12, 4), QByteArray("fmt "));
    const auto u16 = [&header](int at) { return qFromLittleEndian<quint16>(header.data() + at); };
    const auto u32 = [&header](int at) { return qFromLittleEndian<quint32>(header.data() + at); };
    EXPECT_EQ(u16(20), 1) << "PCM";
    const quint32 byteRate = u32(28);
    ASSERT_GT(byteRate, 0u);
    const double seconds = double(wav.size() - 44) / byteRate;
    EXPECT_GT(seconds, 0.2);
    EXPECT_LT(seconds, 2.0) << "a notice, not a tune";
}

}  // namespace
}  // namespace veltrano
