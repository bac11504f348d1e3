#include "core/list/join_list_model.h"

#include <QCoreApplication>

#include "core/list/join_list.h"
#include "core/product.h"

namespace veltrano {

namespace {

const QString& CellText(const MediaItem& item, int column) {
    switch (column) {
        case JoinListModel::FileName:
            return item.SourcePath;
        case JoinListModel::Type:
            return item.TypeText;
        case JoinListModel::Duration:
            return item.DurationText;
        case JoinListModel::VideoSize:
            return item.VideoSizeText;
        case JoinListModel::FileSize:
            return item.FileSizeText;
        case JoinListModel::Modified:
            return item.ModifiedText;
        case JoinListModel::VideoCodec:
            return item.VideoCodec;
        default:
            return item.AudioCodec;
    }
}

}  // namespace

const std::array<JoinListModel::ColumnInfo, JoinListModel::ColumnCount>& JoinListModel::Columns() {
    static const std::array<ColumnInfo, ColumnCount> columns{{
        {QT_TRANSLATE_NOOP("Main", "File Name"), 5293, Qt::AlignLeft | Qt::AlignVCenter},
        {QT_TRANSLATE_NOOP("Main", "Type"), 1340, Qt::AlignHCenter | Qt::AlignVCenter},
        {QT_TRANSLATE_NOOP("Main", "Duration"), 2293, Qt::AlignHCenter | Qt::AlignVCenter},
        {QT_TRANSLATE_NOOP("Main", "Video Size"), 2647, Qt::AlignHCenter | Qt::AlignVCenter},
        {QT_TRANSLATE_NOOP("Main", "File Size"), 2293, Qt::AlignRight | Qt::AlignVCenter},
        {QT_TRANSLATE_NOOP("Main", "Modified"), 3510, Qt::AlignLeft | Qt::AlignVCenter},
        {QT_TRANSLATE_NOOP("Main", "Video Codec"), 2540, Qt::AlignLeft | Qt::AlignVCenter},
        {QT_TRANSLATE_NOOP("Main", "Audio Codec"), 2540, Qt::AlignLeft | Qt::AlignVCenter},
    }};
    return columns;
}

int JoinListModel::StartupWidthPixels(int column) {
    if (column < 0 || column >= ColumnCount) {
        return 0;
    }
    return (Columns()[static_cast<size_t>(column)].WidthTwips + kTwipsPerPixel / 2) /
           kTwipsPerPixel;
}

JoinListModel::JoinListModel(JoinList& list, QObject* parent)
    : QAbstractTableModel(parent), list_(list) {
    connect(&list_, &JoinList::RowsAboutToBeAppended, this,
            [this](int first, int last) { beginInsertRows({}, first, last); });
    connect(&list_, &JoinList::RowsAppended, this, [this] { endInsertRows(); });
    connect(&list_, &JoinList::AboutToReset, this, [this] { beginResetModel(); });
    connect(&list_, &JoinList::ResetDone, this, [this] { endResetModel(); });
    connect(&list_, &JoinList::RowsChanged, this, [this](int first, int last) {
        emit dataChanged(index(first, 0), index(last, ColumnCount - 1));
    });
    connect(&list_, &JoinList::CopyNotesChanged, this, [this](int first, int last) {
        emit dataChanged(index(first, FileName), index(last, FileName),
                         {Qt::DecorationRole, Qt::ToolTipRole, Qt::AccessibleDescriptionRole});
    });
}

int JoinListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : list_.Count();
}

int JoinListModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant JoinListModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= list_.Count() || index.column() >= ColumnCount) {
        return {};
    }
    if (role == Qt::DisplayRole) {
        return CellText(list_.Row(index.row()), index.column());
    }
    if (role == Qt::TextAlignmentRole) {
        return QVariant::fromValue(Columns()[static_cast<size_t>(index.column())].Alignment);
    }
    if (index.column() == FileName) {
        const QString& note = list_.CopyNote(index.row());
        if (note.isEmpty()) {
            return {};
        }
        if (role == Qt::ToolTipRole || role == Qt::AccessibleDescriptionRole) {
            return note;
        }
        if (role == Qt::DecorationRole) {
            return noteDecoration_;
        }
    }
    return {};
}

QVariant JoinListModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || section < 0 || section >= ColumnCount) {
        return QAbstractTableModel::headerData(section, orientation, role);
    }
    const ColumnInfo& info = Columns()[static_cast<size_t>(section)];
    if (role == Qt::DisplayRole) {
        return QCoreApplication::translate("Main", info.Header);
    }
    if (role == Qt::TextAlignmentRole) {
        return QVariant::fromValue(info.Alignment);
    }
    return {};
}

void JoinListModel::sort(int, Qt::SortOrder) {
    // Clicking a header must never reorder: the row order is the join order.
}

}  // namespace veltrano
