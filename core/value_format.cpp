#include "core/value_format.h"

#include <sys/stat.h>
#include <unistd.h>
#include <QFile>
#include <QFileInfo>
#include <cerrno>
#include <cmath>

namespace veltrano {

namespace {

QString TwoDigits(long long value) {
    return QStringLiteral("%1").arg(value, 2, 10, QLatin1Char('0'));
}

}  // namespace

QString FormatDuration(double seconds) {
    if (!(seconds > 0.0) || !std::isfinite(seconds)) {
        return QStringLiteral("00:00:00");
    }
    // Below a minute a half rounds up; from a minute on it rounds to the even neighbour.
    const double rounded = seconds < 60.0 ? std::floor(seconds + 0.5) : std::nearbyint(seconds);
    const auto total = static_cast<long long>(rounded);
    const long long hours = total / 3600;
    const long long minutes = (total / 60) % 60;
    const long long secs = total % 60;
    return TwoDigits(hours) + QLatin1Char(':') + TwoDigits(minutes) + QLatin1Char(':') +
           TwoDigits(secs);
}

QString GetExtension(const QString& path) {
    const qsizetype dot = path.lastIndexOf(QLatin1Char('.'));
    const qsizetype separator = path.lastIndexOf(QLatin1Char('/'));
    if (dot >= 0 && separator < dot) {
        return path.mid(dot + 1).toUpper();
    }
    return {};
}

double BytesToMegabytes(double bytes) {
    return bytes / 1024.0 / 1024.0;
}

double GetFileSize(const QString& path) {
    if (path.isEmpty()) {
        return 0.0;
    }
    struct stat info {};
    if (::stat(QFile::encodeName(path).constData(), &info) != 0) {
        // A path that names nothing is "not found"; anything else (permissions, I/O) an error.
        return (errno == ENOENT || errno == ENOTDIR) ? 0.0 : -1.0;
    }
    if (!S_ISREG(info.st_mode)) {
        return 0.0;
    }
    return static_cast<double>(info.st_size);
}

QString FormatMegabytes(double megabytes, const QLocale& locale) {
    QLocale grouped = locale;
    grouped.setNumberOptions(grouped.numberOptions() & ~QLocale::OmitGroupSeparator);
    return grouped.toString(megabytes, 'f', 1) + QStringLiteral(" MB");
}

bool FolderExists(const QString& path) {
    if (path.isEmpty()) {
        return false;
    }
    // Asks whether the folder could be entered instead of entering it: changing the working
    // directory would make a relative output folder resolve against itself.
    const QByteArray native = QFile::encodeName(path);
    struct stat info {};
    if (::stat(native.constData(), &info) != 0 || !S_ISDIR(info.st_mode)) {
        return false;
    }
    return ::access(native.constData(), X_OK) == 0;
}

}  // namespace veltrano
