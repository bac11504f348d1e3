#include "engine/av/av_input.h"

extern "C" {
#include <libavutil/dict.h>
}

#include <QDir>
#include <QFile>
#include <cerrno>

#include "engine/av/av_error.h"
#include "engine/av/av_file_io.h"
#include "engine/av/av_interrupt.h"

namespace veltrano {

namespace av {

Result<InputFormatPtr> OpenMediaInput(const QString& path, const InputOpenOptions& options) {
    const QString shown = QDir::toNativeSeparators(path);
    const QString lead = options.FailureLead.isEmpty()
                             ? QStringLiteral("Cannot open input file ") + shown
                             : options.FailureLead;

    DictionaryPtr openOptions;
    if (options.ProbeSizeBytes > 0) {
        av_dict_set_int(OutPtr(openOptions), "probesize", options.ProbeSizeBytes, 0);
    }
    if (options.AnalyzeDurationUs > 0) {
        av_dict_set_int(OutPtr(openOptions), "analyzeduration", options.AnalyzeDurationUs, 0);
    }
    const QString formatOptions = options.FormatOptions.trimmed();
    if (!formatOptions.isEmpty()) {
        const int parsed = av_dict_parse_string(OutPtr(openOptions),
                                                formatOptions.toUtf8().constData(), "=", ":", 0);
        if (parsed < 0) {
            return Status(parsed, Describe(QStringLiteral("Cannot read the open options"), parsed));
        }
    }

    InputFormatPtr format(avformat_alloc_context());
    if (format == nullptr) {
        const int code = AVERROR(ENOMEM);
        return Status(code, options.FailureLead.isEmpty()
                                ? QStringLiteral("Out of memory opening ") + shown
                                : Describe(lead, code));
    }
    if (options.Cancel != nullptr) {
        format->interrupt_callback = InterruptFor(*options.Cancel);
    }
    const QByteArray encodedPath = QFile::encodeName(path);
    FileIoPtr io;
    if (options.ReadBufferBytes > 0 && IsPlainFileInput(encodedPath)) {
        const int ret =
            OpenFileIo(io, encodedPath, options.ReadBufferBytes, format->interrupt_callback);
        if (ret < 0) {
            return Status(ret, Describe(lead, ret));
        }
        format->pb = io.get();
    }
    // libav frees the context when it fails, but never an AVIOContext of ours. The options
    // left in the dictionary afterwards are those no one took.
    const int opened =
        avformat_open_input(OutPtr(format), encodedPath.constData(), nullptr, OutPtr(openOptions));
    if (opened < 0) {
        return Status(opened, Describe(lead, opened));
    }
    // From here the context's closer frees it (InputFormatCloser).
    static_cast<void>(io.release());
    if (const AVDictionaryEntry* unused =
            av_dict_get(openOptions.get(), "", nullptr, AV_DICT_IGNORE_SUFFIX)) {
        return Status(
            AVERROR_OPTION_NOT_FOUND,
            lead + QStringLiteral(": unknown option \"%1\"").arg(QString::fromUtf8(unused->key)));
    }
    return format;
}

}  // namespace av

}  // namespace veltrano
