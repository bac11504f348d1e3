#pragma once

#include <QByteArray>
#include <span>

#include "core/list/media_item.h"

namespace veltrano {

// The list's rows as the command line's probe command and the window program's --print-list
// print them: the eight column texts of each row separated by tabs, one line per row; or one
// JSON array of objects.
QByteArray ProbeRowsAsText(std::span<const MediaItem> rows);
QByteArray ProbeRowsAsJson(std::span<const MediaItem> rows);

}  // namespace veltrano
