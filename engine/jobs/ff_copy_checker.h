#pragma once

#include "engine/api/copy_checker.h"

namespace veltrano {

// The copy check over libav: the option string and extension become the join's plan, then the
// copy join's own scan and judgement (CheckCopyJoinInputs) run without writing anything.
class FFCopyChecker : public CopyChecker {
public:
    Result<std::vector<Status>> CheckCopy(const std::vector<QString>& files,
                                          const QString& parameters, const QString& outputExtension,
                                          const std::atomic<bool>& cancel) override;
};

}  // namespace veltrano
