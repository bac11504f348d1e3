#pragma once

#include <QString>

#include "core/result.h"

namespace veltrano {

// Where a job writes while it runs, and how the result reaches its final name. The job writes
// to a hidden temporary file in the destination folder, so the final name appears only once
// the output is complete and the rename stays on one file system.
namespace encoder_output_file {

// Creates "<folder>/.vvj.part-<random>" exclusively and returns its path: hidden, new, and
// not ending in the final extension, so nothing takes a half-written file for a finished one.
// Fails when the folder does not let us create it.
Result<QString> TemporaryPathFor(const QString& finalPath);

// Moves the finished temporary file to its final name, replacing a file already there. A
// failure carries the system's reason.
Status Commit(const QString& temporaryPath, const QString& finalPath);

// True when both paths name the same file (symbolic links and "." / ".." resolved).
bool SameFile(const QString& first, const QString& second);

}  // namespace encoder_output_file

}  // namespace veltrano
