#pragma once

#include <QString>
#include <atomic>
#include <vector>

#include "core/result.h"
#include "engine/copy/copy_stream_check.h"

struct AVStream;

namespace veltrano {

// The sentences a failed stream copy ends with: what went wrong and what the user can do.
namespace copy_failure {

// The file's name without its folder, as messages show it.
QString NameOf(const QString& path);

// `what` and libav's reason for `code`; a stopped join is reported as stopped whatever failed.
Status Failure(int code, const QString& what, const std::atomic<bool>& cancel);

// A system error while writing: the disk or the file is at fault, not what is written.
bool IsSystemWriteError(int code);

// The files a refused write concerns: the first one, whose streams the output took, and the
// one whose packets were turned down ("a.dv and b.dv").
QString JoinedNames(const std::vector<CopyInputScan>& scans, std::size_t index);

// A failed header, packet or trailer write. A system error keeps `what` and the system's reason;
// any other is the muxer turning down `refused` ("the audio of b.dv"), which only a conversion
// can make acceptable, so the user is told to choose it, with the reason the muxer logged
// (`muxerSays`, may be empty) and libav's text for `code` after it.
Status WriteFailure(int code, const QString& what, const QString& joined, const QString& muxer,
                    const QString& refused, const QString& muxerSays,
                    const std::atomic<bool>& cancel);

// An input of which nothing would reach the output: the join would succeed without it.
Status NothingToCopy(const QString& file);

// What of `file` goes to the output stream: "the audio of b.dv".
QString StreamOf(const AVStream* stream, const QString& file);

}  // namespace copy_failure

}  // namespace veltrano
