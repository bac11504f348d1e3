// The list's copy notes follow the rows: a judgement on a scripted worker, applied on the
// user-interface thread, dropped when the rows changed meanwhile.
#include "app/main/copy_marker.h"

#include <gtest/gtest.h>

#include <QCoreApplication>

namespace veltrano {

namespace {

// A file can follow the first when its name starts with the same letter.
class LetterChecker : public CopyChecker {
public:
    Result<std::vector<Status>> CheckCopy(const std::vector<QString>& files, const QString&,
                                          const QString&, const std::atomic<bool>&) override {
        ++Calls;
        std::vector<Status> verdicts(files.size());
        for (std::size_t i = 1; i < files.size(); ++i) {
            if (files[i].front() != files.front().front()) {
                verdicts[i] =
                    Status::Failed(files[i] + QStringLiteral(" differs from ") + files.front());
            }
        }
        return verdicts;
    }
    int Calls = 0;
};

// Holds the work until the test lets it run.
class ScriptedLauncher : public WorkerLauncher {
public:
    void Launch(std::function<void()> work) override { pending_ = std::move(work); }
    void Wait() override {}
    bool HasWork() const { return static_cast<bool>(pending_); }
    void RunWork() {
        std::function<void()> work = std::move(pending_);
        pending_ = nullptr;
        work();
    }

private:
    std::function<void()> pending_;
};

class CopyMarkerTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        if (QCoreApplication::instance() == nullptr) {
            static int argc = 1;
            static char name[] = "app_main_tests";
            static char* argv[] = {name, nullptr};
            static QCoreApplication app(argc, argv);  // queued calls need one
        }
    }

    void Add(const char* name) {
        MediaItem item;
        item.SourcePath = QString::fromLatin1(name);
        list_.Append(item);
    }
    // Lets the event loop start the judgement, runs it on the "worker", applies its result.
    void Settle() {
        QCoreApplication::processEvents();
        while (launcher_.HasWork()) {
            launcher_.RunWork();
            QCoreApplication::processEvents();
        }
    }
    QStringList Notes() const {
        QStringList notes;
        for (int row = 0; row < list_.Count(); ++row) {
            notes << list_.CopyNote(row);
        }
        return notes;
    }

    JoinList list_;
    LetterChecker checker_;
    ScriptedLauncher launcher_;
    CopyMarker marker_{list_, checker_, launcher_, 0};  // judged at the next pass of the loop
};

TEST_F(CopyMarkerTest, NotesFollowANewFirstRowAMoveAndARemoval) {
    Add("a1.mp4");
    Add("a2.mp4");
    Add("b1.mp4");
    Settle();
    EXPECT_EQ(checker_.Calls, 1) << "one judgement for the three rows added together";
    EXPECT_EQ(Notes(), QStringList({"", "", "b1.mp4 differs from a1.mp4"}));

    // b1.mp4 moves to the top: now the two others differ from it.
    list_.SetFocusedRow(2);
    list_.MoveUp();
    EXPECT_EQ(Notes(), QStringList({"", "b1.mp4 differs from a1.mp4", ""}))
        << "until judged again, a note stays with its row";
    list_.SetFocusedRow(1);
    list_.MoveUp();
    Settle();
    EXPECT_EQ(Notes(),
              QStringList({"", "a1.mp4 differs from b1.mp4", "a2.mp4 differs from b1.mp4"}));

    // Removing the first row makes a1.mp4 the first: nothing differs any more.
    list_.SetSelected(0, true);
    list_.RemoveSelected();
    Settle();
    EXPECT_EQ(Notes(), QStringList({"", ""}));
}

TEST_F(CopyMarkerTest, AJudgementOfRowsThatChangedMeanwhileIsDropped) {
    Add("a1.mp4");
    Add("b1.mp4");
    QCoreApplication::processEvents();
    ASSERT_TRUE(launcher_.HasWork());
    list_.SetSelected(1, true);
    list_.RemoveSelected();
    Add("c1.mp4");
    QCoreApplication::processEvents();
    launcher_.RunWork();  // judges a1, b1: no longer the list
    QCoreApplication::processEvents();
    EXPECT_EQ(Notes(), QStringList({"", ""})) << "the stale judgement must not mark c1.mp4";
    Settle();
    EXPECT_EQ(Notes(), QStringList({"", "c1.mp4 differs from a1.mp4"}));
}

}  // namespace

}  // namespace veltrano
