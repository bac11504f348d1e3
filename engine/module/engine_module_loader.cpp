#include "engine/module/engine_module_loader.h"

#include "core/module_file.h"

namespace veltrano {

namespace {

Result<EngineParts*> LoadFrom(const QStringList& candidates) {
    const Result<void*> entry = OpenModuleEntry(candidates, kEngineModuleEntry, [](void* found) {
        const EngineModule* module = reinterpret_cast<EngineModuleEntryFn>(found)();
        return module != nullptr && module->Layout == kEngineModuleLayout;
    });
    if (!entry.Ok()) {
        return Status::Failed(QStringLiteral("The media engine cannot be loaded: ") +
                              entry.Message());
    }
    const EngineModule* module = reinterpret_cast<EngineModuleEntryFn>(*entry)();
    const QString problems = module->Initialise();
    if (!problems.isEmpty()) {
        return Status::Failed(problems);
    }
    return module->Parts();
}

}  // namespace

QStringList EngineModuleLoader::Candidates() {
    return ModuleCandidates(VELTRANO_ENGINE_MODULE_INSTALLED, VELTRANO_ENGINE_MODULE_BUILT);
}

EngineModuleLoader::EngineModuleLoader(QStringList candidates)
    : candidates_(std::move(candidates)) {}

EngineModuleLoader::~EngineModuleLoader() {
    if (loading_.joinable()) {
        loading_.join();
    }
}

void EngineModuleLoader::Start() {
    const std::lock_guard lock(mutex_);
    if (loading_.joinable() || answer_) {
        return;
    }
    // The thread only writes answer_, which nobody reads before joining it.
    loading_ = std::thread([this] { answer_ = LoadFrom(candidates_); });
}

Result<EngineParts*> EngineModuleLoader::Parts() {
    const std::lock_guard lock(mutex_);
    if (loading_.joinable()) {
        loading_.join();
    }
    if (!answer_) {
        answer_ = LoadFrom(candidates_);
    }
    return *answer_;
}

}  // namespace veltrano
