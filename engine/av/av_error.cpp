#include "engine/av/av_error.h"

extern "C" {
#include <libavutil/error.h>
}

namespace veltrano {

namespace av {

QString ErrorText(int code) {
    char buffer[AV_ERROR_MAX_STRING_SIZE] = {};
    if (av_strerror(code, buffer, sizeof buffer) < 0) {
        return QStringLiteral("Unknown error %1").arg(code);
    }
    return QString::fromUtf8(buffer);
}

QString Describe(const QString& what, int code) {
    return what + QStringLiteral(": ") + ErrorText(code);
}

}  // namespace av

}  // namespace veltrano
