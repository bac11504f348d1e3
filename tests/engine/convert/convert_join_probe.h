#pragma once

#include <QByteArray>
#include <QList>
#include <QProcess>
#include <QString>
#include <QStringList>
#include <cmath>

namespace veltrano {

// ffprobe readings the conversion-join tests share: where the picture lands in the output.
namespace convert_join_probe {

// The box of non-black pixels of one frame; width <= 0 when the frame is black.
struct Box {
    int Width = 0;
    int Height = 0;
    int X = 0;
    int Y = 0;
};

// The box of the frame shown `seconds` after the first one, found by ffprobe running the
// cropdetect filter over the output.
inline Box ContentAt(const QString& path, double seconds) {
    QProcess ffprobe;
    ffprobe.start(QStringLiteral("ffprobe"),
                  {QStringLiteral("-v"), QStringLiteral("error"), QStringLiteral("-f"),
                   QStringLiteral("lavfi"), QStringLiteral("-i"),
                   QStringLiteral("movie=%1,cropdetect=limit=16:round=2:reset=1:skip=0").arg(path),
                   QStringLiteral("-show_entries"),
                   QStringLiteral("frame=pts_time:frame_tags=lavfi.cropdetect.w,lavfi.cropdetect.h,"
                                  "lavfi.cropdetect.x,lavfi.cropdetect.y"),
                   QStringLiteral("-of"), QStringLiteral("csv=p=0")});
    ffprobe.waitForFinished(120000);
    Box best;
    double bestDistance = 1e9;
    double origin = -1.0;  // MPEG-PS starts its clock at 0.5 s
    for (const QByteArray& line : ffprobe.readAllStandardOutput().split('\n')) {
        const QList<QByteArray> fields = line.trimmed().split(',');
        if (fields.size() < 5) {
            continue;
        }
        if (origin < 0.0) {
            origin = fields[0].toDouble();
        }
        const double distance = std::fabs(fields[0].toDouble() - origin - seconds);
        if (distance < bestDistance) {
            bestDistance = distance;
            best = {fields[1].toInt(), fields[2].toInt(), fields[3].toInt(), fields[4].toInt()};
        }
    }
    return best;
}

}  // namespace convert_join_probe

}  // namespace veltrano
