#pragma once

#include <QByteArray>
#include <QString>
#include <cstddef>
#include <vector>

#include "engine/copy/copy_stream_check.h"

namespace veltrano {

// H.264 setup data in the MP4 form (avcC): which differences between two files' setups a
// stream copy can carry. Only the first file's setup reaches the output, so the later files'
// pictures are decoded with it. The level and the profile-compatibility flags bound what a
// decoder must be able to hold; they change nothing in how a picture decodes, so they may
// differ, as long as the output states the highest level and only the flags every file keeps.
namespace copy_h264_setup {

// True when `setup` is an avcC record (version 1).
bool IsAvcRecord(const QByteArray& setup);

// Empty when pictures coded for `other` decode alike with `first` (both avcC records);
// otherwise which part differs, as the user is told: "sequence parameter set" or "picture
// parameter set".
QString Difference(const QByteArray& first, const QByteArray& other);

// The first record, stating the highest level of all and the compatibility flags all share.
// `setups` must not differ otherwise (Difference empty); the first is returned unchanged else.
QByteArray Merged(const std::vector<QByteArray>& setups);

// Puts the merged record of every file's stream feeding output stream `outIndex` (`kept`: per
// file, the input streams in output order) into the output stream's parameters `out`, which
// carry the first file's record; anything but H.264 in avcC form is left alone.
void StateShared(AVCodecParameters* out, const std::vector<CopyInputScan>& scans,
                 const std::vector<std::vector<int>>& kept, std::size_t outIndex);

}  // namespace copy_h264_setup

}  // namespace veltrano
