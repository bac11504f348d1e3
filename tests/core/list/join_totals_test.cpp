#include "core/list/join_totals.h"

#include <gtest/gtest.h>

#include "core/list/join_list.h"

namespace veltrano {

namespace {

MediaItem Item(const QString& path, double seconds) {
    MediaItem item;
    item.SourcePath = path;
    item.DurationSeconds = seconds;
    return item;
}

TEST(JoinTotalsTest, FollowsAdditionsRemovalsAndClearing) {
    JoinList list;
    JoinTotals totals;
    EXPECT_EQ(totals.FilesText(), QStringLiteral("Total Files: 0"));
    EXPECT_EQ(totals.DurationText(), QStringLiteral("Total Duration: 00:00:00"));

    list.Append(Item(QStringLiteral("a"), 10));
    list.Append(Item(QStringLiteral("b"), 20));
    totals.RefreshTotals(list);
    EXPECT_EQ(totals.FilesText(), QStringLiteral("Total Files: 2"));
    EXPECT_EQ(totals.DurationText(), QStringLiteral("Total Duration: 00:00:30"));

    list.SetSelected(1, true);
    list.RemoveSelected();
    totals.RefreshTotals(list);
    EXPECT_EQ(totals.FilesText(), QStringLiteral("Total Files: 1"));
    EXPECT_EQ(totals.DurationText(), QStringLiteral("Total Duration: 00:00:10"));

    list.ClearAll();
    totals.RefreshTotals(list);
    EXPECT_EQ(totals.FilesText(), QStringLiteral("Total Files: 0"));
    EXPECT_EQ(totals.DurationText(), QStringLiteral("Total Duration: 00:00:00"));
}

// A removal and an addition between two ticks leave the count as it was; the totals must
// still follow the new durations.
TEST(JoinTotalsTest, RemovalAndAdditionWithinOneTickAreNotMissed) {
    JoinList list;
    JoinTotals totals;
    list.Append(Item(QStringLiteral("a"), 10));
    list.Append(Item(QStringLiteral("b"), 20));
    totals.RefreshTotals(list);

    list.SetSelected(1, true);
    list.RemoveSelected();
    list.Append(Item(QStringLiteral("c"), 100));
    EXPECT_TRUE(totals.RefreshTotals(list));
    EXPECT_EQ(totals.FilesText(), QStringLiteral("Total Files: 2"));
    EXPECT_EQ(totals.DurationText(), QStringLiteral("Total Duration: 00:01:50"));
}

TEST(JoinTotalsTest, UnchangedListIsNotRecomputedAndReorderingKeepsTotals) {
    JoinList list;
    JoinTotals totals;
    list.Append(Item(QStringLiteral("a"), 10));
    list.Append(Item(QStringLiteral("b"), 20));
    EXPECT_TRUE(totals.RefreshTotals(list));
    EXPECT_FALSE(totals.RefreshTotals(list));
    list.SetFocusedRow(1);
    list.MoveUp();
    totals.RefreshTotals(list);
    EXPECT_EQ(totals.DurationText(), QStringLiteral("Total Duration: 00:00:30"));

    MediaItem longer = list.Row(0);
    longer.DurationSeconds = 3600;
    list.UpdateRow(0, longer);
    EXPECT_TRUE(totals.RefreshTotals(list));
    EXPECT_EQ(totals.DurationText(), QStringLiteral("Total Duration: 01:00:10"));
}

}  // namespace

}  // namespace veltrano
