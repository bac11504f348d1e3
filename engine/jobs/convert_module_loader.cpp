#include "engine/jobs/convert_module_loader.h"

#include "core/module_file.h"

namespace veltrano {

namespace {

Result<const ConvertModule*> LoadFrom(const QStringList& candidates) {
    const Result<void*> entry = OpenModuleEntry(candidates, kConvertModuleEntry, [](void* found) {
        const ConvertModule* module = reinterpret_cast<ConvertModuleEntryFn>(found)();
        return module != nullptr && module->Layout == kConvertModuleLayout;
    });
    if (!entry.Ok()) {
        return Status::Failed(
            QStringLiteral("The conversion's media libraries cannot be loaded: ") +
            entry.Message());
    }
    const ConvertModule* module = reinterpret_cast<ConvertModuleEntryFn>(*entry)();
    const QStringList problems = LibraryVersionProblems(module->Libraries());
    if (!problems.isEmpty()) {
        return Status::Failed(UnusableLibrariesText(problems));
    }
    return module;
}

}  // namespace

QStringList ConvertModuleLoader::Candidates() {
    return ModuleCandidates(VELTRANO_CONVERT_MODULE_INSTALLED, VELTRANO_CONVERT_MODULE_BUILT);
}

Result<const ConvertModule*> ConvertModuleLoader::Load() {
    const std::lock_guard lock(mutex_);
    if (!answer_) {
        answer_ = LoadFrom(Candidates());
    }
    return *answer_;
}

}  // namespace veltrano
