#pragma once

#include <QJsonArray>
#include <QJsonObject>
#include <QString>
#include <QStringList>

namespace veltrano {

// Independent judges for media tests: clips are made by the ffmpeg tool and outputs are
// read back by ffprobe, never by our own engine.
namespace media_tools {

// Runs `ffmpeg -hide_banner -loglevel error -y <args>`; true on exit status 0.
bool RunFfmpeg(const QStringList& args, QString* errorOutput = nullptr);

// A clip from lavfi sources: testsrc2 video of w x h at fps and a sine tone, `seconds` long,
// written to `path` with extra encoder arguments (e.g. {"-c:v","libx264","-c:a","aac"}).
// Pass audio=false or video=false to leave a stream out.
bool MakeClip(const QString& path, double seconds, int width, int height, const QString& fps,
              const QStringList& codecArgs, bool video = true, bool audio = true,
              int sampleRate = 44100, int channels = 2);

// ffprobe -show_format -show_streams as JSON; empty object when ffprobe fails.
QJsonObject Probe(const QString& path);
// ffprobe -show_chapters as JSON: the "chapters" array (start_time, end_time, tags.title);
// empty when ffprobe fails or the file has none.
QJsonArray Chapters(const QString& path);
// The streams of one kind ("video" / "audio") from a Probe result.
QJsonArray StreamsOfType(const QJsonObject& probe, const QString& type);
// Format duration in seconds, or -1.
double FormatDuration(const QJsonObject& probe);
// Duration of the first stream of a kind, decoded packet by packet (end of last packet
// minus start of first), in seconds; -1 when absent.
double StreamDuration(const QString& path, const QString& type);
// DTS values of every packet of the first stream of a kind, in stream time-base units
// converted to seconds; packets without DTS are left out.
QList<double> PacketDts(const QString& path, const QString& type);

}  // namespace media_tools

}  // namespace veltrano
