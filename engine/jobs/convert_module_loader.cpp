#include "engine/jobs/convert_module_loader.h"

#include <dlfcn.h>

#include <QDir>
#include <QFileInfo>

namespace veltrano {

namespace {

Result<const ConvertModule*> LoadFrom(const QStringList& candidates) {
    QString why;
    for (const QString& path : candidates) {
        if (!QFileInfo::exists(path)) {
            continue;
        }
        // Local: its copies of the static libraries must not stand in for the program's own.
        void* handle =
            dlopen(QFile::encodeName(path).constData(), RTLD_NOW | RTLD_LOCAL | RTLD_NODELETE);
        if (handle == nullptr) {
            why = QString::fromLocal8Bit(dlerror());
            continue;
        }
        const auto entry =
            reinterpret_cast<ConvertModuleEntryFn>(dlsym(handle, kConvertModuleEntry));
        const ConvertModule* module = entry != nullptr ? entry() : nullptr;
        if (module == nullptr || module->Layout != kConvertModuleLayout) {
            why = QStringLiteral("%1 is from another build").arg(path);
            continue;
        }
        const QStringList problems = LibraryVersionProblems(module->Libraries());
        if (!problems.isEmpty()) {
            return Status::Failed(UnusableLibrariesText(problems));
        }
        return module;
    }
    if (why.isEmpty()) {
        why = QStringLiteral("%1 was not found").arg(candidates.join(QStringLiteral(" or ")));
    }
    return Status::Failed(QStringLiteral("The conversion's media libraries cannot be loaded: ") +
                          why);
}

}  // namespace

QStringList ConvertModuleLoader::Candidates() {
    // The executable's own folder; /proc/self/exe also answers before a QCoreApplication exists.
    const QString programDir = QFileInfo(QStringLiteral("/proc/self/exe")).canonicalPath();
    return {QDir::cleanPath(programDir + QStringLiteral("/" VELTRANO_CONVERT_MODULE_INSTALLED)),
            QStringLiteral(VELTRANO_CONVERT_MODULE_BUILT)};
}

Result<const ConvertModule*> ConvertModuleLoader::Load() {
    const std::lock_guard lock(mutex_);
    if (!answer_) {
        answer_ = LoadFrom(Candidates());
    }
    return *answer_;
}

}  // namespace veltrano
