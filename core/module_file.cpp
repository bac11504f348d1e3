#include "core/module_file.h"

#include <dlfcn.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace veltrano {

QStringList ModuleCandidates(const char* installed, const char* built) {
    // The executable's own folder; /proc/self/exe also answers before a QCoreApplication exists.
    const QString programDir = QFileInfo(QStringLiteral("/proc/self/exe")).canonicalPath();
    return {QDir::cleanPath(programDir + QLatin1Char('/') + QString::fromUtf8(installed)),
            QString::fromUtf8(built)};
}

Result<void*> OpenModuleEntry(const QStringList& candidates, const char* entryName,
                              const std::function<bool(void* entry)>& fromThisBuild) {
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
        void* entry = dlsym(handle, entryName);
        if (entry == nullptr || !fromThisBuild(entry)) {
            why = QStringLiteral("%1 is from another build").arg(path);
            continue;
        }
        return entry;
    }
    if (why.isEmpty()) {
        why = QStringLiteral("%1 was not found").arg(candidates.join(QStringLiteral(" or ")));
    }
    return Status::Failed(why);
}

}  // namespace veltrano
