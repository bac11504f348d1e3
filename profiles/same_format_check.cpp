#include "profiles/same_format_check.h"

namespace veltrano {

namespace {

bool SameText(const QString& a, const QString& b) {
    return QString::compare(a, b, Qt::CaseInsensitive) == 0;
}

}  // namespace

bool SameFormatCheck(std::span<const MediaItem> rows) {
    for (size_t i = 1; i < rows.size(); ++i) {
        const MediaItem& before = rows[i - 1];
        const MediaItem& row = rows[i];
        if (!SameText(before.TypeText, row.TypeText) ||
            !SameText(before.VideoSizeText, row.VideoSizeText) ||
            !SameText(before.VideoCodec, row.VideoCodec) ||
            !SameText(before.AudioCodec, row.AudioCodec)) {
            return false;
        }
    }
    return true;
}

}  // namespace veltrano
