// The settings file as SettingsStore reads it (Qt's native store: an INI file under
// XDG_CONFIG_HOME, pointed at a private folder here). Whatever the file holds, reading gives
// text or nothing and leaves the file as it was; a folder stored afterwards reads back.
#include <QByteArray>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QString>
#include <QTemporaryDir>
#include <cstdint>
#include <cstdlib>

#include "core/settings_store.h"

using namespace veltrano;

namespace {

void Check(bool condition) {
    if (!condition) {
        std::abort();
    }
}

// The store's file, in a folder of its own for the whole run (set before Qt reads the variable).
QString StoreFile() {
    static QTemporaryDir* const home = [] {
        auto* dir = new QTemporaryDir();
        qputenv("XDG_CONFIG_HOME", dir->path().toLocal8Bit());
        QDir(dir->path()).mkpath(QString::fromLatin1(SettingsStore::kOrganisation));
        return dir;
    }();
    return home->path() + QLatin1Char('/') + QString::fromLatin1(SettingsStore::kOrganisation) +
           QLatin1Char('/') + QString::fromLatin1(SettingsStore::kApplication) +
           QStringLiteral(".conf");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QString path = StoreFile();
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    {
        QFile file(path);
        Check(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        Check(file.write(bytes) == bytes.size());
        // Qt keeps a parsed copy while the file's size and time stay the same: a new time for
        // every input makes it read this one.
        static qint64 seconds = 0;
        file.setFileTime(QDateTime::fromSecsSinceEpoch(946684800 + ++seconds),
                         QFileDevice::FileModificationTime);
    }

    SettingsStore store;
    const QString outPath = QString::fromLatin1(SettingsStore::kOutPath);
    store.ReadSetting(outPath);
    store.ReadSetting(QStringLiteral("General/OutPath"));
    {
        QFile file(path);
        Check(file.open(QIODevice::ReadOnly));
        Check(file.readAll() == bytes);  // reading never rewrites the file
    }

    const QString folder = QStringLiteral("/home/user/Videos/");
    store.WriteSetting(outPath, folder);
    Check(store.ReadSetting(outPath) == folder);
    return 0;
}
