#pragma once

#include <QProcess>
#include <QString>
#include <QStringList>
#include <algorithm>

namespace veltrano {

// ffprobe readings the copy-join tests need beyond tests/support/media_tools.h: where a
// stream starts and ends on the file's timeline, and how many frames really decode.
namespace copy_join_probe {

struct Span {
    double Start = 0.0;
    double End = 0.0;
    int Packets = 0;
};

inline QByteArray RunFfprobe(const QStringList& args) {
    QProcess process;
    process.start(QStringLiteral("ffprobe"),
                  QStringList{QStringLiteral("-v"), QStringLiteral("error")} + args);
    if (!process.waitForStarted(30000)) {
        return {};
    }
    process.waitForFinished(300000);
    return process.exitCode() == 0 ? process.readAllStandardOutput() : QByteArray();
}

// First and last presentation time (end = pts + duration) of the first stream of a kind.
inline Span StreamSpan(const QString& path, const QString& type) {
    const QString selector =
        type == QLatin1String("video") ? QStringLiteral("v:0") : QStringLiteral("a:0");
    const QByteArray out =
        RunFfprobe({QStringLiteral("-select_streams"), selector, QStringLiteral("-show_entries"),
                    QStringLiteral("packet=pts_time,duration_time"), QStringLiteral("-of"),
                    QStringLiteral("csv=p=0"), path});
    Span span;
    for (const QByteArray& line : out.split('\n')) {
        const QStringList fields = QString::fromLatin1(line).trimmed().split(QLatin1Char(','));
        bool ok = false;
        const double pts = fields.value(0).toDouble(&ok);
        if (!ok) {
            continue;
        }
        const double end = pts + fields.value(1).toDouble();
        span.Start = span.Packets == 0 ? pts : std::min(span.Start, pts);
        span.End = span.Packets == 0 ? end : std::max(span.End, end);
        ++span.Packets;
    }
    return span;
}

// Frames of the first stream of a kind that decode without error; -1 when ffprobe fails.
inline int DecodedFrames(const QString& path, const QString& type) {
    const QString selector =
        type == QLatin1String("video") ? QStringLiteral("v:0") : QStringLiteral("a:0");
    const QByteArray out =
        RunFfprobe({QStringLiteral("-count_frames"), QStringLiteral("-select_streams"), selector,
                    QStringLiteral("-show_entries"), QStringLiteral("stream=nb_read_frames"),
                    QStringLiteral("-of"), QStringLiteral("csv=p=0"), path});
    // Transport streams list their streams once more under the program; the first is enough.
    const QString first = QString::fromLatin1(out)
                              .trimmed()
                              .section(QLatin1Char('\n'), 0, 0)
                              .section(QLatin1Char(','), 0, 0);
    bool ok = false;
    const int frames = first.trimmed().toInt(&ok);
    return ok ? frames : -1;
}

}  // namespace copy_join_probe

}  // namespace veltrano
