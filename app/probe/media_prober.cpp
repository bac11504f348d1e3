#include "app/probe/media_prober.h"

#include <QDateTime>
#include <QFileInfo>
#include <algorithm>

#include "app/probe/file_chooser.h"
#include "app/probe/probe_feedback.h"
#include "core/int64_helpers.h"
#include "core/list/join_list.h"
#include "core/product.h"
#include "core/recording_order.h"
#include "core/user_messages.h"
#include "core/value_format.h"
#include "engine/api/engine_messages.h"
#include "engine/api/media_decoder.h"

namespace veltrano {

namespace {

QString FolderOf(const QString& path) {
    const qsizetype slash = path.lastIndexOf(QLatin1Char('/'));
    return slash < 0 ? QString() : path.left(slash + 1);
}

}  // namespace

MediaProber::MediaProber(MediaDecoder& decoder, JoinList& list, UserMessages& messages,
                         ProbeFeedback& feedback)
    : decoder_(decoder), list_(list), messages_(messages), feedback_(feedback) {}

MediaItem MediaProber::DescribeOpenMedia(const MediaDecoder& decoder, const QString& path,
                                         const QLocale& locale) {
    const int audio = decoder.AudioStreamIndex();
    const int video = decoder.VideoStreamIndex();
    MediaItem item;
    item.SourcePath = path;
    item.AudioCodec = decoder.AudioCodecName(audio);
    item.VideoCodec = decoder.VideoCodecName(video);
    item.TypeText = GetExtension(path);
    // GetFileSize answers -1 when the size cannot be read; such a file shows 0.0 MB.
    const double megabytes = BytesToMegabytes(std::max(GetFileSize(path), 0.0));
    const double seconds =
        MicrosecondsToSeconds(JoinHalves64(decoder.DurationLow(), decoder.DurationHigh()));
    item.DurationText = FormatDuration(seconds);
    const int width = decoder.VideoWidth(video);
    const int height = decoder.VideoHeight(video);
    item.VideoSizeText = QString::number(width) + QStringLiteral(" X ") + QString::number(height);
    item.FileSizeText = FormatMegabytes(megabytes, locale);
    item.ModifiedText =
        QFileInfo(path).lastModified().toString(QStringLiteral("yyyy/MM/dd hh:mm:ss"));
    item.DurationSeconds = seconds;
    return item;
}

bool MediaProber::ProbeFile(const QString& path) {
    if (!decoder_.OpenMedia(path, QString())) {
        messages_.Show(engine_messages::CannotOpenFile(path, decoder_.LastErrorText()),
                       QString::fromLatin1(kProductName), UserMessages::Icon::Error);
        return false;
    }
    const MediaItem item = DescribeOpenMedia(decoder_, path, locale_);
    list_.Append(item);
    decoder_.CloseMedia();
    return true;
}

void MediaProber::AddFiles(FileChooser& chooser) {
    FileChoiceRequest request;
    request.Filters = AddFilesFilters();
    request.SelectedFilter = 0;
    request.InitialFolder = lastAddFolder_;
    request.MultipleSelection = true;
    // The dialog's order is the order of clicks, not of the footage.
    const QStringList chosen = InRecordingOrder(chooser.ChooseFiles(request));

    if (!chosen.isEmpty()) {
        feedback_.ShowBusyPointer();
        const bool batch = chosen.size() > 1;
        if (batch) {
            feedback_.ShowWaitWindow();
            feedback_.ProcessPendingEvents();
        }
        for (const QString& path : chosen) {
            if (path.isEmpty()) {
                continue;
            }
            lastAddFolder_ = FolderOf(path);
            ProbeFile(path);
            if (batch) {
                feedback_.ProcessPendingEvents();
            }
        }
        if (batch) {
            feedback_.CloseWaitWindow();
        }
        feedback_.RestoreNormalPointer();
    }
    list_.SelectOnlyLast();
}

void MediaProber::AddDroppedFiles(const QStringList& paths) {
    feedback_.ShowWaitWindow();
    feedback_.ProcessPendingEvents();
    for (const QString& path : paths) {
        if (QFileInfo(path).isDir()) {
            continue;  // folders are not searched for files
        }
        ProbeFile(path);
        feedback_.ProcessPendingEvents();
    }
    feedback_.CloseWaitWindow();
}

}  // namespace veltrano
