#include "core/list/join_list_model.h"

#include <gtest/gtest.h>

#include <QAbstractItemModelTester>

#include "core/list/join_list.h"

namespace veltrano {

namespace {

MediaItem Item(const QString& path) {
    MediaItem item;
    item.SourcePath = path;
    item.TypeText = QStringLiteral("MP4");
    item.DurationText = QStringLiteral("00:00:10");
    item.VideoSizeText = QStringLiteral("640 X 480");
    item.FileSizeText = QStringLiteral("1.0 MB");
    item.ModifiedText = QStringLiteral("2026/01/02 03:04:05");
    item.VideoCodec = QStringLiteral("h264");
    item.AudioCodec = QStringLiteral("aac");
    return item;
}

TEST(JoinListModelTest, ColumnsInOrderWithHeadersAlignmentsAndWidths) {
    JoinList list;
    JoinListModel model(list);
    const QStringList headers{"File Name", "Type",     "Duration",    "Video Size",
                              "File Size", "Modified", "Video Codec", "Audio Codec"};
    const QList<int> widths{353, 89, 153, 176, 153, 234, 169, 169};
    const QList<Qt::Alignment> horizontal{Qt::AlignLeft,    Qt::AlignHCenter, Qt::AlignHCenter,
                                          Qt::AlignHCenter, Qt::AlignRight,   Qt::AlignLeft,
                                          Qt::AlignLeft,    Qt::AlignLeft};
    ASSERT_EQ(model.columnCount(), 8);
    for (int c = 0; c < 8; ++c) {
        EXPECT_EQ(model.headerData(c, Qt::Horizontal).toString(), headers[c]);
        EXPECT_EQ(JoinListModel::StartupWidthPixels(c), widths[c]);
        const auto alignment =
            model.headerData(c, Qt::Horizontal, Qt::TextAlignmentRole).value<Qt::Alignment>();
        EXPECT_EQ(alignment & Qt::AlignHorizontal_Mask, horizontal[c]) << c;
    }
}

TEST(JoinListModelTest, RowsFollowTheListAndSortingNeverReorders) {
    JoinList list;
    JoinListModel model(list);
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::Fatal);
    list.Append(Item(QStringLiteral("/b.mp4")));
    list.Append(Item(QStringLiteral("/a.mp4")));
    list.Append(Item(QStringLiteral("/c.mp4")));
    ASSERT_EQ(model.rowCount(), 3);
    EXPECT_EQ(model.data(model.index(1, JoinListModel::FileName)).toString(),
              QStringLiteral("/a.mp4"));
    EXPECT_EQ(model.data(model.index(1, JoinListModel::VideoSize)).toString(),
              QStringLiteral("640 X 480"));

    model.sort(JoinListModel::FileName);
    EXPECT_EQ(model.data(model.index(0, JoinListModel::FileName)).toString(),
              QStringLiteral("/b.mp4"));

    list.SetFocusedRow(2);
    list.MoveUp();
    EXPECT_EQ(model.data(model.index(1, JoinListModel::FileName)).toString(),
              QStringLiteral("/c.mp4"));
    list.SetSelected(1, false);  // the moved row keeps its selection; drop it
    list.SetSelected(0, true);
    list.RemoveSelected();
    EXPECT_EQ(model.rowCount(), 2);
    list.ClearAll();
    EXPECT_EQ(model.rowCount(), 0);
}

}  // namespace

}  // namespace veltrano
