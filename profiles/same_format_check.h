#pragma once

#include <span>

#include "core/list/media_item.h"

namespace veltrano {

// Direct stream copy needs every file in one format: true when each row matches the row
// before it in type, picture size, video codec and audio codec, ignoring case. Fewer than two
// rows always pass.
bool SameFormatCheck(std::span<const MediaItem> rows);

}  // namespace veltrano
