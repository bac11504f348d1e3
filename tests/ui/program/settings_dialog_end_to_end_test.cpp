// The whole window program on a real X server with its real windows: Join opens the output
// settings dialog, which is driven through its widgets (a profile from the profile menu, a
// picture size, name and folder, Join Now); the progress window runs the join and is closed
// with its own button; ffprobe judges the output.
#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolButton>

#include "tests/support/media_tools.h"
#include "tests/support/recording_messages.h"
#include "tests/ui/program/end_to_end_clips.h"
#include "ui/program/program_windows.h"
#include "ui/program/window_program.h"

namespace {

using namespace veltrano;

template <typename Widget>
Widget* Find(QWidget* parent, const char* name) {
    return parent->findChild<Widget*>(QString::fromLatin1(name));
}

// What the user does in the dialog once it is open.
void FillInTheDialog(FormVideoFormat& dialog, const QString& folder) {
    Find<QRadioButton>(&dialog, "Option2")->click();
    bool chosen = false;
    for (QAction* action : dialog.ProfileMenu()->findChildren<QAction*>()) {
        if (action->menu() == nullptr &&
            action->text() == QStringLiteral("WMV - Windows Media Video (*.wmv)")) {
            action->trigger();
            chosen = true;
            break;
        }
    }
    ASSERT_TRUE(chosen) << "the profile menu has no WMV entry";
    auto* size = Find<QComboBox>(&dialog, "ComboSize");
    size->setCurrentIndex(size->findText(QStringLiteral("176 x 144 (qcif)")));
    auto* name = Find<QLineEdit>(&dialog, "TextFileName");
    name->selectAll();
    QTest::keyClicks(name, QStringLiteral("joined"));
    auto* folderBox = Find<QLineEdit>(&dialog, "TextFolder");
    folderBox->selectAll();
    QTest::keyClicks(folderBox, folder);
    QTest::mouseClick(Find<QPushButton>(&dialog, "BtnJoin"), Qt::LeftButton);
}

TEST(SettingsDialogEndToEndTest, JoinsIntoTheProfileAndSizeChosenInTheDialog) {
    QTemporaryDir work;
    ASSERT_TRUE(work.isValid());
    qputenv("XDG_CONFIG_HOME", work.filePath("config").toLocal8Bit());
    int argc = 1;
    char name[] = "veltrano-video-joiner";
    char* argv[] = {name, nullptr};
    QApplication app(argc, argv);
    ASSERT_EQ(QGuiApplication::platformName(), QStringLiteral("xcb"))
        << "run on an X server (tests/support/with-xvfb.sh)";

    const std::optional<EndToEndClips> clips = MakeEndToEndClips(work);
    ASSERT_TRUE(clips.has_value());
    const QString a = clips->First;
    const QString b = clips->Second;
    const QString outFolder = clips->OutFolder;

    RecordingMessages messages;
    ProgramWindows openers;
    EngineModuleLoader engine;
    {
        WindowProgram program(engine,
                              ProgramFolder::ForApplication(QCoreApplication::applicationDirPath()),
                              openers, &messages);
        openers.Attach({program.Catalogue(), program.List(), program.Request(), program.Runner(),
                        program.Messages(), program.Folder(), program.Engine()});
        ASSERT_TRUE(program.Start());
        FormMain& window = program.MainWindow();
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
        program.AddFiles({a, b});
        ASSERT_EQ(program.List().Count(), 2);

        // The progress window closes itself through its own button once the job has ended.
        QSignalSpy terminated(&program.Encoder(), &MediaEncoder::JobTerminated);
        bool progressWindowOpened = false;
        openers.Progress()->SetWindowOpenedHook([&](FormConverting& progress) {
            progressWindowOpened = true;
            QObject::connect(&program.Encoder(), &MediaEncoder::JobTerminated, &progress,
                             [&progress] {
                                 QTimer::singleShot(0, &progress, [&progress] {
                                     Find<QPushButton>(&progress, "BtnStop")->click();
                                 });
                             });
        });
        // The dialog is modal: it is filled in once its own event loop runs.
        bool dialogFilled = false;
        QTimer::singleShot(0, &window, [&] {
            FormVideoFormat* dialog = openers.OutputSettingsDialog();
            ASSERT_NE(dialog, nullptr);
            ASSERT_TRUE(dialog->isVisible());
            FillInTheDialog(*dialog, outFolder);
            dialogFilled = true;
        });

        auto* join = qobject_cast<QToolButton*>(
            window.Toolbar()->widgetForAction(window.Action(CommandId::Join)));
        ASSERT_NE(join, nullptr);
        QTest::mouseClick(join, Qt::LeftButton);  // returns when every window it opened is gone

        ASSERT_TRUE(dialogFilled);
        ASSERT_TRUE(progressWindowOpened)
            << (messages.Shown.isEmpty() ? std::string("no message")
                                         : messages.Shown.front().Text.toStdString());
        ASSERT_EQ(terminated.size(), 1);
        EXPECT_TRUE(terminated[0][1].toBool()) << terminated[0][3].toString().toStdString();
        EXPECT_TRUE(messages.Shown.isEmpty()) << messages.Shown.value(0).Text.toStdString();
        EXPECT_FALSE(openers.OutputSettingsDialog()->isVisible());
        window.close();
    }

    const QString output = outFolder + QStringLiteral("joined.wmv");
    const QJsonObject probe = media_tools::Probe(output);
    ASSERT_FALSE(probe.isEmpty()) << "no output at " << output.toStdString();
    const QJsonArray video = media_tools::StreamsOfType(probe, QStringLiteral("video"));
    const QJsonArray audio = media_tools::StreamsOfType(probe, QStringLiteral("audio"));
    ASSERT_EQ(video.size(), 1);
    ASSERT_EQ(audio.size(), 1);
    EXPECT_EQ(video[0].toObject()[QStringLiteral("codec_name")].toString(), QStringLiteral("wmv2"));
    EXPECT_EQ(audio[0].toObject()[QStringLiteral("codec_name")].toString(),
              QStringLiteral("wmav2"));
    EXPECT_EQ(video[0].toObject()[QStringLiteral("width")].toInt(), 176);
    EXPECT_EQ(video[0].toObject()[QStringLiteral("height")].toInt(), 144);
    EXPECT_NEAR(media_tools::FormatDuration(probe), 5.0, 0.3);
}

}  // namespace
