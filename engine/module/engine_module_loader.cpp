#include "engine/module/engine_module_loader.h"

#include <dlfcn.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace veltrano {

namespace {

Result<EngineParts*> LoadFrom(const QStringList& candidates) {
    QString why;
    for (const QString& path : candidates) {
        if (!QFileInfo::exists(path)) {
            continue;
        }
        // Local: its copies of the static libraries must not stand in for a program's own.
        void* handle =
            dlopen(QFile::encodeName(path).constData(), RTLD_NOW | RTLD_LOCAL | RTLD_NODELETE);
        if (handle == nullptr) {
            why = QString::fromLocal8Bit(dlerror());
            continue;
        }
        const auto entry = reinterpret_cast<EngineModuleEntryFn>(dlsym(handle, kEngineModuleEntry));
        const EngineModule* module = entry != nullptr ? entry() : nullptr;
        if (module == nullptr || module->Layout != kEngineModuleLayout) {
            why = QStringLiteral("%1 is from another build").arg(path);
            continue;
        }
        const QString problems = module->Initialise();
        if (!problems.isEmpty()) {
            return Status::Failed(problems);
        }
        return module->Parts();
    }
    if (why.isEmpty()) {
        why = QStringLiteral("%1 was not found").arg(candidates.join(QStringLiteral(" or ")));
    }
    return Status::Failed(QStringLiteral("The media engine cannot be loaded: ") + why);
}

}  // namespace

QStringList EngineModuleLoader::Candidates() {
    // The executable's own folder; /proc/self/exe also answers before a QCoreApplication exists.
    const QString programDir = QFileInfo(QStringLiteral("/proc/self/exe")).canonicalPath();
    return {QDir::cleanPath(programDir + QStringLiteral("/" VELTRANO_ENGINE_MODULE_INSTALLED)),
            QStringLiteral(VELTRANO_ENGINE_MODULE_BUILT)};
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
