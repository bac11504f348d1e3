#include "core/list/join_list.h"

#include <algorithm>

namespace veltrano {

JoinList::JoinList(QObject* parent) : QObject(parent) {}

std::vector<QString> JoinList::SourcePaths() const {
    std::vector<QString> paths;
    paths.reserve(rows_.size());
    for (const Entry& entry : rows_) {
        paths.push_back(entry.Item.SourcePath);
    }
    return paths;
}

void JoinList::Append(const MediaItem& item) {
    const int row = Count();
    emit RowsAboutToBeAppended(row, row);
    rows_.push_back(Entry{item, false, {}});
    ++revision_;
    emit RowsAppended();
}

void JoinList::UpdateRow(int row, const MediaItem& item) {
    if (row < 0 || row >= Count()) {
        return;
    }
    rows_[static_cast<size_t>(row)].Item = item;
    ++revision_;
    emit RowsChanged(row, row);
}

void JoinList::SetSelected(int row, bool selected) {
    if (row < 0 || row >= Count() || rows_[static_cast<size_t>(row)].Selected == selected) {
        return;
    }
    rows_[static_cast<size_t>(row)].Selected = selected;
    emit SelectionChanged();
}

void JoinList::SetFocusedRow(std::optional<int> row) {
    if (row && (*row < 0 || *row >= Count())) {
        row.reset();
    }
    if (row == focused_) {
        return;
    }
    focused_ = row;
    emit FocusedRowChanged();
}

QString JoinList::FirstCopyNote() const {
    for (const Entry& entry : rows_) {
        if (!entry.Note.isEmpty()) {
            return entry.Note;
        }
    }
    return {};
}

void JoinList::SetCopyNotes(const std::vector<QString>& paths, const std::vector<QString>& notes) {
    if (notes.size() != paths.size() || paths != SourcePaths()) {
        return;
    }
    int first = Count();
    int last = -1;
    for (size_t i = 0; i < notes.size(); ++i) {
        if (rows_[i].Note != notes[i]) {
            rows_[i].Note = notes[i];
            first = std::min(first, static_cast<int>(i));
            last = static_cast<int>(i);
        }
    }
    if (last >= 0) {
        emit CopyNotesChanged(first, last);
    }
}

void JoinList::RemoveSelected() {
    if (rows_.empty()) {
        return;
    }
    const bool anySelected =
        std::any_of(rows_.begin(), rows_.end(), [](const Entry& e) { return e.Selected; });
    if (anySelected) {
        // One pass keeps the rows that stay in their order; the focused row follows its file
        // or is gone with it.
        std::optional<int> newFocus;
        size_t kept = 0;
        emit AboutToReset();
        for (size_t i = 0; i < rows_.size(); ++i) {
            if (rows_[i].Selected) {
                continue;
            }
            if (focused_ && static_cast<size_t>(*focused_) == i) {
                newFocus = static_cast<int>(kept);
            }
            if (kept != i) {
                rows_[kept] = std::move(rows_[i]);
            }
            ++kept;
        }
        rows_.resize(kept);
        focused_ = newFocus;
        ++revision_;
        emit ResetDone();
        emit SelectionChanged();
        emit FocusedRowChanged();
    }
    emit FocusRequested();
}

void JoinList::ClearAll() {
    emit AboutToReset();
    rows_.clear();
    focused_.reset();
    ++revision_;
    emit ResetDone();
    emit SelectionChanged();
    emit FocusedRowChanged();
}

void JoinList::SelectAll() {
    if (rows_.empty()) {
        return;
    }
    for (Entry& entry : rows_) {
        entry.Selected = true;
    }
    emit SelectionChanged();
    emit FocusRequested();
}

void JoinList::InvertSelection() {
    if (rows_.empty()) {
        return;
    }
    for (Entry& entry : rows_) {
        entry.Selected = !entry.Selected;
    }
    emit SelectionChanged();
    emit FocusRequested();
}

void JoinList::ExchangeFocusedWith(int offset) {
    if (!focused_ || rows_[static_cast<size_t>(*focused_)].Item.SourcePath.isEmpty()) {
        return;
    }
    const int from = *focused_;
    const int to = from + offset;
    if (to < 0 || to >= Count()) {
        return;
    }
    std::swap(rows_[static_cast<size_t>(from)].Item, rows_[static_cast<size_t>(to)].Item);
    std::swap(rows_[static_cast<size_t>(from)].Note, rows_[static_cast<size_t>(to)].Note);
    rows_[static_cast<size_t>(from)].Selected = false;
    rows_[static_cast<size_t>(to)].Selected = true;
    focused_ = to;
    emit RowsChanged(std::min(from, to), std::max(from, to));
    emit SelectionChanged();
    emit FocusedRowChanged();
    emit FocusRequested();
}

void JoinList::MoveUp() {
    ExchangeFocusedWith(-1);
}

void JoinList::MoveDown() {
    ExchangeFocusedWith(+1);
}

void JoinList::SelectOnlyLast() {
    if (rows_.empty()) {
        return;
    }
    for (Entry& entry : rows_) {
        entry.Selected = false;
    }
    rows_.back().Selected = true;
    emit SelectionChanged();
}

}  // namespace veltrano
