#include "ui/progress/form_converting.h"

#include <gtest/gtest.h>

#include <QGroupBox>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>

#include "tests/ui/progress/progress_test_fakes.h"

namespace veltrano {
namespace {

class FormConvertingTest : public ProgressFixture {
protected:
    FormConverting window{nullptr, runner, taskbar, sound, notice};

    JoinRunner::RunResult Run() { return runner.RunJoin(window, Sources(), Request()); }
    void ExpectFreshWindow() {
        EXPECT_EQ(window.windowTitle(), QStringLiteral("Please wait..."));
        EXPECT_EQ(window.BtnStop()->text(), QStringLiteral("Cancel"));
        EXPECT_EQ(window.Text1()->text(), QString());
        EXPECT_EQ(window.Text2()->text(), QString());
        EXPECT_EQ(window.Text3()->text(), QString());
        EXPECT_EQ(window.ProgressBar1()->value(), 0);
    }
};

TEST_F(FormConvertingTest, HasItsControlsWhereTheyBelongWithNamesAndCaptions) {
    EXPECT_EQ(window.objectName(), QStringLiteral("FormConverting"));
    EXPECT_EQ(window.size(), QSize(294, 197));
    EXPECT_EQ(window.windowModality(), Qt::WindowModal);
    struct Expected {
        const char* name;
        QRect geometry;
    };
    // Twips / 15, rounded.
    for (const Expected& control : {Expected{"ProgressBar1", QRect(12, 12, 270, 21)},
                                    Expected{"GroupBox1", QRect(12, 38, 268, 108)},
                                    Expected{"BtnStop", QRect(99, 158, 97, 27)}}) {
        auto* widget = window.findChild<QWidget*>(QString::fromLatin1(control.name));
        ASSERT_NE(widget, nullptr) << control.name;
        EXPECT_EQ(widget->geometry(), control.geometry) << control.name;
        EXPECT_FALSE(widget->accessibleName().isEmpty()) << control.name;
    }
    // Captions keep their place and grow when the font needs it; the fields keep their right
    // edge and top, and stay in one column right of the widest caption.
    struct Row {
        const char* label;
        QRect labelAt;
        const char* field;
        QRect fieldAt;
    };
    int fieldsLeft = -1;
    for (const Row& row :
         {Row{"Label3", QRect(12, 22, 86, 14), "Text1", QRect(120, 17, 136, 22)},
          Row{"Label4", QRect(12, 50, 100, 14), "Text2", QRect(120, 45, 136, 22)},
          Row{"Label5", QRect(12, 79, 97, 14), "Text3", QRect(120, 74, 136, 22)}}) {
        auto* label = window.findChild<QLabel*>(QString::fromLatin1(row.label));
        auto* field = window.findChild<QLineEdit*>(QString::fromLatin1(row.field));
        ASSERT_NE(label, nullptr) << row.label;
        ASSERT_NE(field, nullptr) << row.field;
        EXPECT_EQ(label->pos(), row.labelAt.topLeft()) << row.label;
        EXPECT_GE(label->width(), row.labelAt.width()) << row.label;
        EXPECT_GE(label->width(), label->fontMetrics().horizontalAdvance(label->text().trimmed()))
            << row.label << " shows its whole caption";
        EXPECT_EQ(field->y(), row.fieldAt.y()) << row.field;
        EXPECT_EQ(field->height(), row.fieldAt.height()) << row.field;
        EXPECT_EQ(field->geometry().right(), row.fieldAt.right()) << row.field;
        EXPECT_GE(field->x(), row.fieldAt.x()) << row.field;
        EXPECT_GT(field->x(), label->geometry().right()) << row.field;
        EXPECT_GE(field->width(),
                  field->fontMetrics().horizontalAdvance(QStringLiteral("00:00:00")))
            << row.field;
        EXPECT_FALSE(field->accessibleName().isEmpty()) << row.field;
        if (fieldsLeft >= 0) {
            EXPECT_EQ(field->x(), fieldsLeft) << "one column";
        }
        fieldsLeft = field->x();
    }
    auto* group = window.findChild<QGroupBox*>(QStringLiteral("GroupBox1"));
    EXPECT_TRUE(group->title().isEmpty());
    for (auto [name, text] :
         {std::pair{"Label3", "Time Elapsed: "}, std::pair{"Label4", "Remaining Time:"},
          std::pair{"Label5", "Estimated Size: "}}) {
        auto* label = window.findChild<QLabel*>(QString::fromLatin1(name));
        ASSERT_NE(label, nullptr);
        EXPECT_EQ(label->text(), QString::fromLatin1(text));
        EXPECT_TRUE(label->font().bold()) << name;
        EXPECT_EQ(label->parentWidget(), group) << name;
        EXPECT_NE(label->buddy(), nullptr) << name;
    }
    EXPECT_TRUE(window.Text1()->isReadOnly());
    EXPECT_FALSE(window.windowIcon().isNull());
}

TEST_F(FormConvertingTest, RunningShowsTheReportAfterOneMinuteOfFour) {
    ASSERT_EQ(Run(), JoinRunner::RunResult::Started);
    ExpectFreshWindow();
    EXPECT_FALSE(window.IsClosed());

    Progress(100.0, 0, 0, 240 * kSecond);  // the first report only takes the start time
    EXPECT_EQ(window.Text1()->text(), QString());
    Progress(160.0, 10'000'000, 60 * kSecond, 240 * kSecond);
    EXPECT_EQ(window.ProgressBar1()->value(), 25);
    EXPECT_EQ(window.Text1()->text(), QStringLiteral("00:01:00"));
    EXPECT_EQ(window.Text2()->text(), QStringLiteral("00:03:00"));
    EXPECT_EQ(window.Text3()->text(), QStringLiteral("38.1 MB"));
    EXPECT_EQ(taskbar.calls, QStringList{QStringLiteral("25")});
    EXPECT_EQ(window.windowTitle(), QStringLiteral("Please wait..."));
    EXPECT_EQ(window.BtnStop()->text(), QStringLiteral("Cancel"));
}

TEST_F(FormConvertingTest, NotStartedWaitsForItsButton) {
    encoder.RefusedInputs.insert(QStringLiteral("/videos/b.mp4"));
    encoder.LastError = QStringLiteral("Invalid data found when processing input");
    window.show();
    ASSERT_EQ(Run(), JoinRunner::RunResult::InputFailed);
    ASSERT_EQ(messages.Shown.size(), 1);
    EXPECT_TRUE(messages.Shown[0].Text.contains(QStringLiteral("/videos/b.mp4")));
    EXPECT_FALSE(window.IsClosed());
    EXPECT_TRUE(window.isVisible());
    ExpectFreshWindow();
    EXPECT_FALSE(encoder.Calls.contains(QStringLiteral("StartJobs 1")));

    window.BtnStop()->click();
    EXPECT_TRUE(window.IsClosed());
    EXPECT_FALSE(window.isVisible());
    EXPECT_GE(StopJobsCalls(), 1);
}

TEST_F(FormConvertingTest, CompletedShowsFinishedAndRaisesTheNoticeThatOutlivesIt) {
    window.show();
    ASSERT_EQ(Run(), JoinRunner::RunResult::Started);
    Progress(10.0, 0, 0, 240 * kSecond);
    Progress(70.0, 10'000'000, 60 * kSecond, 240 * kSecond);
    Terminated(0, true, false);

    EXPECT_EQ(window.windowTitle(), QStringLiteral("Join Finished!"));
    EXPECT_EQ(window.BtnStop()->text(), QStringLiteral("Close"));
    EXPECT_EQ(window.BtnStop()->accessibleName(), QStringLiteral("Close"));
    EXPECT_EQ(window.ProgressBar1()->value(), 100);
    EXPECT_EQ(window.Text1()->text(), QStringLiteral("00:01:00")) << "keeps the last elapsed time";
    EXPECT_EQ(window.Text2()->text(), QStringLiteral("00:00:00"));
    EXPECT_EQ(window.Text3()->text(), QStringLiteral("38.1 MB"));
    EXPECT_EQ(sound.plays, 1);
    EXPECT_EQ(taskbar.calls, (QStringList{QStringLiteral("25"), QStringLiteral("cleared")}));
    EXPECT_TRUE(notice.isVisible());
    EXPECT_EQ(notice.OutputFolder(), QStringLiteral("/videos/out/"));
    EXPECT_TRUE(window.isVisible()) << "stays until the user presses Close";

    window.BtnStop()->click();
    EXPECT_TRUE(window.IsClosed());
    EXPECT_FALSE(window.isVisible());
    EXPECT_TRUE(notice.isVisible()) << "the notice lives on after the window";
    EXPECT_GE(StopJobsCalls(), 1) << "stopping an ended job is harmless";
}

TEST_F(FormConvertingTest, ACompletedJobsNoteShowsUnderTheButton) {
    window.show();
    ASSERT_EQ(Run(), JoinRunner::RunResult::Started);
    EXPECT_FALSE(window.NoteLabel()->isVisible());
    const QString note = QStringLiteral(
        "Left out: audio track 2 (fre), subtitles 1 (eng) \u2014 not in every file.");
    Terminated(0, true, false, note);

    EXPECT_EQ(window.windowTitle(), QStringLiteral("Join Finished!"));
    EXPECT_TRUE(window.NoteLabel()->isVisible());
    EXPECT_EQ(window.NoteLabel()->text(), note);
    EXPECT_GT(window.NoteLabel()->y(), window.BtnStop()->geometry().bottom());
    EXPECT_LE(window.NoteLabel()->geometry().bottom(), window.height())
        << "the window grew to hold it";
    EXPECT_TRUE(notice.isVisible());
    EXPECT_TRUE(messages.Shown.isEmpty());

    // The notice shows it too, in a band it grows for, under its own items.
    EXPECT_EQ(notice.Note(), note);
    EXPECT_EQ(notice.width(), 220);
    EXPECT_GE(notice.NoteRect().top(), 70);
    EXPECT_TRUE(notice.rect().contains(notice.NoteRect()));
    const QImage image = notice.grab().toImage();
    bool noteInk = false;
    for (int y = notice.NoteRect().top(); y <= notice.NoteRect().bottom() && !noteInk; ++y) {
        for (int x = notice.NoteRect().left(); x <= notice.NoteRect().right() && !noteInk; ++x) {
            noteInk = qGray(image.pixel(x, y)) < 128;
        }
    }
    EXPECT_TRUE(noteInk) << "the note is drawn";
    EXPECT_EQ(QColor(image.pixel(3, image.height() - 3)), QColor(255, 255, 225));
}

// The output was renamed into place just before the user's Cancel: the join is complete and
// ends as such.
TEST_F(FormConvertingTest, ACancelThatFindsTheJoinCompleteShowsTheCompletion) {
    window.show();
    ASSERT_EQ(Run(), JoinRunner::RunResult::Started);
    Progress(10.0, 0, 0, 240 * kSecond);
    encoder.CompleteOnStop(QStringLiteral("Left out: subtitles 1 (eng)."));

    window.BtnStop()->click();
    EXPECT_FALSE(window.IsClosed());
    EXPECT_TRUE(window.isVisible());
    EXPECT_EQ(window.windowTitle(), QStringLiteral("Join Finished!"));
    EXPECT_EQ(window.BtnStop()->text(), QStringLiteral("Close"));
    EXPECT_EQ(window.ProgressBar1()->value(), 100);
    EXPECT_EQ(sound.plays, 1);
    EXPECT_TRUE(notice.isVisible());
    EXPECT_EQ(notice.Note(), QStringLiteral("Left out: subtitles 1 (eng)."));
    EXPECT_EQ(taskbar.calls.last(), QStringLiteral("cleared"));

    window.BtnStop()->click();
    EXPECT_TRUE(window.IsClosed());
    EXPECT_TRUE(notice.isVisible()) << "the notice lives on after the window";
}

TEST_F(FormConvertingTest, CancelDuringARunClosesAtOnceAndClearsTheTaskbar) {
    window.show();
    ASSERT_EQ(Run(), JoinRunner::RunResult::Started);
    Progress(10.0, 0, 0, 240 * kSecond);
    Progress(70.0, 10'000'000, 60 * kSecond, 240 * kSecond);
    encoder.Calls.clear();

    window.BtnStop()->click();
    EXPECT_TRUE(window.IsClosed());
    EXPECT_FALSE(window.isVisible());
    EXPECT_TRUE(runner.StopRequested());
    EXPECT_EQ(StopJobsCalls(), 2) << "the stop, then the window's close handling";
    EXPECT_EQ(taskbar.calls.last(), QStringLiteral("cleared"));
    EXPECT_EQ(sound.plays, 0);
    EXPECT_FALSE(notice.isVisible());
}

TEST_F(FormConvertingTest, LateEventsAfterTheCloseBoxNeverReopenOrRepaint) {
    window.show();
    ASSERT_EQ(Run(), JoinRunner::RunResult::Started);
    Progress(10.0, 0, 0, 240 * kSecond);
    Progress(70.0, 10'000'000, 60 * kSecond, 240 * kSecond);
    encoder.Calls.clear();

    EXPECT_TRUE(window.close());
    EXPECT_TRUE(window.IsClosed());
    EXPECT_EQ(StopJobsCalls(), 1);
    EXPECT_FALSE(runner.StopRequested()) << "the close box is no stop request";
    EXPECT_EQ(taskbar.calls.last(), QStringLiteral("cleared")) << "no progress left behind";
    const QStringList taskbarBefore = taskbar.calls;

    Progress(130.0, 20'000'000, 120 * kSecond, 240 * kSecond);
    Terminated(0, true, false);
    Terminated(-1, false, true, QStringLiteral("late failure"));
    EXPECT_FALSE(window.isVisible());
    EXPECT_EQ(window.ProgressBar1()->value(), 25);
    EXPECT_EQ(window.Text1()->text(), QStringLiteral("00:01:00"));
    EXPECT_EQ(window.windowTitle(), QStringLiteral("Please wait..."));
    EXPECT_EQ(sound.plays, 0);
    EXPECT_FALSE(notice.isVisible());
    EXPECT_TRUE(messages.Shown.isEmpty());
    EXPECT_EQ(taskbar.calls, taskbarBefore);

    // Even a view call that slipped through paints nothing on a closed window.
    window.SetProgress(90);
    window.SetCaption(QStringLiteral("Join Finished!"));
    window.ShowCompletionNotice(QStringLiteral("/elsewhere/"), QString());
    window.PlayCompletionSound();
    EXPECT_EQ(window.ProgressBar1()->value(), 25);
    EXPECT_EQ(window.windowTitle(), QStringLiteral("Please wait..."));
    EXPECT_FALSE(notice.isVisible());
    EXPECT_EQ(sound.plays, 0);
    EXPECT_FALSE(window.isVisible());
}

TEST_F(FormConvertingTest, AFailureReportsAndClosesTheWindow) {
    window.show();
    ASSERT_EQ(Run(), JoinRunner::RunResult::Started);
    Terminated(-5, false, true, QStringLiteral("No space left on device"));
    ASSERT_EQ(messages.Shown.size(), 1);
    EXPECT_EQ(messages.Shown[0].Text, QStringLiteral("No space left on device"));
    EXPECT_EQ(messages.Shown[0].Icon, UserMessages::Icon::Warning);
    EXPECT_TRUE(window.IsClosed());
    EXPECT_FALSE(window.isVisible());
    EXPECT_EQ(taskbar.calls.last(), QStringLiteral("cleared"));
    EXPECT_EQ(sound.plays, 0);
}

TEST_F(FormConvertingTest, ARefusedOutputClosesTheWindowBeforeItIsShown) {
    encoder.RefuseOutput = true;
    encoder.LastError = QStringLiteral("Unknown encoder");
    ASSERT_EQ(Run(), JoinRunner::RunResult::OutputFailed);
    EXPECT_TRUE(window.IsClosed());
    EXPECT_FALSE(window.isVisible());
    EXPECT_EQ(StopJobsCalls(), 1) << "the window's close handling";
    ASSERT_EQ(messages.Shown.size(), 1);
    EXPECT_EQ(messages.Shown[0].Title, QStringLiteral("Error"));
}

TEST_F(FormConvertingTest, QueuedWorkRunsWhileTheJobStarts) {
    bool ran = false;
    QMetaObject::invokeMethod(
        &window, [&ran] { ran = true; }, Qt::QueuedConnection);
    ASSERT_EQ(Run(), JoinRunner::RunResult::Started);
    EXPECT_TRUE(ran) << "the start lets pending work through once";
}

TEST_F(FormConvertingTest, DestroyingAnOpenWindowStillEndsItsJob) {
    auto other = std::make_unique<FormConverting>(nullptr, runner, taskbar, sound, notice);
    ASSERT_EQ(runner.RunJoin(*other, Sources(), Request()), JoinRunner::RunResult::Started);
    encoder.Calls.clear();
    other.reset();
    EXPECT_EQ(StopJobsCalls(), 1);
    EXPECT_FALSE(runner.IsRunning());
    Progress(10.0, 0, 0, 240 * kSecond);  // no window left to paint: must not crash
    Progress(20.0, 1000, 10 * kSecond, 240 * kSecond);
    EXPECT_TRUE(taskbar.calls.isEmpty() || taskbar.calls.last() == QStringLiteral("cleared"));
}

}  // namespace
}  // namespace veltrano
