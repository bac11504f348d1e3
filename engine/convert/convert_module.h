#pragma once

#include <atomic>
#include <vector>

#include "engine/plan/engine_check.h"
#include "engine/plan/join_outcome.h"
#include "engine/plan/join_task.h"

namespace veltrano {

// The conversion side of the engine (engine/convert, engine/fit over libavfilter, libswscale and
// libswresample) is built as a loadable module, so that a program that only probes and copies
// never loads those libraries and their dependencies. The module exports one C function,
// kConvertModuleEntry, that returns this table. Both sides are built from the same sources by
// the same compiler, so the C++ types in it match.
struct ConvertModule {
    // kConvertModuleLayout: a module from another build of the table is refused.
    int Layout = 0;
    // The module's own libraries: the major version built against and the version loaded.
    std::vector<LibraryVersion> (*Libraries)() = nullptr;
    // JoinByConverting (engine/convert/convert_join.h).
    Result<JoinOutcome> (*Join)(const JoinTask& task, const std::atomic<bool>& cancel,
                                const JoinProgressFn& progress) = nullptr;
};

inline constexpr int kConvertModuleLayout = 1;
// The exported symbol: `const ConvertModule* VeltranoConvertModule()`.
inline constexpr char kConvertModuleEntry[] = "VeltranoConvertModule";
using ConvertModuleEntryFn = const ConvertModule* (*)();

}  // namespace veltrano
