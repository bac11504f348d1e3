#include "tests/support/media_tools.h"

#include <QJsonDocument>
#include <QProcess>

namespace veltrano {

namespace media_tools {

namespace {

QByteArray RunTool(const QString& program, const QStringList& args, int* exitCode,
                   QString* errorOutput) {
    QProcess process;
    process.start(program, args);
    if (!process.waitForStarted(30000)) {
        *exitCode = -1;
        if (errorOutput != nullptr) {
            *errorOutput = program + QStringLiteral(" did not start");
        }
        return {};
    }
    process.closeWriteChannel();
    process.waitForFinished(300000);
    *exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    if (errorOutput != nullptr) {
        *errorOutput = QString::fromLocal8Bit(process.readAllStandardError());
    }
    return process.readAllStandardOutput();
}

}  // namespace

bool RunFfmpeg(const QStringList& args, QString* errorOutput) {
    int exitCode = 0;
    QStringList all{QStringLiteral("-hide_banner"), QStringLiteral("-loglevel"),
                    QStringLiteral("error"), QStringLiteral("-y")};
    all += args;
    RunTool(QStringLiteral("ffmpeg"), all, &exitCode, errorOutput);
    return exitCode == 0;
}

bool MakeClip(const QString& path, double seconds, int width, int height, const QString& fps,
              const QStringList& codecArgs, bool video, bool audio, int sampleRate, int channels) {
    QStringList args;
    const QString duration = QString::number(seconds, 'f', 3);
    if (video) {
        args << QStringLiteral("-f") << QStringLiteral("lavfi") << QStringLiteral("-i")
             << QStringLiteral("testsrc2=size=%1x%2:rate=%3:duration=%4")
                    .arg(width)
                    .arg(height)
                    .arg(fps, duration);
    }
    if (audio) {
        args << QStringLiteral("-f") << QStringLiteral("lavfi") << QStringLiteral("-i")
             << QStringLiteral("sine=frequency=440:sample_rate=%1:duration=%2")
                    .arg(sampleRate)
                    .arg(duration);
        args << QStringLiteral("-ac") << QString::number(channels);
    }
    args += codecArgs;
    args << path;
    return RunFfmpeg(args);
}

QJsonObject Probe(const QString& path) {
    int exitCode = 0;
    const QByteArray out = RunTool(
        QStringLiteral("ffprobe"),
        {QStringLiteral("-v"), QStringLiteral("error"), QStringLiteral("-show_format"),
         QStringLiteral("-show_streams"), QStringLiteral("-of"), QStringLiteral("json"), path},
        &exitCode, nullptr);
    if (exitCode != 0) {
        return {};
    }
    return QJsonDocument::fromJson(out).object();
}

QJsonArray Chapters(const QString& path) {
    int exitCode = 0;
    const QByteArray out =
        RunTool(QStringLiteral("ffprobe"),
                {QStringLiteral("-v"), QStringLiteral("error"), QStringLiteral("-show_chapters"),
                 QStringLiteral("-of"), QStringLiteral("json"), path},
                &exitCode, nullptr);
    if (exitCode != 0) {
        return {};
    }
    return QJsonDocument::fromJson(out).object().value(QStringLiteral("chapters")).toArray();
}

QJsonArray StreamsOfType(const QJsonObject& probe, const QString& type) {
    QJsonArray result;
    for (const QJsonValue& stream : probe.value(QStringLiteral("streams")).toArray()) {
        if (stream.toObject().value(QStringLiteral("codec_type")).toString() == type) {
            result.append(stream);
        }
    }
    return result;
}

double FormatDuration(const QJsonObject& probe) {
    bool ok = false;
    const double value = probe.value(QStringLiteral("format"))
                             .toObject()
                             .value(QStringLiteral("duration"))
                             .toString()
                             .toDouble(&ok);
    return ok ? value : -1.0;
}

namespace {

// Packet lines of the first stream of a kind: "pts_time,dts_time,duration_time".
QList<QStringList> PacketRows(const QString& path, const QString& type) {
    int exitCode = 0;
    const QString selector =
        type == QStringLiteral("video") ? QStringLiteral("v:0") : QStringLiteral("a:0");
    const QByteArray out = RunTool(
        QStringLiteral("ffprobe"),
        {QStringLiteral("-v"), QStringLiteral("error"), QStringLiteral("-select_streams"), selector,
         QStringLiteral("-show_entries"), QStringLiteral("packet=pts_time,dts_time,duration_time"),
         QStringLiteral("-of"), QStringLiteral("csv=p=0"), path},
        &exitCode, nullptr);
    QList<QStringList> rows;
    if (exitCode != 0) {
        return rows;
    }
    for (const QByteArray& line : out.split('\n')) {
        const QString text = QString::fromLatin1(line).trimmed();
        if (!text.isEmpty()) {
            rows.append(text.split(QLatin1Char(',')));
        }
    }
    return rows;
}

}  // namespace

double StreamDuration(const QString& path, const QString& type) {
    const QList<QStringList> rows = PacketRows(path, type);
    bool any = false;
    double first = 0.0;
    double last = 0.0;
    for (const QStringList& row : rows) {
        bool ok = false;
        const double pts = row.value(0).toDouble(&ok);
        if (!ok) {
            continue;
        }
        const double duration = row.value(2).toDouble();
        if (!any || pts < first) {
            first = pts;
        }
        if (!any || pts + duration > last) {
            last = pts + duration;
        }
        any = true;
    }
    return any ? last - first : -1.0;
}

QList<double> PacketDts(const QString& path, const QString& type) {
    QList<double> result;
    for (const QStringList& row : PacketRows(path, type)) {
        bool ok = false;
        const double dts = row.value(1).toDouble(&ok);
        if (ok) {
            result.append(dts);
        }
    }
    return result;
}

}  // namespace media_tools

}  // namespace veltrano
