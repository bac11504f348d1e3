#pragma once

#include <QObject>
#include <QString>
#include <optional>
#include <vector>

#include "core/list/media_item.h"

namespace veltrano {

// The ordered list of files to join. Row order is join order. Rows are 0-based here;
// the user sees them numbered from 1.
//
// Runs on the user-interface thread only. Every change is announced through signals so
// that a view model can follow it without polling.
class JoinList : public QObject {
    Q_OBJECT

public:
    explicit JoinList(QObject* parent = nullptr);

    int Count() const { return static_cast<int>(rows_.size()); }
    bool IsEmpty() const { return rows_.empty(); }
    const MediaItem& Row(int row) const { return rows_.at(static_cast<size_t>(row)).Item; }
    bool IsSelected(int row) const { return rows_.at(static_cast<size_t>(row)).Selected; }
    std::optional<int> FocusedRow() const { return focused_; }
    std::vector<QString> SourcePaths() const;
    // Why a stream copy cannot take the row after the list's first row; empty when it can or
    // nobody has judged yet. Travels with its row when rows move.
    const QString& CopyNote(int row) const { return rows_.at(static_cast<size_t>(row)).Note; }
    // The note of the first row that has one; empty when none has.
    QString FirstCopyNote() const;

    // Appends one row at the end; the only way rows come into existence (probing).
    void Append(const MediaItem& item);
    // Replaces every field of one row (a probe that fills a row in stages).
    void UpdateRow(int row, const MediaItem& item);
    void SetSelected(int row, bool selected);
    // The row the list treats as its current item; nullopt clears it.
    void SetFocusedRow(std::optional<int> row);
    // Takes one note per row from a judgement of the list as it was (`paths`); a judgement of
    // rows that have changed since is dropped.
    void SetCopyNotes(const std::vector<QString>& paths, const std::vector<QString>& notes);

    void RemoveSelected();
    void ClearAll();
    void SelectAll();
    void InvertSelection();
    void MoveUp();
    void MoveDown();
    void SelectOnlyLast();

    // Bumped by every change that can alter the totals (rows added, removed, replaced).
    quint64 ContentRevision() const { return revision_; }

signals:
    void RowsAboutToBeAppended(int first, int last);
    void RowsAppended();
    void AboutToReset();
    void ResetDone();
    void RowsChanged(int first, int last);
    void CopyNotesChanged(int first, int last);
    void SelectionChanged();
    void FocusedRowChanged();
    // The list control should take the keyboard focus.
    void FocusRequested();

private:
    struct Entry {
        MediaItem Item;
        bool Selected = false;
        QString Note;  // CopyNote
    };
    void ExchangeFocusedWith(int offset);

    std::vector<Entry> rows_;
    std::optional<int> focused_;
    quint64 revision_ = 0;
};

}  // namespace veltrano
