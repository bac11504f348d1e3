#include "app/join/join_action.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "core/list/join_list.h"
#include "profiles/output_dialog_texts.h"
#include "tests/support/recording_messages.h"

namespace veltrano {

namespace {

namespace Texts = OutputDialogTexts;

// Records what the Join action asks of the dialog, in order.
class FakeView : public JoinDialogView {
public:
    void FocusFileName() override { Calls.push_back("focus name"); }
    void FocusFolder() override { Calls.push_back("focus folder"); }
    void HideDialog() override { Calls.push_back("hide"); }
    void ShowProgressWindow() override { Calls.push_back("show progress"); }

    std::vector<std::string> Calls;
};

class FakeBrowser : public FolderBrowser {
public:
    std::optional<QString> ChooseFolder() override {
        ++Opened;
        return Choice;
    }
    std::optional<QString> Choice;
    int Opened = 0;
};

class JoinActionTest : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir_.isValid());
        folder_ = dir_.path();
        settings_.FolderText = folder_;
        settings_.FileNameText = QStringLiteral("joined");
        // Marks what an earlier join left behind, so each test sees what this one overwrote.
        request_ = {"old folder", "old name", "old ext", "old parameters"};
    }

    MediaItem Source(const QString& name, const char* size = "640 X 480") {
        MediaItem item;
        item.SourcePath = folder_ + "/" + name;
        QFile file(item.SourcePath);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        item.TypeText = name.section('.', -1).toUpper();
        item.VideoSizeText = QString::fromUtf8(size);
        item.VideoCodec = QStringLiteral("h264");
        item.AudioCodec = QStringLiteral("aac");
        return item;
    }

    JoinActionResult Run(const std::vector<MediaItem>& rows) {
        JoinAction action(settings_, request_, messages_, view_, browser_);
        return action.Run(rows);
    }

    void ExpectNothingStarted() {
        EXPECT_EQ(std::count(view_.Calls.begin(), view_.Calls.end(), "hide"), 0);
        EXPECT_EQ(std::count(view_.Calls.begin(), view_.Calls.end(), "show progress"), 0);
        EXPECT_EQ(request_.OutputExtension, QStringLiteral("old ext"));
        EXPECT_EQ(request_.EngineParameters, QStringLiteral("old parameters"));
    }

    QTemporaryDir dir_;
    QString folder_;
    OutputSettings settings_;
    JoinRequest request_;
    RecordingMessages messages_;
    FakeView view_;
    FakeBrowser browser_;
};

TEST_F(JoinActionTest, ConvertStartsTheJoinWithTheBuiltRequest) {
    settings_.SelectJoinMode(JoinMode::Convert);
    settings_.FileNameText = QStringLiteral("  joined  ");
    settings_.FolderText = QStringLiteral("  ") + folder_ + QStringLiteral("  ");
    const std::vector<MediaItem> rows = {Source("a.mp4", "640 X 480"),
                                         Source("b.mp4", "320 X 240")};

    EXPECT_EQ(Run(rows), JoinActionResult::Started);
    EXPECT_TRUE(messages_.Shown.isEmpty());
    EXPECT_EQ(settings_.FileNameText, QStringLiteral("joined"));
    EXPECT_EQ(settings_.FolderText, folder_ + "/");
    EXPECT_EQ(request_.OutputName, QStringLiteral("joined"));
    EXPECT_EQ(request_.OutputFolder, folder_ + "/");
    EXPECT_EQ(request_.OutputExtension, QStringLiteral("mp4"));
    EXPECT_EQ(request_.EngineParameters,
              QStringLiteral("-ac 2 -vcodec libx264 -vpre libx264-veryfast -vb 512k -ab 128k "
                             "-ar 44100 -s 320x240 -join"));
    EXPECT_EQ(request_.OutputPath(), folder_ + "/joined.mp4");
    EXPECT_EQ(view_.Calls, (std::vector<std::string>{"hide", "show progress"}));
}

TEST_F(JoinActionTest, DirectCopyOfSameFormatsTakesTheFirstFilesExtension) {
    settings_.SelectJoinMode(JoinMode::DirectCopy);
    const std::vector<MediaItem> rows = {Source("part1.AVI"), Source("part2.avi")};
    EXPECT_EQ(Run(rows), JoinActionResult::Started);
    EXPECT_EQ(request_.EngineParameters, QStringLiteral("-vcodec copy -acodec copy -join"));
    EXPECT_EQ(request_.OutputExtension, QStringLiteral("avi"));
}

// Files without an extension: the output has none either, and no trailing dot.
TEST_F(JoinActionTest, DirectCopyOfFilesWithoutExtensionWritesANameWithoutOne) {
    settings_.SelectJoinMode(JoinMode::DirectCopy);
    std::vector<MediaItem> rows = {Source("first"), Source("second")};
    for (MediaItem& row : rows) {
        row.TypeText = QStringLiteral("MP4");
    }
    QFile existing(folder_ + "/joined");
    ASSERT_TRUE(existing.open(QIODevice::WriteOnly));
    existing.close();

    messages_.Answers = {true};
    EXPECT_EQ(Run(rows), JoinActionResult::Started);
    ASSERT_EQ(messages_.Shown.size(), 1) << "the file of that very name is about to be replaced";
    EXPECT_EQ(messages_.Shown[0].Text, QString::fromUtf8(Texts::kReplaceOutput));
    EXPECT_EQ(request_.OutputExtension, QString());
    EXPECT_EQ(request_.OutputPath(), folder_ + "/joined");
}

TEST_F(JoinActionTest, EmptyNameIsRefusedFirst) {
    settings_.FileNameText = QStringLiteral("   ");
    settings_.FolderText = QStringLiteral("/no/such/folder");
    EXPECT_EQ(Run({Source("a.mp4"), Source("b.mp4")}), JoinActionResult::InvalidName);
    ASSERT_EQ(messages_.Shown.size(), 1);
    EXPECT_EQ(messages_.Shown[0].Text, QStringLiteral("Invalid file name!"));
    EXPECT_EQ(messages_.Shown[0].Title, QStringLiteral("Error"));
    EXPECT_EQ(messages_.Shown[0].Icon, UserMessages::Icon::Error);
    EXPECT_EQ(view_.Calls, (std::vector<std::string>{"focus name"}));
    EXPECT_EQ(settings_.FileNameText, QString());
    EXPECT_EQ(request_.OutputName, QStringLiteral("old name"));
    EXPECT_EQ(request_.OutputFolder, QStringLiteral("old folder"));
    EXPECT_EQ(browser_.Opened, 0);
    ExpectNothingStarted();
}

TEST_F(JoinActionTest, MissingFolderOpensTheBrowserAndStops) {
    settings_.FolderText = folder_ + "/missing";
    browser_.Choice = folder_;
    EXPECT_EQ(Run({Source("a.mp4"), Source("b.mp4")}), JoinActionResult::InvalidFolder);
    ASSERT_EQ(messages_.Shown.size(), 1);
    EXPECT_EQ(messages_.Shown[0].Text, QStringLiteral("Invalid path!"));
    EXPECT_EQ(messages_.Shown[0].Title, QStringLiteral("Error"));
    EXPECT_EQ(messages_.Shown[0].Icon, UserMessages::Icon::Error);
    EXPECT_EQ(view_.Calls, (std::vector<std::string>{"focus folder"}));
    EXPECT_EQ(browser_.Opened, 1);
    EXPECT_EQ(settings_.FolderText, folder_);  // filled from the browser, join not started
    EXPECT_EQ(request_.OutputName, QStringLiteral("joined"));
    EXPECT_EQ(request_.OutputFolder, QStringLiteral("old folder"));
    ExpectNothingStarted();
}

TEST_F(JoinActionTest, CancelledBrowserKeepsTheNormalisedFolderText) {
    settings_.FolderText = QStringLiteral(" /no/such/folder");
    EXPECT_EQ(Run({Source("a.mp4"), Source("b.mp4")}), JoinActionResult::InvalidFolder);
    EXPECT_EQ(browser_.Opened, 1);
    EXPECT_EQ(settings_.FolderText, QStringLiteral("/no/such/folder/"));
}

TEST_F(JoinActionTest, BareRootFolderIsRefused) {
    settings_.FolderText = QStringLiteral("/");
    EXPECT_EQ(Run({Source("a.mp4"), Source("b.mp4")}), JoinActionResult::InvalidFolder);
    EXPECT_EQ(messages_.Shown.at(0).Text, QStringLiteral("Invalid path!"));
    ExpectNothingStarted();
}

TEST_F(JoinActionTest, NotSameFormatSwitchesToConvert) {
    settings_.SelectJoinMode(JoinMode::DirectCopy);
    const std::vector<MediaItem> rows = {Source("a.mp4", "640 X 480"),
                                         Source("b.mp4", "320 X 240")};
    EXPECT_EQ(Run(rows), JoinActionResult::NotSameFormat);
    ASSERT_EQ(messages_.Shown.size(), 1);
    EXPECT_EQ(messages_.Shown[0].Text,
              QStringLiteral("To use the 'Direct copy stream' function, all video files must be "
                             "same format"));
    EXPECT_EQ(messages_.Shown[0].Title, QStringLiteral("Not same format"));
    EXPECT_EQ(messages_.Shown[0].Icon, UserMessages::Icon::Information);
    EXPECT_EQ(settings_.Mode, JoinMode::Convert);
    EXPECT_TRUE(settings_.ConvertControlsEnabled());
    EXPECT_EQ(request_.OutputName, QStringLiteral("joined"));
    EXPECT_EQ(request_.OutputFolder, folder_ + "/");
    ExpectNothingStarted();

    // Pressing Join again converts.
    EXPECT_EQ(Run(rows), JoinActionResult::Started);
}

// Writing the output over one of the inputs would destroy it while it is being read.
TEST_F(JoinActionTest, OutputThatIsASourceFileIsRefused) {
    settings_.SelectJoinMode(JoinMode::Convert);
    settings_.FileNameText = QStringLiteral("a");
    const std::vector<MediaItem> rows = {Source("a.mp4"), Source("b.mp4")};
    EXPECT_EQ(Run(rows), JoinActionResult::OutputIsSource);
    ASSERT_EQ(messages_.Shown.size(), 1);
    EXPECT_EQ(messages_.Shown[0].Text, QString::fromUtf8(Texts::kOutputIsSource));
    EXPECT_EQ(messages_.Shown[0].Title, QStringLiteral("Error"));
    EXPECT_EQ(messages_.Shown[0].Icon, UserMessages::Icon::Error);
    EXPECT_EQ(view_.Calls, (std::vector<std::string>{"focus name"}));
    ExpectNothingStarted();
}

TEST_F(JoinActionTest, OutputThatIsASourceUnderAnotherSpellingIsRefused) {
    ASSERT_TRUE(QDir(folder_).mkdir("sub"));
    ASSERT_TRUE(QFile::link(folder_, folder_ + "/sub/link"));
    settings_.SelectJoinMode(JoinMode::DirectCopy);
    settings_.FileNameText = QStringLiteral("b");
    settings_.FolderText = folder_ + "/sub/../sub/link/.";
    const std::vector<MediaItem> rows = {Source("a.mkv"), Source("b.mkv")};
    EXPECT_EQ(Run(rows), JoinActionResult::OutputIsSource);
    ExpectNothingStarted();
}

TEST_F(JoinActionTest, ExistingOutputAsksBeforeReplacing) {
    settings_.SelectJoinMode(JoinMode::Convert);
    QFile existing(folder_ + "/joined.mp4");
    ASSERT_TRUE(existing.open(QIODevice::WriteOnly));
    existing.close();
    const std::vector<MediaItem> rows = {Source("a.mp4"), Source("b.mp4")};

    messages_.Answers = {false};
    EXPECT_EQ(Run(rows), JoinActionResult::ReplaceDeclined);
    ASSERT_EQ(messages_.Shown.size(), 1);
    EXPECT_EQ(messages_.Shown[0].Text, QString::fromUtf8(Texts::kReplaceOutput));
    EXPECT_EQ(messages_.Shown[0].Icon, UserMessages::Icon::Question);
    EXPECT_TRUE(view_.Calls.empty());  // the dialog stays open as it was
    ExpectNothingStarted();
    EXPECT_TRUE(QFile::exists(existing.fileName()));

    messages_.Answers = {true};
    EXPECT_EQ(Run(rows), JoinActionResult::Started);
    EXPECT_EQ(messages_.Shown.size(), 2);
    EXPECT_EQ(view_.Calls, (std::vector<std::string>{"hide", "show progress"}));
}

TEST_F(JoinActionTest, NewOutputIsNotQuestioned) {
    settings_.SelectJoinMode(JoinMode::Convert);
    EXPECT_EQ(Run({Source("a.mp4"), Source("b.mp4")}), JoinActionResult::Started);
    EXPECT_TRUE(messages_.Shown.isEmpty());
}

TEST(BrowseForFolder, ChoiceReplacesTheFolderAndCancelKeepsIt) {
    OutputSettings settings;
    settings.FolderText = QStringLiteral("/before");
    FakeBrowser browser;
    BrowseForFolder(settings, browser);
    EXPECT_EQ(settings.FolderText, QStringLiteral("/before"));
    browser.Choice = QStringLiteral("/chosen");
    BrowseForFolder(settings, browser);
    EXPECT_EQ(settings.FolderText, QStringLiteral("/chosen"));
    EXPECT_EQ(browser.Opened, 2);
}

TEST(JoinListRows, CopiesTheRowsInJoinOrder) {
    JoinList list;
    MediaItem first;
    first.SourcePath = QStringLiteral("/a.mp4");
    MediaItem second;
    second.SourcePath = QStringLiteral("/b.mp4");
    list.Append(first);
    list.Append(second);
    const std::vector<MediaItem> rows = JoinListRows(list);
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[0], first);
    EXPECT_EQ(rows[1], second);
}

}  // namespace

}  // namespace veltrano
