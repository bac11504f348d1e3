// The main window's list, status bar, drops, context menu, layout and start-up.
#include <gtest/gtest.h>

#include <QContextMenuEvent>
#include <QDragEnterEvent>
#include <QHeaderView>
#include <QMimeData>
#include <QStatusBar>
#include <QTest>

#include "tests/ui/main/form_main_harness.h"
#include "ui/common/file_dialog_chooser.h"
#include "ui/common/message_box_messages.h"

namespace {

using namespace veltrano;
using namespace veltrano::testing_ui;

std::unique_ptr<QMimeData> FileListData(const QStringList& paths) {
    auto data = std::make_unique<QMimeData>();
    QList<QUrl> urls;
    for (const QString& path : paths) {
        urls << QUrl::fromLocalFile(path);
    }
    data->setUrls(urls);
    return data;
}

TEST(FormMainListTest, ListShowsTheModelsColumnsWithAlternatingRowsAndNoSorting) {
    MainWindowHarness h;
    JoinListView* view = h.form->ListView();
    EXPECT_EQ(view->objectName(), QStringLiteral("ListView1"));
    EXPECT_FALSE(view->accessibleName().isEmpty());
    EXPECT_EQ(view->model()->columnCount(), 8);
    const QStringList headers{"File Name", "Type",     "Duration",    "Video Size",
                              "File Size", "Modified", "Video Codec", "Audio Codec"};
    for (int column = 0; column < 8; ++column) {
        EXPECT_EQ(view->model()->headerData(column, Qt::Horizontal).toString(), headers[column]);
        EXPECT_EQ(view->columnWidth(column), JoinListModel::StartupWidthPixels(column)) << column;
    }
    EXPECT_EQ(view->columnWidth(0), 353);
    EXPECT_EQ(view->selectionMode(), QAbstractItemView::ExtendedSelection);
    EXPECT_EQ(view->selectionBehavior(), QAbstractItemView::SelectRows);
    EXPECT_TRUE(view->alternatingRowColors());
    EXPECT_EQ(view->palette().color(QPalette::Base), QColor(Qt::white));
    EXPECT_EQ(view->palette().color(QPalette::AlternateBase), QColor(242, 246, 254));
    EXPECT_FALSE(view->header()->sectionsClickable());
    EXPECT_FALSE(view->isSortingEnabled());
    EXPECT_TRUE(view->acceptDrops());
    EXPECT_TRUE(view->viewport()->acceptDrops());

    h.AddRows(3);
    const QString first = h.list.Row(0).SourcePath;
    // A header click does nothing, even when asked for through the model.
    view->header()->setSortIndicator(0, Qt::DescendingOrder);
    view->model()->sort(0, Qt::DescendingOrder);
    EXPECT_EQ(h.list.Row(0).SourcePath, first);
    EXPECT_EQ(view->model()->index(0, 0).data().toString(), first);
    EXPECT_EQ(view->model()->index(0, 4).data(Qt::TextAlignmentRole).value<Qt::Alignment>() &
                  Qt::AlignHorizontal_Mask,
              Qt::AlignRight);
}

TEST(FormMainListTest, SelectionAndCurrentRowFollowEachOtherBothWays) {
    MainWindowHarness h;
    h.AddRows(4);
    h.form->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(h.form.get()));
    JoinListView* view = h.form->ListView();
    auto rowCentre = [view](int row) {
        return view->visualRect(view->model()->index(row, 1)).center();
    };

    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, rowCentre(1));
    QTest::mouseClick(view->viewport(), Qt::LeftButton, Qt::ControlModifier, rowCentre(3));
    EXPECT_FALSE(h.list.IsSelected(0));
    EXPECT_TRUE(h.list.IsSelected(1));
    EXPECT_FALSE(h.list.IsSelected(2));
    EXPECT_TRUE(h.list.IsSelected(3));
    EXPECT_EQ(h.list.FocusedRow(), std::optional<int>(3));

    // With rows 2 and 4 selected and row 4 current, Move Up exchanges rows 4 and 3 only.
    h.form->Dispatch(CommandId::MoveUp);
    EXPECT_EQ(h.list.FocusedRow(), std::optional<int>(2));
    EXPECT_EQ(view->currentIndex().row(), 2);
    QItemSelectionModel* selection = view->selectionModel();
    EXPECT_TRUE(selection->isRowSelected(1, {}));
    EXPECT_TRUE(selection->isRowSelected(2, {}));
    EXPECT_FALSE(selection->isRowSelected(3, {}));
    EXPECT_TRUE(view->hasFocus() || !QApplication::activeWindow());

    h.form->Dispatch(CommandId::RemoveSelected);
    ASSERT_EQ(h.list.Count(), 2);
    EXPECT_FALSE(selection->hasSelection());
    EXPECT_FALSE(h.list.FocusedRow().has_value()) << "the current row went with its file";

    h.form->Dispatch(CommandId::SelectAll);
    EXPECT_EQ(selection->selectedRows().size(), 2);
}

TEST(FormMainListTest, TotalsFollowTheListOnTheTimersTick) {
    MainWindowHarness h;
    ASSERT_TRUE(h.form->Load());
    EXPECT_EQ(h.form->TotalsTimer()->interval(), 300);
    EXPECT_TRUE(h.form->TotalsTimer()->isActive());
    EXPECT_EQ(h.form->TotalFilesPane()->text(), QStringLiteral("Total Files: 0"));
    EXPECT_EQ(h.form->TotalDurationPane()->text(), QStringLiteral("Total Duration: 00:00:00"));
    EXPECT_EQ(h.form->TotalFilesPane()->width(), 150);
    EXPECT_EQ(h.form->TotalDurationPane()->width(), 200);
    EXPECT_TRUE(h.form->statusBar()->isVisibleTo(h.form.get()));

    h.prober.ProbeFile(h.MakeFile("ten.mp4", 10));
    h.prober.ProbeFile(h.MakeFile("twenty.mp4", 20));
    h.form->RefreshTotals();
    EXPECT_EQ(h.form->TotalFilesPane()->text(), QStringLiteral("Total Files: 2"));
    EXPECT_EQ(h.form->TotalDurationPane()->text(), QStringLiteral("Total Duration: 00:00:30"));
    h.list.SetSelected(1, true);
    h.form->Dispatch(CommandId::RemoveSelected);
    h.form->RefreshTotals();
    EXPECT_EQ(h.form->TotalDurationPane()->text(), QStringLiteral("Total Duration: 00:00:10"));
    h.form->Dispatch(CommandId::ClearAll);
    // The tick itself, without waiting for the clock.
    ASSERT_TRUE(QMetaObject::invokeMethod(h.form->TotalsTimer(), "timeout", Qt::DirectConnection));
    EXPECT_EQ(h.form->TotalFilesPane()->text(), QStringLiteral("Total Files: 0"));
    EXPECT_EQ(h.form->TotalDurationPane()->text(), QStringLiteral("Total Duration: 00:00:00"));
}

TEST(FormMainListTest, DropOfTwoFilesAndAFolderAddsTheTwoFiles) {
    MainWindowHarness h;
    const QString a = h.MakeFile("a.mp4", 2);
    const QString b = h.MakeFile("b.avi", 3);
    ASSERT_TRUE(QDir(h.files.path()).mkdir(QStringLiteral("folder.mp4")));
    const auto data = FileListData({a, h.files.filePath("folder.mp4"), b});
    QWidget* viewport = h.form->ListView()->viewport();

    QDragEnterEvent enter(QPoint(10, 10), Qt::CopyAction | Qt::MoveAction, data.get(),
                          Qt::LeftButton, {});
    QApplication::sendEvent(viewport, &enter);
    EXPECT_TRUE(enter.isAccepted());
    EXPECT_EQ(enter.dropAction(), Qt::CopyAction);

    QDropEvent drop(QPointF(10, 10), Qt::CopyAction | Qt::MoveAction, data.get(), Qt::LeftButton,
                    {});
    QApplication::sendEvent(viewport, &drop);
    EXPECT_TRUE(drop.isAccepted());
    EXPECT_EQ(drop.dropAction(), Qt::CopyAction);
    QCoreApplication::processEvents();  // probing starts once the drop has completed
    ASSERT_EQ(h.list.Count(), 2);
    EXPECT_EQ(h.list.Row(0).SourcePath, a);
    EXPECT_EQ(h.list.Row(1).SourcePath, b);
    EXPECT_TRUE(h.messages.Shown.isEmpty());
    EXPECT_EQ(h.feedback.WaitWindow(), nullptr) << "the wait window closes after the drop";
    EXPECT_FALSE(h.list.IsSelected(1)) << "a drop leaves the selection alone";
}

TEST(FormMainListTest, DragWithoutAFileListIsRefused) {
    MainWindowHarness h;
    QMimeData text;
    text.setText(QStringLiteral("/tmp/a.mp4"));
    QDragEnterEvent enter(QPoint(10, 10), Qt::CopyAction, &text, Qt::LeftButton, {});
    QApplication::sendEvent(h.form->ListView()->viewport(), &enter);
    EXPECT_FALSE(enter.isAccepted());
    QDropEvent drop(QPointF(10, 10), Qt::CopyAction, &text, Qt::LeftButton, {});
    QApplication::sendEvent(h.form->ListView()->viewport(), &drop);
    QCoreApplication::processEvents();
    EXPECT_EQ(h.list.Count(), 0);
}

TEST(FormMainListTest, RightClickOnTheEmptyListOpensTheContextMenu) {
    MainWindowHarness h;
    QMenu* shown = nullptr;
    QPoint where;
    h.form->SetMenuPopup([&](QMenu& menu, const QPoint& globalPos) {
        shown = &menu;
        where = globalPos;
    });
    h.form->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(h.form.get()));
    QWidget* viewport = h.form->ListView()->viewport();
    QTest::mouseClick(viewport, Qt::LeftButton, {}, QPoint(40, 40));
    EXPECT_EQ(shown, nullptr) << "other buttons do nothing";
    QTest::mouseClick(viewport, Qt::RightButton, {}, QPoint(40, 40));
    ASSERT_EQ(shown, h.form->ContextMenu());
    EXPECT_EQ(where, viewport->mapToGlobal(QPoint(40, 40)));
    // Its commands then do nothing on the empty list.
    for (QAction* action : shown->actions()) {
        action->trigger();
    }
    EXPECT_EQ(h.list.Count(), 0);
    EXPECT_TRUE(h.messages.Shown.isEmpty());
}

TEST(FormMainListTest, TheMenuKeyOpensTheContextMenuButAMousePressDoesNot) {
    MainWindowHarness h;
    int shown = 0;
    h.form->SetMenuPopup([&](QMenu&, const QPoint&) { ++shown; });
    QWidget* viewport = h.form->ListView()->viewport();
    QContextMenuEvent byMouse(QContextMenuEvent::Mouse, QPoint(5, 5),
                              viewport->mapToGlobal(QPoint(5, 5)));
    QApplication::sendEvent(viewport, &byMouse);
    EXPECT_EQ(shown, 0) << "the mouse's menu comes with the release";
    QContextMenuEvent byKey(QContextMenuEvent::Keyboard, QPoint(0, 0),
                            viewport->mapToGlobal(QPoint(0, 0)));
    QApplication::sendEvent(viewport, &byKey);
    EXPECT_EQ(shown, 1);
}

TEST(FormMainListTest, ResizingKeepsTheListFillingTheSpaceBetweenToolbarAndStatusBar) {
    MainWindowHarness h;
    ASSERT_TRUE(h.form->Load());
    h.form->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(h.form.get()));
    for (const QSize size : {QSize(688, 468), QSize(900, 700), QSize(500, 300)}) {
        h.form->resize(size);
        QCoreApplication::processEvents();
        const QRect list = h.form->ListView()->geometry();
        const QRect toolbar = h.form->Toolbar()->geometry();
        const QRect status = h.form->statusBar()->geometry();
        EXPECT_EQ(list.width(), h.form->width()) << size.width();
        EXPECT_EQ(list.top(), toolbar.bottom() + 1) << size.width();
        EXPECT_EQ(list.bottom() + 1, status.top()) << size.width();
        EXPECT_EQ(status.bottom() + 1, h.form->height()) << size.width();
    }
}

TEST(FormMainListTest, LoadAppliesTheSkinAndTheIcon) {
    MainWindowHarness h;
    QFile skin(h.programDir.filePath("skin.qss"));
    ASSERT_TRUE(skin.open(QIODevice::WriteOnly));
    skin.write("QTreeView#ListView1 { border: 1px solid #8aa4cc; }");
    skin.close();
    ASSERT_TRUE(h.form->Load());
    EXPECT_TRUE(h.form->styleSheet().contains(QLatin1String("#8aa4cc")));
    EXPECT_FALSE(h.form->windowIcon().isNull());
}

TEST(FormMainListTest, WaitWindowShowsWhileABatchIsProbedAndRefusesTheUsersClose) {
    MainWindowHarness h;
    h.form->show();
    FormWait* seen = nullptr;
    bool closeRefused = false;
    // The decoder runs inside the batch: look at the wait window from there.
    struct Peek : SizeAsDurationDecoder {
        std::function<void()> during;
        bool OpenMedia(const QString& path, const QString& options) override {
            if (during) {
                during();
            }
            return SizeAsDurationDecoder::OpenMedia(path, options);
        }
    } decoder;
    MediaProber prober(decoder, h.list, h.messages, h.feedback);
    decoder.during = [&] {
        seen = h.feedback.WaitWindow();
        if (seen != nullptr) {
            EXPECT_TRUE(seen->isVisible());
            EXPECT_TRUE(h.feedback.BusyPointerShown());
            closeRefused = !seen->close();
        }
    };
    h.chooser.answer = QStringList{h.MakeFile("x.mp4"), h.MakeFile("y.mp4")};
    prober.AddFiles(h.chooser);
    ASSERT_NE(seen, nullptr);
    EXPECT_TRUE(closeRefused);
    EXPECT_EQ(h.feedback.WaitWindow(), nullptr);
    EXPECT_FALSE(h.feedback.BusyPointerShown());
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    EXPECT_EQ(h.list.Count(), 2);
    EXPECT_TRUE(h.list.IsSelected(1));
}

TEST(FormMainListTest, AddFilesBringsTheSelectedLastRowIntoView) {
    MainWindowHarness h;
    h.form->show();
    QStringList chosen;
    for (int i = 0; i < 60; ++i) {
        chosen << h.MakeFile(QStringLiteral("clip%1.mp4").arg(i));
    }
    h.chooser.answer = chosen;
    h.form->Action(CommandId::AddFiles)->trigger();
    ASSERT_EQ(h.list.Count(), 60);
    ASSERT_TRUE(h.list.IsSelected(59));
    const JoinListView* view = h.form->ListView();
    const QRect last = view->visualRect(view->model()->index(59, 0));
    ASSERT_GT(view->visualRect(view->model()->index(0, 0)).height() * 60,
              view->viewport()->height())
        << "the rows must overflow the view";
    EXPECT_TRUE(view->viewport()->rect().intersects(last));
}

TEST(FormMainListTest, EventLoopPassesBetweenFilesAreSpacedByTheClock) {
    MainWindowHarness h;
    int handled = 0;
    auto post = [&handled] {
        QMetaObject::invokeMethod(
            QCoreApplication::instance(), [&handled] { ++handled; }, Qt::QueuedConnection);
    };
    h.clock.Seconds = 100.0;
    h.feedback.ShowWaitWindow();
    post();
    h.feedback.ProcessPendingEvents();
    EXPECT_EQ(handled, 1) << "the first pass after the wait window opens always runs";
    post();
    h.clock.Seconds = 100.03;
    h.feedback.ProcessPendingEvents();
    EXPECT_EQ(handled, 1) << "too soon after the last pass";
    h.clock.Seconds = 100.25;
    h.feedback.ProcessPendingEvents();
    EXPECT_EQ(handled, 2);
    h.feedback.CloseWaitWindow();
    h.feedback.ShowWaitWindow();
    post();
    h.feedback.ProcessPendingEvents();
    EXPECT_EQ(handled, 3) << "a new wait window is drawn at once";
    h.feedback.CloseWaitWindow();
}

TEST(FormWaitTest, CaptionTextAndSize) {
    App();
    FormWait wait;
    EXPECT_EQ(wait.windowTitle(), QStringLiteral("Please wait..."));
    EXPECT_EQ(wait.objectName(), QStringLiteral("FormWait"));
    EXPECT_EQ(wait.size(), QSize(294, 61));
    auto* label = wait.findChild<QLabel*>(QStringLiteral("Label3"));
    ASSERT_NE(label, nullptr);
    EXPECT_EQ(label->text(), QStringLiteral("Reading files, please wait..."));
    EXPECT_EQ(label->geometry(), QRect(24, 20, 244, 19));
    EXPECT_FALSE(wait.windowIcon().isNull());
    EXPECT_EQ(wait.windowModality(), Qt::NonModal);
    wait.show();
    EXPECT_FALSE(wait.close());
    wait.CloseByProgram();
    EXPECT_FALSE(wait.isVisible());
}

TEST(CommonDialogsTest, FileDialogGetsTheSeventeenFiltersAndMessagesUseLineFeeds) {
    FileChoiceRequest request;
    request.Filters = AddFilesFilters();
    const QStringList filters = FileDialogChooser::NameFilters(request);
    ASSERT_EQ(filters.size(), 17);
    EXPECT_TRUE(filters[0].startsWith(QLatin1String("All Supported Video Files (*.3gp ")));
    EXPECT_EQ(filters[16], QStringLiteral("All Files (*.*) (*)"));
    EXPECT_EQ(MessageBoxMessages::DisplayText(QStringLiteral("Can not open file: \r\na.mp4")),
              QStringLiteral("Can not open file: \na.mp4"));
}

}  // namespace
