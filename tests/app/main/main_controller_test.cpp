// The main window's rules against fakes of the window, the engine and the dialogs: start-up,
// Join's file count, Exit and the closing steps, Play.
#include "app/main/main_controller.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include "app/probe/probe_feedback.h"
#include "engine/api/media_decoder.h"
#include "tests/app/join/join_runner_test_fakes.h"
#include "tests/support/recording_messages.h"

namespace veltrano {

namespace {

// Opens any path as a one-second file.
class AcceptingDecoder : public MediaDecoder {
public:
    bool OpenMedia(const QString&, const QString&) override { return true; }
    void CloseMedia() override {}
    QString LastErrorText() const override { return {}; }
    int AudioStreamIndex() const override { return -1; }
    int VideoStreamIndex() const override { return 0; }
    QString AudioCodecName(int) const override { return {}; }
    QString VideoCodecName(int) const override { return QStringLiteral("h264"); }
    int VideoWidth(int) const override { return 640; }
    int VideoHeight(int) const override { return 480; }
    std::int64_t Duration() const override { return 1'000'000; }
};

class SilentFeedback : public ProbeFeedback {
public:
    void ShowBusyPointer() override {}
    void RestoreNormalPointer() override {}
    void ShowWaitWindow() override {}
    void CloseWaitWindow() override {}
    void ProcessPendingEvents() override {}
};

class ScriptedChooser : public FileChooser {
public:
    QStringList ChooseFiles(const FileChoiceRequest&) override {
        ++Calls;
        return Answer;
    }
    int Calls = 0;
    QStringList Answer;  // empty: the user cancels
};

// Records the window's part in one list, in order. Closing runs the closing steps, as the
// window's close does.
class RecordingView : public MainView, public MainOpeners {
public:
    void ApplyStyleSheet(const QString& styleSheet) override {
        Calls << QStringLiteral("StyleSheet ") + styleSheet;
    }
    void SetUpStatusBar() override { Calls << QStringLiteral("StatusBar"); }
    void ApplyProgramIcon() override { Calls << QStringLiteral("Icon"); }
    void CloseWindow() override {
        Calls << QStringLiteral("Close");
        Controller->Closing();
    }
    void OpenOutputSettings() override { Calls << QStringLiteral("OutputSettings"); }
    void OpenPlayer(const QString& path) override { Calls << QStringLiteral("Player ") + path; }
    void OpenLink(const QUrl& url) override { Calls << QStringLiteral("Link ") + url.toString(); }

    MainController* Controller = nullptr;
    QStringList Calls;
};

struct ControllerHarness {
    ControllerHarness() { view.Controller = &controller; }

    void AddRows(int count) {
        for (int i = 0; i < count; ++i) {
            MediaItem item;
            item.SourcePath = QStringLiteral("/v/%1.mp4").arg(list.Count());
            list.Append(item);
        }
    }

    QTemporaryDir programDir;
    AcceptingDecoder decoder;
    FakeEncoder encoder;
    FakeSettings settings;
    FakeClock clock;
    JoinList list;
    JoinRequest request;
    RecordingMessages messages;
    ScriptedChooser chooser;
    SilentFeedback feedback;
    MediaProber prober{decoder, list, messages, feedback};
    JoinRunner runner{encoder, messages, settings, clock};
    RecordingView view;
    MainController controller{
        MainControllerParts{list, prober, chooser, messages, runner, encoder, settings, request,
                            ProgramFolder::FirstExisting({programDir.path()})},
        view, view};
};

TEST(MainControllerTest, LoadAppliesTheSkinSetsUpTheEngineThenTheIcon) {
    ControllerHarness h;
    h.settings.Values[QStringLiteral("OutPath")] = QStringLiteral("/stored/");
    QFile skin(h.programDir.filePath("skin.qss"));
    ASSERT_TRUE(skin.open(QIODevice::WriteOnly));
    skin.write("QTreeView#ListView1 { border: 1px solid #8aa4cc; }");
    skin.close();
    ASSERT_TRUE(h.controller.Load());
    EXPECT_EQ(h.view.Calls,
              (QStringList{"StyleSheet QTreeView#ListView1 { border: 1px solid #8aa4cc; }",
                           "StatusBar", "Icon"}));
    EXPECT_EQ(h.request.OutputFolder, QStringLiteral("/stored/"));
    EXPECT_EQ(h.runner.ProgramFolder(), h.programDir.path() + "/");
    EXPECT_TRUE(h.messages.Shown.isEmpty());
}

TEST(MainControllerTest, MissingSkinKeepsThePlatformLookWithoutAMessage) {
    ControllerHarness h;
    ASSERT_TRUE(h.controller.Load());
    EXPECT_EQ(h.view.Calls, (QStringList{"StatusBar", "Icon"}));
    EXPECT_TRUE(h.messages.Shown.isEmpty());
}

TEST(MainControllerTest, MissingEngineEndsTheStartUpWithVideoLibNotFound) {
    ControllerHarness h;
    h.encoder.EngineLoaded = false;
    h.encoder.LoadSucceeds = false;
    EXPECT_FALSE(h.controller.Load());
    ASSERT_EQ(h.messages.Shown.size(), 1);
    EXPECT_EQ(h.messages.Shown[0].Text, QStringLiteral("Video lib not found"));
    EXPECT_EQ(h.messages.Shown[0].Icon, UserMessages::Icon::Error);
    EXPECT_EQ(h.view.Calls, QStringList{"StatusBar"}) << "start-up ends before the icon";
}

TEST(MainControllerTest, JoinWithOneRowAsksForMoreAndOpensTheFileChooser) {
    ControllerHarness h;
    h.AddRows(1);
    h.controller.Join();
    ASSERT_EQ(h.messages.Shown.size(), 1);
    EXPECT_EQ(h.messages.Shown[0].Text, QStringLiteral("Please add more file to the list."));
    EXPECT_EQ(h.messages.Shown[0].Title, QStringLiteral("Veltrano Video Joiner"));
    EXPECT_EQ(h.messages.Shown[0].Icon, UserMessages::Icon::Information);
    EXPECT_EQ(h.chooser.Calls, 1);
    EXPECT_TRUE(h.view.Calls.isEmpty()) << "the output settings must not open";

    // Whatever the user adds then, this Join does not go on.
    h.chooser.Answer = QStringList{"/v/more.mp4"};
    h.controller.Join();
    EXPECT_EQ(h.list.Count(), 2);
    EXPECT_TRUE(h.view.Calls.isEmpty());

    // With two rows the output settings open, and nothing is said.
    h.controller.Join();
    EXPECT_EQ(h.view.Calls, QStringList{"OutputSettings"});
    EXPECT_EQ(h.messages.Shown.size(), 2);
    EXPECT_EQ(h.chooser.Calls, 2);
}

TEST(MainControllerTest, ExitAsksAndClosesOnlyOnYesThroughTheClosingSteps) {
    ControllerHarness h;
    h.request.OutputFolder = QStringLiteral("/videos/out/");
    h.controller.Exit();
    ASSERT_EQ(h.messages.Shown.size(), 1);
    EXPECT_EQ(h.messages.Shown[0].Text, QStringLiteral("Do you want to exit?"));
    EXPECT_EQ(h.messages.Shown[0].Title, QStringLiteral("Veltrano Video Joiner"));
    EXPECT_EQ(h.messages.Shown[0].Icon, UserMessages::Icon::Question);
    EXPECT_TRUE(h.view.Calls.isEmpty());
    EXPECT_TRUE(h.settings.Values.empty()) << "No leaves everything as it was";
    EXPECT_FALSE(h.encoder.Calls.contains(QStringLiteral("StopJobs false")));

    h.messages.Answers = {true};
    h.controller.Exit();
    EXPECT_EQ(h.view.Calls, QStringList{"Close"});
    EXPECT_EQ(h.settings.Values[QStringLiteral("OutPath")], QStringLiteral("/videos/out/"));
    EXPECT_TRUE(h.encoder.Calls.contains(QStringLiteral("StopJobs false")));
}

TEST(MainControllerTest, PlayOpensThePlayerOnlyOnACurrentRowWithAFile) {
    ControllerHarness h;
    h.controller.Play();  // empty list
    h.AddRows(2);
    h.controller.Play();  // no current row
    MediaItem unnamed;
    h.list.Append(unnamed);
    h.list.SetFocusedRow(2);
    h.controller.Play();  // a row without a file
    EXPECT_TRUE(h.view.Calls.isEmpty());

    h.list.SetFocusedRow(1);
    h.controller.Play();
    EXPECT_EQ(h.view.Calls, QStringList{"Player /v/1.mp4"});
    EXPECT_TRUE(h.messages.Shown.isEmpty());
}

}  // namespace

}  // namespace veltrano
