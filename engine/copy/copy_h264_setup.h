#pragma once

#include <QByteArray>
#include <QString>
#include <vector>

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

}  // namespace copy_h264_setup

}  // namespace veltrano
