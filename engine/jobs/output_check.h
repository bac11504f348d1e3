#pragma once

#include <QString>
#include <cstddef>

#include "engine/plan/join_outcome.h"

namespace veltrano {

// After the rename: reads the output's index back (its headers; never its whole body) and
// compares it with what the joiner wrote: the streams and their codecs, the length against the
// inputs' added up (within one picture and one sound frame per file), and, where the container
// records packets per stream (MP4, MOV and their kin), the packets counted while writing. The
// answer is the line shown with the completion: "Verified: 3 files, 00:12:40, every packet in
// place" (packets counted), "Verified: 3 files, 00:12:40", or "Not verified: " with what
// differs. The output stays whatever the answer.
QString CheckJoinedOutput(const QString& path, const JoinOutcome& written, std::size_t files);

}  // namespace veltrano
