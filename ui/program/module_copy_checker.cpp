#include "ui/program/module_copy_checker.h"

namespace veltrano {

Result<std::vector<Status>> ModuleCopyChecker::CheckCopy(const std::vector<QString>& files,
                                                         const QString& parameters,
                                                         const QString& outputExtension,
                                                         const std::atomic<bool>& cancel) {
    const Result<EngineParts*> parts = engine_.Parts();
    if (!parts.Ok()) {
        return std::vector<Status>(files.size(), Status::Failed(parts.Message()));
    }
    return (*parts)->NewCopyChecker()->CheckCopy(files, parameters, outputExtension, cancel);
}

}  // namespace veltrano
