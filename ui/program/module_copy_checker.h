#pragma once

#include "engine/api/copy_checker.h"
#include "engine/module/engine_module_loader.h"

namespace veltrano {

// The program's copy check, which exists before the engine module has been loaded: each call
// makes the module's checker (it keeps nothing between calls), on whatever thread calls.
// Without the module every file carries the loader's reason.
class ModuleCopyChecker : public CopyChecker {
public:
    explicit ModuleCopyChecker(EngineModuleLoader& engine) : engine_(engine) {}

    Result<std::vector<Status>> CheckCopy(const std::vector<QString>& files,
                                          const QString& parameters, const QString& outputExtension,
                                          const std::atomic<bool>& cancel) override;

private:
    EngineModuleLoader& engine_;
};

}  // namespace veltrano
