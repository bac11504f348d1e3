#include "engine/copy/copy_failure.h"

extern "C" {
#include <libavformat/avformat.h>
}

#include <QCoreApplication>
#include <QFileInfo>
#include <QStringList>
#include <cerrno>
#include <initializer_list>

#include "engine/av/av_error.h"
#include "engine/plan/join_task.h"

namespace veltrano {

namespace copy_failure {

QString NameOf(const QString& path) {
    return QFileInfo(path).fileName();
}

Status Failure(int code, const QString& what, const std::atomic<bool>& cancel) {
    if (cancel.load()) {
        return StoppedStatus();
    }
    return {code < 0 ? code : -1, av::Describe(what, code)};
}

bool IsSystemWriteError(int code) {
    // Not EPERM: muxers refuse with a bare -1, which reads as "Operation not permitted", and
    // writing to a file already open never fails so.
    for (const int error :
         {EIO, ENOSPC, EDQUOT, EFBIG, EROFS, EACCES, EBADF, EPIPE, ENOMEM, ENXIO}) {
        if (code == AVERROR(error)) {
            return true;
        }
    }
    return false;
}

QString JoinedNames(const std::vector<CopyInputScan>& scans, std::size_t index) {
    if (index > 0) {
        return scans.front().FileName + QStringLiteral(" and ") + scans[index].FileName;
    }
    if (scans.size() == 2) {
        return scans[0].FileName + QStringLiteral(" and ") + scans[1].FileName;
    }
    return scans.size() == 1 ? scans.front().FileName
                             : scans.front().FileName + QStringLiteral(" and the other files");
}

Status WriteFailure(int code, const QString& what, const QString& joined, const QString& muxer,
                    const QString& refused, const QString& muxerSays,
                    const std::atomic<bool>& cancel) {
    if (cancel.load() || code == AVERROR_EXIT || IsSystemWriteError(code)) {
        return Failure(code, what, cancel);
    }
    // A bare -1 tells nothing beyond the refusal itself.
    QStringList reasons;
    if (!muxerSays.isEmpty()) {
        // libav's text follows after a colon.
        QString said = muxerSays;
        while (said.endsWith(QLatin1Char('.')) || said.endsWith(QLatin1Char('!'))) {
            said.chop(1);
        }
        reasons << said;
    }
    if (code != AVERROR(EPERM)) {
        reasons << av::ErrorText(code);
    }
    const QString because = reasons.isEmpty()
                                ? QString()
                                : QStringLiteral(" (%1)").arg(reasons.join(QStringLiteral(": ")));
    return {code < 0 ? code : -1,
            QStringLiteral("Cannot join %1 without conversion: the %2 output does not accept %3%4. "
                           "Choose Convert instead.")
                .arg(joined, muxer.toUpper(), refused, because)};
}

Status NothingToCopy(const QString& file) {
    return {AVERROR_INVALIDDATA,
            //: %1 is the file's name.
            QCoreApplication::translate("Engine",
                                        "Cannot join by stream copy: %1 holds no picture or sound "
                                        "that can be copied: it is cut short or damaged.")
                .arg(file)};
}

QString StreamOf(const AVStream* stream, const QString& file) {
    return (stream->codecpar->codec_type == AVMEDIA_TYPE_AUDIO ? QStringLiteral("the audio of ")
                                                               : QStringLiteral("the video of ")) +
           file;
}

}  // namespace copy_failure

}  // namespace veltrano
