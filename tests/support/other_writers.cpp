#include "tests/support/other_writers.h"

#include <QFile>
#include <QProcess>

#include "tests/support/media_tools.h"

namespace veltrano {

namespace media_tools {

namespace {

bool RunProgram(const QString& program, const QStringList& args, QString* error) {
    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(program, args);
    if (!process.waitForStarted(30000)) {
        if (error != nullptr) {
            *error = program + QStringLiteral(" did not start; is it installed?");
        }
        return false;
    }
    process.closeWriteChannel();
    process.waitForFinished(300000);
    const QString output = QString::fromLocal8Bit(process.readAll());
    // mkvmerge exits with 1 for warnings and still writes a good file.
    const bool ok = process.exitStatus() == QProcess::NormalExit &&
                    (process.exitCode() == 0 ||
                     (program == QLatin1String("mkvmerge") && process.exitCode() == 1));
    if (!ok && error != nullptr) {
        *error = program + QStringLiteral(" failed: ") + output;
    }
    return ok;
}

// The muxer element and its properties, as gst-launch-1.0 arguments.
QStringList MuxerOf(GstContainer container) {
    switch (container) {
        case GstContainer::Mp4:
            return {QStringLiteral("mp4mux")};
        case GstContainer::FragmentedMp4:
            return {QStringLiteral("mp4mux"), QStringLiteral("fragment-duration=500")};
        case GstContainer::Matroska:
            return {QStringLiteral("matroskamux")};
        case GstContainer::TransportStream:
            return {QStringLiteral("mpegtsmux")};
    }
    return {};
}

}  // namespace

bool HasGstreamerElements(const QStringList& names, QString* error) {
    QStringList missing;
    for (const QString& name : names) {
        QString ignored;
        if (!RunProgram(QStringLiteral("gst-inspect-1.0"), {QStringLiteral("--exists"), name},
                        &ignored)) {
            missing << name;
        }
    }
    if (!missing.isEmpty() && error != nullptr) {
        *error =
            QStringLiteral("GStreamer elements missing: ") + missing.join(QStringLiteral(", "));
    }
    return missing.isEmpty();
}

bool MakeGstreamerClip(const QString& path, GstContainer container, const MarkedClip& clip,
                       QString* error) {
    const QStringList muxer = MuxerOf(container);
    const QStringList elements{
        QStringLiteral("y4mdec"),       QStringLiteral("wavparse"), QStringLiteral("videoconvert"),
        QStringLiteral("audioconvert"), QStringLiteral("x264enc"),  QStringLiteral("h264parse"),
        QStringLiteral("voaacenc"),     QStringLiteral("aacparse"), muxer.front()};
    if (!HasGstreamerElements(elements, error)) {
        return false;
    }
    const QString pictures = path + QStringLiteral(".source.y4m");
    const QString sound = path + QStringLiteral(".source.wav");
    const QString flash = QStringLiteral("between(t,%1,%2)")
                              .arg(clip.FlashAt)
                              .arg(clip.FlashAt + clip.MarkSeconds - 0.001);
    const QString beep =
        QStringLiteral("between(t,%1,%2)").arg(clip.BeepAt).arg(clip.BeepAt + clip.MarkSeconds);
    const bool made =
        RunFfmpeg({QStringLiteral("-f"), QStringLiteral("lavfi"), QStringLiteral("-i"),
                   QStringLiteral("color=c=black:s=160x120:r=25:d=%1,drawbox=c=white:t=fill:"
                                  "enable='%2',format=yuv420p")
                       .arg(clip.VideoSeconds)
                       .arg(flash),
                   QStringLiteral("-f"), QStringLiteral("yuv4mpegpipe"), pictures},
                  error) &&
        RunFfmpeg({QStringLiteral("-f"), QStringLiteral("lavfi"), QStringLiteral("-i"),
                   QStringLiteral("sine=f=1000:r=48000:d=%1,volume=0:enable='not(%2)'")
                       .arg(clip.AudioSeconds)
                       .arg(beep),
                   QStringLiteral("-ac"), QStringLiteral("2"), sound},
                  error);
    if (!made) {
        return false;
    }
    // One pipeline, two branches into the muxer, as gst-launch-1.0 takes it: words split at
    // spaces (no path here holds one: they come from QTemporaryDir).
    const QString pipeline =
        QStringLiteral(
            "%1 name=mux ! filesink location=%2 "
            "filesrc location=%3 ! y4mdec ! videoconvert ! x264enc key-int-max=12 ! "
            "h264parse ! queue ! mux. "
            "filesrc location=%4 ! wavparse ! audioconvert ! voaacenc ! aacparse ! "
            "queue ! mux.")
            .arg(muxer.join(QLatin1Char(' ')), path, pictures, sound);
    const QStringList args =
        QStringList{QStringLiteral("-q")} + pipeline.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    const bool muxed = RunProgram(QStringLiteral("gst-launch-1.0"), args, error);
    QFile::remove(pictures);
    QFile::remove(sound);
    return muxed && QFile::exists(path);
}

bool RemuxWithMkvmerge(const QString& input, const QString& output, const QStringList& extraArgs,
                       QString* error) {
    QStringList args{QStringLiteral("-q"), QStringLiteral("-o"), output};
    args += extraArgs;
    args << input;
    return RunProgram(QStringLiteral("mkvmerge"), args, error) && QFile::exists(output);
}

}  // namespace media_tools

}  // namespace veltrano
