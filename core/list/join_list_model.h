#pragma once

#include <QAbstractTableModel>
#include <array>

#include "core/list/join_list.h"

namespace veltrano {

// The join list as the report view shows it: eight text columns, rows in join order.
// The view never sorts: the row order is the join order.
class JoinListModel : public QAbstractTableModel {
    Q_OBJECT

public:
    enum Column {
        FileName,
        Type,
        Duration,
        VideoSize,
        FileSize,
        Modified,
        VideoCodec,
        AudioCodec,
        ColumnCount
    };
    struct ColumnInfo {
        const char* Header;
        int WidthTwips;  // start-up width; 15 twips per pixel
        Qt::Alignment Alignment;
    };
    static const std::array<ColumnInfo, ColumnCount>& Columns();
    static int StartupWidthPixels(int column);

    explicit JoinListModel(JoinList& list, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;
    void sort(int column, Qt::SortOrder order = Qt::AscendingOrder) override;

    // What the File Name cell of a row with a copy note shows beside the name (an icon the
    // window gives); its tooltip and accessible description are the note.
    void SetCopyNoteDecoration(const QVariant& decoration) { noteDecoration_ = decoration; }

private:
    JoinList& list_;
    QVariant noteDecoration_;
};

}  // namespace veltrano
