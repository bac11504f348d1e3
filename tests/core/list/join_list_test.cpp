#include "core/list/join_list.h"

#include <gtest/gtest.h>

#include <QSignalSpy>

namespace veltrano {

namespace {

MediaItem Item(const QString& path, double seconds = 1.0) {
    MediaItem item;
    item.SourcePath = path;
    item.TypeText = QStringLiteral("MP4");
    item.DurationSeconds = seconds;
    return item;
}

// A list of rows "1".."n"; rows given in `selected` (1-based) are selected.
void Fill(JoinList& list, int n, std::initializer_list<int> selected = {}) {
    for (int i = 1; i <= n; ++i) {
        list.Append(Item(QString::number(i)));
    }
    for (int row : selected) {
        list.SetSelected(row - 1, true);
    }
}

QStringList Paths(const JoinList& list) {
    QStringList paths;
    for (int i = 0; i < list.Count(); ++i) {
        paths << list.Row(i).SourcePath;
    }
    return paths;
}

QList<int> SelectedRows(const JoinList& list) {
    QList<int> rows;
    for (int i = 0; i < list.Count(); ++i) {
        if (list.IsSelected(i)) {
            rows << i + 1;
        }
    }
    return rows;
}

TEST(JoinListTest, SameFileTwiceGivesTwoRows) {
    JoinList list;
    list.Append(Item(QStringLiteral("/v/a.mp4")));
    list.Append(Item(QStringLiteral("/v/a.mp4")));
    ASSERT_EQ(list.Count(), 2);
    EXPECT_EQ(list.Row(0), list.Row(1));
    EXPECT_EQ(list.SourcePaths().size(), 2u);
}

TEST(JoinListTest, RemoveSelectedKeepsOrderOfTheRest) {
    JoinList list;
    Fill(list, 5, {1, 3, 5});
    QSignalSpy focus(&list, &JoinList::FocusRequested);
    list.RemoveSelected();
    EXPECT_EQ(Paths(list), (QStringList{"2", "4"}));
    EXPECT_TRUE(SelectedRows(list).isEmpty());
    EXPECT_EQ(focus.count(), 1);
}

TEST(JoinListTest, RemoveSelectedWithNothingSelectedOrEmpty) {
    JoinList list;
    QSignalSpy focus(&list, &JoinList::FocusRequested);
    list.RemoveSelected();
    EXPECT_EQ(focus.count(), 0) << "an empty list does not take the focus";
    Fill(list, 3);
    list.RemoveSelected();
    EXPECT_EQ(list.Count(), 3);
    EXPECT_EQ(focus.count(), 1);
}

TEST(JoinListTest, RemoveSelectedMovesFocusWithItsFileOrDropsIt) {
    JoinList list;
    Fill(list, 4, {1});
    list.SetFocusedRow(3);  // file "4"
    list.RemoveSelected();
    ASSERT_TRUE(list.FocusedRow().has_value());
    EXPECT_EQ(list.Row(*list.FocusedRow()).SourcePath, QStringLiteral("4"));

    list.SetSelected(*list.FocusedRow(), true);
    list.RemoveSelected();
    EXPECT_FALSE(list.FocusedRow().has_value());
}

TEST(JoinListTest, ClearSelectAllInvert) {
    JoinList list;
    list.SelectAll();
    list.InvertSelection();
    EXPECT_EQ(list.Count(), 0);

    Fill(list, 4, {2});
    list.InvertSelection();
    EXPECT_EQ(SelectedRows(list), (QList<int>{1, 3, 4}));
    list.InvertSelection();
    EXPECT_EQ(SelectedRows(list), (QList<int>{2})) << "inverting twice restores the selection";
    list.SelectAll();
    EXPECT_EQ(SelectedRows(list), (QList<int>{1, 2, 3, 4}));

    list.SetFocusedRow(1);
    list.ClearAll();
    EXPECT_EQ(list.Count(), 0);
    EXPECT_FALSE(list.FocusedRow().has_value());
}

TEST(JoinListTest, MoveUpMovesOnlyTheFocusedRowAndItsSelection) {
    JoinList list;
    Fill(list, 5, {2, 4});
    list.SetFocusedRow(3);  // row 4
    list.MoveUp();
    EXPECT_EQ(Paths(list), (QStringList{"1", "2", "4", "3", "5"}));
    EXPECT_EQ(SelectedRows(list), (QList<int>{2, 3}));
    EXPECT_EQ(list.FocusedRow(), 2);

    list.MoveUp();  // the same file moves again
    EXPECT_EQ(Paths(list), (QStringList{"1", "4", "2", "3", "5"}));
    EXPECT_EQ(list.FocusedRow(), 1);
}

TEST(JoinListTest, MoveKeepsAllNineFieldsTogether) {
    JoinList list;
    MediaItem a = Item(QStringLiteral("/a.avi"), 10.0);
    a.VideoCodec = QStringLiteral("mpeg4");
    a.FileSizeText = QStringLiteral("1.0 MB");
    MediaItem b = Item(QStringLiteral("/b.mkv"), 20.0);
    b.AudioCodec = QStringLiteral("aac");
    list.Append(a);
    list.Append(b);
    list.SetFocusedRow(1);
    list.MoveUp();
    EXPECT_EQ(list.Row(0), b);
    EXPECT_EQ(list.Row(1), a);
}

TEST(JoinListTest, MoveAtTheEdgesOrWithoutFocusChangesNothing) {
    JoinList list;
    list.MoveUp();
    list.MoveDown();
    Fill(list, 3, {1, 3});
    QSignalSpy selection(&list, &JoinList::SelectionChanged);
    list.MoveUp();  // no focused row
    list.SetFocusedRow(0);
    list.MoveUp();
    list.SetFocusedRow(2);
    list.MoveDown();
    EXPECT_EQ(Paths(list), (QStringList{"1", "2", "3"}));
    EXPECT_EQ(SelectedRows(list), (QList<int>{1, 3}));
    EXPECT_EQ(selection.count(), 0);
}

TEST(JoinListTest, MoveDownExchangesWithTheRowBelow) {
    JoinList list;
    Fill(list, 3, {1});
    list.SetFocusedRow(0);
    list.MoveDown();
    EXPECT_EQ(Paths(list), (QStringList{"2", "1", "3"}));
    EXPECT_EQ(SelectedRows(list), (QList<int>{2}));
    EXPECT_EQ(list.FocusedRow(), 1);
}

TEST(JoinListTest, FocusedRowWithEmptyPathDoesNotMove) {
    JoinList list;
    list.Append(Item(QStringLiteral("1")));
    list.Append(Item(QString()));
    list.SetFocusedRow(1);
    list.MoveUp();
    EXPECT_EQ(list.Row(1).SourcePath, QString());
}

TEST(JoinListTest, SelectOnlyLast) {
    JoinList list;
    list.SelectOnlyLast();
    Fill(list, 3, {1, 2});
    list.SelectOnlyLast();
    EXPECT_EQ(SelectedRows(list), (QList<int>{3}));
}

}  // namespace

}  // namespace veltrano
