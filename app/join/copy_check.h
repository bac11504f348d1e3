#pragma once

#include <QByteArray>
#include <QString>
#include <atomic>
#include <vector>

#include "core/result.h"
#include "engine/api/copy_checker.h"

namespace veltrano {

// Which files "Direct stream copy" can take after the first, judged as its join would be (the
// same parameters, the first file's extension), with nothing written. One verdict per file.
Result<std::vector<Status>> CheckDirectCopy(CopyChecker& checker, const std::vector<QString>& files,
                                            const std::atomic<bool>& cancel);

// `text` with the note of the first row that cannot be stream-copied below it, unless the text
// already says it; `text` alone without a note.
QString WithCopyNote(const QString& text, const QString& note);

// True when every verdict is Ok.
bool AllCopyable(const std::vector<Status>& verdicts);

// The verdicts as the command line's check command prints them, for every file after the first
// (and the first when it cannot lead): the name, a tab, "ok" or the sentence, one line each; or
// one JSON array of objects {"file", "ok", "reason"}.
QByteArray CopyVerdictsAsText(const std::vector<QString>& files,
                              const std::vector<Status>& verdicts);
QByteArray CopyVerdictsAsJson(const std::vector<QString>& files,
                              const std::vector<Status>& verdicts);

}  // namespace veltrano
