#pragma once

#include <QStringList>
#include <functional>

#include "core/result.h"

namespace veltrano {

// Where a module of the program's is looked for, in order: beside the installed program
// (`installed`, relative to the executable's folder), then where this build put it (`built`).
QStringList ModuleCandidates(const char* installed, const char* built);

// Opens the first of `candidates` that exists and whose entry `entryName` `fromThisBuild`
// accepts, and returns that entry; else why none could be used (the loader's error, "<path> is
// from another build" or "<paths> was not found"). The module stays loaded for the rest of the
// process (libav's libraries are not made to be unloaded), and its copies of static libraries
// never stand in for the program's own.
Result<void*> OpenModuleEntry(const QStringList& candidates, const char* entryName,
                              const std::function<bool(void* entry)>& fromThisBuild);

}  // namespace veltrano
