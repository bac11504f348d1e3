#pragma once

#include <QString>
#include <atomic>
#include <vector>

#include "core/result.h"

namespace veltrano {

// Says before a join which files a stream copy can take after the first, with the sentence the
// join would fail with otherwise. FFCopyChecker is the implementation over libav; tests use
// fakes. Keeps nothing between calls, so it may be called from a worker thread; a call opens
// every file once and may take a while.
class CopyChecker {
public:
    virtual ~CopyChecker() = default;

    // One verdict per file, in order: Ok, or the sentence. The first file's verdict is about
    // itself; when it cannot lead a copy, every later file carries its sentence. `parameters`
    // and `outputExtension` are the join's (for "Direct stream copy", the builder's). Fails only
    // on a stop through `cancel` or parameters the engine refuses.
    virtual Result<std::vector<Status>> CheckCopy(const std::vector<QString>& files,
                                                  const QString& parameters,
                                                  const QString& outputExtension,
                                                  const std::atomic<bool>& cancel) = 0;
};

}  // namespace veltrano
