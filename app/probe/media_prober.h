#pragma once

#include <QLocale>
#include <QString>
#include <QStringList>
#include <optional>

#include "app/probe/file_chooser.h"
#include "app/probe/probe_feedback.h"
#include "core/list/join_list.h"
#include "core/list/media_item.h"
#include "core/user_messages.h"
#include "engine/api/media_decoder.h"

namespace veltrano {

// Turns file paths into complete join-list rows: the Add Files dialog, drops and the probe of
// one file. Synchronous on the user-interface thread by design; each file is opened, queried
// and closed before the next, and the interface repaints between two files of a batch.
class MediaProber {
public:
    MediaProber(MediaDecoder& decoder, JoinList& list, UserMessages& messages,
                ProbeFeedback& feedback);

    // Probes one file and appends its row at the end of the list. When the decoder cannot
    // open the file, tells the user why and appends nothing. The row is built completely
    // before it is appended, so the list never shows a half-filled row.
    bool ProbeFile(const QString& path);
    // The Add Files dialog: probes every chosen file in recording order (core/recording_order),
    // then selects only the last row (also after a cancel).
    void AddFiles(FileChooser& chooser);
    // Probes every dropped path that is not a folder, in drop order. A file that fails does
    // not stop the others. The selection is left as it is.
    void AddDroppedFiles(const QStringList& paths);

    // The folder the Add Files dialog opens in, ending with "/"; empty until the first Add
    // Files. Kept for the run only.
    const QString& LastAddFolder() const { return lastAddFolder_; }
    // The locale of the size column's separators (the user's by default).
    void SetLocale(const QLocale& locale) { locale_ = locale; }

    // The row for an open decoder and a path; exposed for callers that probe without a list.
    static MediaItem DescribeOpenMedia(const MediaDecoder& decoder, const QString& path,
                                       const QLocale& locale);

private:
    MediaDecoder& decoder_;
    JoinList& list_;
    UserMessages& messages_;
    ProbeFeedback& feedback_;
    QLocale locale_;
    QString lastAddFolder_;
};

}  // namespace veltrano
