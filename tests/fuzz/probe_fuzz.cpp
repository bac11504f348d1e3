// Probing a damaged or hostile file as the join list does: FFDecoder (engine/probe) opens it
// through av::OpenMediaInput with the list's bounds, analyses it when the header is not
// enough and reads what the list shows. The first byte picks the file's extension (libav's
// guess weighs it), the rest is the file. An opened file has a stream and no negative length.
extern "C" {
#include <libavutil/log.h>
}

#include <QFile>
#include <QString>
#include <QTemporaryDir>
#include <cstdint>
#include <cstdlib>

#include "engine/probe/ff_decoder.h"

using namespace veltrano;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const QTemporaryDir* const folder = [] {
        av_log_set_level(AV_LOG_QUIET);
        return new QTemporaryDir();
    }();
    static const char* const kExtensions[] = {"mp4", "mkv",  "avi", "mpg", "ts",  "3gp", "flv",
                                              "ogg", "webm", "wmv", "mov", "vob", "ps",  "bin"};
    if (size == 0) {
        return 0;
    }
    const QString path = folder->filePath(QStringLiteral("input.")) +
                         QString::fromLatin1(kExtensions[data[0] % std::size(kExtensions)]);
    {
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
            std::abort();
        }
        file.write(reinterpret_cast<const char*>(data + 1), static_cast<qint64>(size - 1));
    }
    FFDecoder decoder;
    if (!decoder.OpenMedia(path, QString())) {
        if (decoder.LastErrorText().isEmpty()) {
            std::abort();  // a refusal always says why
        }
        return 0;
    }
    const int video = decoder.VideoStreamIndex();
    const int audio = decoder.AudioStreamIndex();
    if ((video < 0 && audio < 0) || decoder.Duration() < 0) {
        std::abort();
    }
    if (video >= 0) {
        decoder.VideoCodecName(video);
        decoder.VideoWidth(video);
        decoder.VideoHeight(video);
    }
    if (audio >= 0) {
        decoder.AudioCodecName(audio);
    }
    decoder.CloseMedia();
    return 0;
}
