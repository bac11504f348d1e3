#include "app/probe/probe_report.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QStringList>

namespace veltrano {

QByteArray ProbeRowsAsText(std::span<const MediaItem> rows) {
    QByteArray out;
    for (const MediaItem& row : rows) {
        const QStringList cells{row.SourcePath,    row.TypeText,     row.DurationText,
                                row.VideoSizeText, row.FileSizeText, row.ModifiedText,
                                row.VideoCodec,    row.AudioCodec};
        out += cells.join(QLatin1Char('\t')).toUtf8();
        out += '\n';
    }
    return out;
}

QByteArray ProbeRowsAsJson(std::span<const MediaItem> rows) {
    QJsonArray array;
    for (const MediaItem& row : rows) {
        array.append(QJsonObject{{QStringLiteral("path"), row.SourcePath},
                                 {QStringLiteral("type"), row.TypeText},
                                 {QStringLiteral("duration"), row.DurationText},
                                 {QStringLiteral("videoSize"), row.VideoSizeText},
                                 {QStringLiteral("fileSize"), row.FileSizeText},
                                 {QStringLiteral("modified"), row.ModifiedText},
                                 {QStringLiteral("videoCodec"), row.VideoCodec},
                                 {QStringLiteral("audioCodec"), row.AudioCodec},
                                 {QStringLiteral("durationSeconds"), row.DurationSeconds}});
    }
    return QJsonDocument(array).toJson(QJsonDocument::Indented);
}

}  // namespace veltrano
