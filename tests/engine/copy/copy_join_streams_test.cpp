#include <gtest/gtest.h>

#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <utility>

#include "engine/copy/copy_join.h"
#include "tests/engine/copy/copy_join_probe.h"
#include "tests/support/copy_join_helpers.h"
#include "tests/support/media_tools.h"

namespace veltrano {

namespace {

using copy_join_probe::RunFfprobe;

// Runs another writer's tool (mkvmerge) the way users' files are made; true on exit status 0.
bool RunWriter(const QString& program, const QStringList& args) {
    QProcess process;
    process.start(program, args);
    if (!process.waitForStarted(30000)) {
        ADD_FAILURE() << program.toStdString() << " did not start";
        return false;
    }
    process.waitForFinished(300000);
    // mkvmerge exits with 1 for warnings only.
    const bool ok = process.exitStatus() == QProcess::NormalExit && process.exitCode() <= 1;
    if (!ok) {
        ADD_FAILURE() << program.toStdString() << ": "
                      << process.readAllStandardOutput().toStdString()
                      << process.readAllStandardError().toStdString();
    }
    return ok;
}

// Runs the ffmpeg tool at warning level and returns what it said.
QString FfmpegWarnings(const QStringList& args) {
    QProcess process;
    process.start(QStringLiteral("ffmpeg"),
                  QStringList{QStringLiteral("-hide_banner"), QStringLiteral("-nostdin"),
                              QStringLiteral("-v"), QStringLiteral("warning")} +
                      args);
    if (!process.waitForStarted(30000)) {
        return QStringLiteral("ffmpeg did not start");
    }
    process.waitForFinished(300000);
    return QString::fromLocal8Bit(process.readAllStandardError());
}

QString Tag(const QJsonObject& stream, const char* key) {
    return stream.value(QStringLiteral("tags")).toObject().value(QLatin1String(key)).toString();
}

QJsonArray Streams(const QString& path) {
    return media_tools::Probe(path).value(QStringLiteral("streams")).toArray();
}

QString Field(const QJsonObject& stream, const char* key) {
    return stream.value(QLatin1String(key)).toString();
}

// Presentation times (seconds) of every packet of the first audio stream, in file order.
QList<double> AudioPts(const QString& path) {
    const QByteArray out =
        RunFfprobe({QStringLiteral("-select_streams"), QStringLiteral("a:0"),
                    QStringLiteral("-show_entries"), QStringLiteral("packet=pts_time"),
                    QStringLiteral("-of"), QStringLiteral("csv=p=0"), path});
    QList<double> times;
    for (const QByteArray& line : out.split('\n')) {
        bool ok = false;
        const double pts = QString::fromLatin1(line).trimmed().toDouble(&ok);
        if (ok) {
            times.push_back(pts);
        }
    }
    return times;
}

class CopyJoinStreams : public ::testing::Test {
protected:
    QString Path(const QString& name) const { return dir_.filePath(name); }

    QTemporaryDir dir_;
};

// MP3 at 22.05 kHz and AC-3 in AVI: the audio keeps its timeline, two 4 s files give 8 s.
TEST_F(CopyJoinStreams, AviMp3And22kHzAndAc3KeepAudioTiming) {
    ASSERT_TRUE(dir_.isValid());
    const struct {
        const char* Name;
        QStringList Args;
        int SampleRate;
    } cases[] = {
        {"mp3",
         {QStringLiteral("-c:v"), QStringLiteral("mpeg4"), QStringLiteral("-c:a"),
          QStringLiteral("libmp3lame")},
         22050},
        {"ac3",
         {QStringLiteral("-c:v"), QStringLiteral("mpeg4"), QStringLiteral("-c:a"),
          QStringLiteral("ac3")},
         48000},
    };
    for (const auto& audio : cases) {
        SCOPED_TRACE(audio.Name);
        const QString clip = Path(QStringLiteral("%1.avi").arg(QLatin1String(audio.Name)));
        ASSERT_TRUE(media_tools::MakeClip(clip, 4.0, 160, 120, QStringLiteral("25"), audio.Args,
                                          true, true, audio.SampleRate));
        const QString second = Path(QStringLiteral("%1_b.avi").arg(QLatin1String(audio.Name)));
        ASSERT_TRUE(QFile::copy(clip, second));
        const QString output = Path(QStringLiteral("%1_joined.avi").arg(QLatin1String(audio.Name)));
        const Status outcome = CopyJoin({clip, second}, output);
        ASSERT_TRUE(outcome.Ok()) << outcome.Message().toStdString();

        const QList<double> pts = AudioPts(output);
        ASSERT_GT(pts.size(), 20);
        qsizetype firstRepeat = -1;
        for (qsizetype i = 1; i < pts.size() && firstRepeat < 0; ++i) {
            firstRepeat = pts[i - 1] < pts[i] ? -1 : i;
        }
        EXPECT_EQ(firstRepeat, -1) << "audio timestamps increase throughout";
        EXPECT_NEAR(pts.back(), 8.0, 0.2);
        const QString warnings = FfmpegWarnings({QStringLiteral("-i"), output, QStringLiteral("-f"),
                                                 QStringLiteral("null"), QStringLiteral("-")});
        EXPECT_FALSE(warnings.contains(QStringLiteral("monoton"), Qt::CaseInsensitive))
            << warnings.toStdString();
    }
}

// A Matroska display size of 16:9 over square-pixel H.264 (mkvmerge), and the H.263 3GP the
// ffmpeg tool writes for old phones: the output shows the aspect the input shows.
TEST_F(CopyJoinStreams, KeepsTheAspectTheInputShows) {
    ASSERT_TRUE(dir_.isValid());
    const QString plain = Path(QStringLiteral("plain.mp4"));
    ASSERT_TRUE(media_tools::MakeClip(plain, 1.0, 320, 240, QStringLiteral("25"),
                                      {QStringLiteral("-c:v"), QStringLiteral("libx264"),
                                       QStringLiteral("-c:a"), QStringLiteral("aac")}));
    const QString wide = Path(QStringLiteral("wide.mkv"));
    ASSERT_TRUE(RunWriter(QStringLiteral("mkvmerge"),
                          {QStringLiteral("-q"), QStringLiteral("-o"), wide,
                           QStringLiteral("--aspect-ratio"), QStringLiteral("0:16/9"), plain}));
    const QString phone = Path(QStringLiteral("phone.3gp"));
    ASSERT_TRUE(
        media_tools::MakeClip(phone, 1.0, 176, 144, QStringLiteral("15"),
                              {QStringLiteral("-c:v"), QStringLiteral("h263"),
                               QStringLiteral("-c:a"), QStringLiteral("aac"), QStringLiteral("-ar"),
                               QStringLiteral("8000"), QStringLiteral("-ac"), QStringLiteral("1")},
                              true, true, 8000, 1));
    for (const QString& input : {wide, phone}) {
        SCOPED_TRACE(input.toStdString());
        const QString second =
            input + QStringLiteral(".again.") + input.section(QLatin1Char('.'), -1);
        ASSERT_TRUE(QFile::copy(input, second));
        const QString output =
            input + QStringLiteral(".joined.") + input.section(QLatin1Char('.'), -1);
        const Status outcome = CopyJoin({input, second}, output);
        if (!outcome.Ok()) {
            ADD_FAILURE() << outcome.Message().toStdString();
            continue;
        }
        const QJsonObject in =
            media_tools::StreamsOfType(media_tools::Probe(input), QStringLiteral("video"))[0]
                .toObject();
        const QJsonObject out =
            media_tools::StreamsOfType(media_tools::Probe(output), QStringLiteral("video"))[0]
                .toObject();
        ASSERT_FALSE(Field(in, "sample_aspect_ratio").isEmpty());
        EXPECT_EQ(Field(out, "sample_aspect_ratio"), Field(in, "sample_aspect_ratio"));
        EXPECT_EQ(Field(out, "display_aspect_ratio"), Field(in, "display_aspect_ratio"));
    }
}

// Two portrait phone clips and a landscape one of the same coded size: one display matrix
// cannot serve them all, so the join is refused and says which file and why.
TEST_F(CopyJoinStreams, RefusesMixedRotation) {
    ASSERT_TRUE(dir_.isValid());
    const QString plain = Path(QStringLiteral("plain.mp4"));
    ASSERT_TRUE(media_tools::MakeClip(plain, 0.5, 160, 120, QStringLiteral("25"),
                                      {QStringLiteral("-c:v"), QStringLiteral("libx264"),
                                       QStringLiteral("-c:a"), QStringLiteral("aac")}));
    const QString a = Path(QStringLiteral("a.mp4"));
    const QString b = Path(QStringLiteral("b.mp4"));
    const QString c = Path(QStringLiteral("c.mp4"));
    for (const QString& rotated : {a, b}) {
        ASSERT_TRUE(media_tools::RunFfmpeg(
            {QStringLiteral("-i"), plain, QStringLiteral("-metadata:s:v"),
             QStringLiteral("rotate=90"), QStringLiteral("-c"), QStringLiteral("copy"), rotated}));
    }
    ASSERT_TRUE(QFile::copy(plain, c));
    const QByteArray rotation =
        RunFfprobe({QStringLiteral("-select_streams"), QStringLiteral("v:0"),
                    QStringLiteral("-show_entries"), QStringLiteral("stream_side_data=rotation"),
                    QStringLiteral("-of"), QStringLiteral("csv=p=0"), a});
    ASSERT_EQ(rotation.trimmed(), QByteArray("90")) << "the clip maker wrote no display matrix";

    const QString output = Path(QStringLiteral("joined.mp4"));
    const Status refused = CopyJoin({a, b, c}, output);
    EXPECT_FALSE(refused.Ok());
    EXPECT_EQ(refused.Message(), QStringLiteral("Cannot join by stream copy: c.mp4 differs from "
                                                "a.mp4 in rotation (0° vs 90°)."));
    EXPECT_FALSE(QFile::exists(output));

    // The portrait clips alone join, and stay portrait.
    const Status joined = CopyJoin({a, b}, output);
    ASSERT_TRUE(joined.Ok()) << joined.Message().toStdString();
    EXPECT_EQ(
        RunFfprobe({QStringLiteral("-select_streams"), QStringLiteral("v:0"),
                    QStringLiteral("-show_entries"), QStringLiteral("stream_side_data=rotation"),
                    QStringLiteral("-of"), QStringLiteral("csv=p=0"), output})
            .trimmed(),
        QByteArray("90"));
}

// Camera clips with a timecode: the joined MOV starts at the first clip's, in a timecode track
// of its own as the inputs have it.
TEST_F(CopyJoinStreams, KeepsTheFirstClipsTimecode) {
    ASSERT_TRUE(dir_.isValid());
    const QString a = Path(QStringLiteral("a.mov"));
    const QString b = Path(QStringLiteral("b.mov"));
    for (const auto& [clip, timecode] : {std::pair{a, QStringLiteral("01:00:00:00")},
                                         std::pair{b, QStringLiteral("02:00:00:00")}}) {
        ASSERT_TRUE(media_tools::MakeClip(
            clip, 0.5, 160, 120, QStringLiteral("25"),
            {QStringLiteral("-c:v"), QStringLiteral("libx264"), QStringLiteral("-c:a"),
             QStringLiteral("aac"), QStringLiteral("-timecode"), timecode}));
    }
    const QString output = Path(QStringLiteral("joined.mov"));
    const Status joined = CopyJoin({a, b}, output);
    ASSERT_TRUE(joined.Ok()) << joined.Message().toStdString();

    const QJsonArray streams = Streams(output);
    int timecodeTracks = 0;
    for (const QJsonValue& stream : streams) {
        const QJsonObject object = stream.toObject();
        if (Field(object, "codec_type") == QLatin1String("video")) {
            EXPECT_EQ(Tag(object, "timecode"), QStringLiteral("01:00:00:00"));
        }
        timecodeTracks += Field(object, "codec_tag_string") == QLatin1String("tmcd") ? 1 : 0;
    }
    EXPECT_EQ(timecodeTracks, 1);
    EXPECT_EQ(
        media_tools::StreamsOfType(media_tools::Probe(output), QStringLiteral("video")).size(), 1);
}

class CopyJoinTracks : public CopyJoinStreams {
protected:
    // Video with English sound (ffmpeg tool), French sound (.mka) and English subtitles (.srt),
    // put together by mkvmerge with names on every track.
    QString TwoLanguageFile(const QString& name) {
        const QString base = Path(name + QStringLiteral("_av.mp4"));
        EXPECT_TRUE(media_tools::MakeClip(base, 2.0, 160, 120, QStringLiteral("25"),
                                          {QStringLiteral("-c:v"), QStringLiteral("libx264"),
                                           QStringLiteral("-c:a"), QStringLiteral("aac")}));
        const QString french = Path(name + QStringLiteral("_fr.mka"));
        EXPECT_TRUE(media_tools::MakeClip(french, 2.0, 0, 0, QStringLiteral("25"),
                                          {QStringLiteral("-c:a"), QStringLiteral("aac")}, false,
                                          true, 48000, 1));
        const QString subtitles = Path(name + QStringLiteral(".srt"));
        QFile srt(subtitles);
        EXPECT_TRUE(srt.open(QIODevice::WriteOnly));
        srt.write(
            "1\n00:00:00,200 --> 00:00:00,900\nHello\n\n"
            "2\n00:00:01,100 --> 00:00:01,800\nGoodbye\n\n");
        srt.close();
        const QString path = Path(name + QStringLiteral(".mkv"));
        EXPECT_TRUE(RunWriter(
            QStringLiteral("mkvmerge"),
            {QStringLiteral("-q"), QStringLiteral("-o"), path, QStringLiteral("--language"),
             QStringLiteral("1:eng"), QStringLiteral("--track-name"), QStringLiteral("1:Main"),
             base, QStringLiteral("--language"), QStringLiteral("0:fre"),
             QStringLiteral("--track-name"), QStringLiteral("0:Doublage"), french,
             QStringLiteral("--language"), QStringLiteral("0:eng"), QStringLiteral("--track-name"),
             QStringLiteral("0:Captions"), subtitles}));
        return path;
    }
};

// Files with the same tracks keep them all, in order, with their languages and names; the
// subtitles of both files are there.
TEST_F(CopyJoinTracks, KeepsEveryTrackWhenEveryFileHasThem) {
    ASSERT_TRUE(dir_.isValid());
    const QString first = TwoLanguageFile(QStringLiteral("one"));
    const QString second = TwoLanguageFile(QStringLiteral("two"));
    const QString output = Path(QStringLiteral("joined.mkv"));
    const Status outcome = CopyJoin({first, second}, output);
    ASSERT_TRUE(outcome.Ok()) << outcome.Message().toStdString();
    EXPECT_TRUE(outcome.Message().isEmpty()) << outcome.Message().toStdString();

    const QJsonArray in = Streams(first);
    const QJsonArray out = Streams(output);
    ASSERT_EQ(in.size(), 4);
    ASSERT_EQ(out.size(), in.size());
    for (qsizetype i = 0; i < in.size(); ++i) {
        const QJsonObject a = in[i].toObject();
        const QJsonObject b = out[i].toObject();
        EXPECT_EQ(Field(b, "codec_type"), Field(a, "codec_type")) << i;
        EXPECT_EQ(Field(b, "codec_name"), Field(a, "codec_name")) << i;
        EXPECT_EQ(Tag(b, "language"), Tag(a, "language")) << i;
        EXPECT_EQ(Tag(b, "title"), Tag(a, "title")) << i;
    }
    EXPECT_EQ(Tag(out[2].toObject(), "language"), QStringLiteral("fre"));
    const QByteArray cues =
        RunFfprobe({QStringLiteral("-select_streams"), QStringLiteral("s:0"),
                    QStringLiteral("-show_entries"), QStringLiteral("packet=pts_time"),
                    QStringLiteral("-of"), QStringLiteral("csv=p=0"), output});
    const QList<QByteArray> times = cues.trimmed().split('\n');
    ASSERT_EQ(times.size(), 4) << cues.toStdString();
    // The second file's first cue sits 0.2 s into the second file.
    EXPECT_NEAR(times[2].toDouble(), 2.2, 0.1);
    const QList<double> french = [&] {
        QList<double> values;
        const QByteArray text =
            RunFfprobe({QStringLiteral("-select_streams"), QStringLiteral("a:1"),
                        QStringLiteral("-show_entries"), QStringLiteral("packet=pts_time"),
                        QStringLiteral("-of"), QStringLiteral("csv=p=0"), output});
        for (const QByteArray& line : text.trimmed().split('\n')) {
            values.push_back(line.toDouble());
        }
        return values;
    }();
    ASSERT_GT(french.size(), 100);
    EXPECT_NEAR(french.back(), 4.0, 0.1);
}

// ASS subtitles often start a sign and a line of dialogue at the same moment.
TEST_F(CopyJoinTracks, KeepsSubtitleEventsThatStartTogether) {
    ASSERT_TRUE(dir_.isValid());
    const QString base = Path(QStringLiteral("base.mp4"));
    ASSERT_TRUE(media_tools::MakeClip(base, 2.0, 160, 120, QStringLiteral("25"),
                                      {QStringLiteral("-c:v"), QStringLiteral("libx264"),
                                       QStringLiteral("-c:a"), QStringLiteral("aac")}));
    const QString script = Path(QStringLiteral("signs.ass"));
    QFile ass(script);
    ASSERT_TRUE(ass.open(QIODevice::WriteOnly));
    ass.write(
        "[Script Info]\nScriptType: v4.00+\n\n[V4+ Styles]\n"
        "Format: Name, Fontname, Fontsize, PrimaryColour, SecondaryColour, OutlineColour, "
        "BackColour, Bold, Italic, Underline, StrikeOut, ScaleX, ScaleY, Spacing, Angle, "
        "BorderStyle, Outline, Shadow, Alignment, MarginL, MarginR, MarginV, Encoding\n"
        "Style: Default,Arial,16,&Hffffff,&Hffffff,&H0,&H0,0,0,0,0,100,100,0,0,1,1,0,2,10,"
        "10,10,0\n\n[Events]\n"
        "Format: Layer, Start, End, Style, Name, MarginL, MarginR, MarginV, Effect, Text\n"
        "Dialogue: 0,0:00:00.20,0:00:00.90,Default,,0,0,0,,Sign\n"
        "Dialogue: 0,0:00:00.20,0:00:00.90,Default,,0,0,0,,Hello\n"
        "Dialogue: 0,0:00:01.10,0:00:01.80,Default,,0,0,0,,Goodbye\n");
    ass.close();
    const QString first = Path(QStringLiteral("first.mkv"));
    ASSERT_TRUE(RunWriter(QStringLiteral("mkvmerge"),
                          {QStringLiteral("-q"), QStringLiteral("-o"), first, base, script}));
    const QString second = Path(QStringLiteral("second.mkv"));
    ASSERT_TRUE(QFile::copy(first, second));
    const QString output = Path(QStringLiteral("joined.mkv"));
    const Status outcome = CopyJoin({first, second}, output);
    ASSERT_TRUE(outcome.Ok()) << outcome.Message().toStdString();
    const QByteArray events =
        RunFfprobe({QStringLiteral("-select_streams"), QStringLiteral("s:0"),
                    QStringLiteral("-show_entries"), QStringLiteral("packet=pts_time"),
                    QStringLiteral("-of"), QStringLiteral("csv=p=0"), output});
    const QList<QByteArray> times = events.trimmed().split('\n');
    ASSERT_EQ(times.size(), 6) << events.toStdString();
    EXPECT_NEAR(times[0].toDouble(), 0.2, 0.01);
    EXPECT_NEAR(times[1].toDouble(), 0.2, 0.01);
    EXPECT_NEAR(times[4].toDouble(), 2.2, 0.1);
}

// When the tracks differ between files, the first video and sound are joined and the note
// names what was left out.
TEST_F(CopyJoinTracks, NamesTheTracksLeftOutWhenFilesDiffer) {
    ASSERT_TRUE(dir_.isValid());
    const QString first = TwoLanguageFile(QStringLiteral("one"));
    const QString plain = Path(QStringLiteral("plain.mkv"));
    ASSERT_TRUE(
        RunWriter(QStringLiteral("mkvmerge"),
                  {QStringLiteral("-q"), QStringLiteral("-o"), plain, QStringLiteral("--language"),
                   QStringLiteral("1:eng"), Path(QStringLiteral("one_av.mp4"))}));
    const QString output = Path(QStringLiteral("joined.mkv"));
    const Status outcome = CopyJoin({first, plain}, output);
    ASSERT_TRUE(outcome.Ok()) << outcome.Message().toStdString();
    EXPECT_EQ(outcome.Message(),
              QStringLiteral("Left out: audio track 2 (fre), subtitles 1 (eng) — not in every "
                             "file."));
    const QJsonArray out = Streams(output);
    ASSERT_EQ(out.size(), 2);
    EXPECT_EQ(Tag(out[1].toObject(), "language"), QStringLiteral("eng"));
}

// MP4 timed text cannot go into Matroska, nor (in FFmpeg 5.1) a cover picture: the join goes
// on without them and says so. Into MP4 both go, the first file's cover once.
TEST_F(CopyJoinTracks, LeavesOutWhatTheContainerCannotCarryAndKeepsOneCover) {
    ASSERT_TRUE(dir_.isValid());
    const QString base = Path(QStringLiteral("base.mp4"));
    ASSERT_TRUE(media_tools::MakeClip(base, 1.0, 160, 120, QStringLiteral("25"),
                                      {QStringLiteral("-c:v"), QStringLiteral("libx264"),
                                       QStringLiteral("-c:a"), QStringLiteral("aac")}));
    const QString subtitles = Path(QStringLiteral("text.srt"));
    QFile srt(subtitles);
    ASSERT_TRUE(srt.open(QIODevice::WriteOnly));
    srt.write("1\n00:00:00,100 --> 00:00:00,800\nHello\n\n");
    srt.close();
    const QString cover = Path(QStringLiteral("cover.png"));
    ASSERT_TRUE(
        media_tools::RunFfmpeg({QStringLiteral("-f"), QStringLiteral("lavfi"), QStringLiteral("-i"),
                                QStringLiteral("color=red:size=64x64"), QStringLiteral("-frames:v"),
                                QStringLiteral("1"), cover}));
    const QString a = Path(QStringLiteral("a.mp4"));
    ASSERT_TRUE(media_tools::RunFfmpeg({QStringLiteral("-i"),
                                        base,
                                        QStringLiteral("-i"),
                                        subtitles,
                                        QStringLiteral("-i"),
                                        cover,
                                        QStringLiteral("-map"),
                                        QStringLiteral("0"),
                                        QStringLiteral("-map"),
                                        QStringLiteral("1"),
                                        QStringLiteral("-map"),
                                        QStringLiteral("2"),
                                        QStringLiteral("-c"),
                                        QStringLiteral("copy"),
                                        QStringLiteral("-c:s"),
                                        QStringLiteral("mov_text"),
                                        QStringLiteral("-metadata:s:s:0"),
                                        QStringLiteral("language=eng"),
                                        QStringLiteral("-disposition:v:1"),
                                        QStringLiteral("attached_pic"),
                                        a}));
    const QString b = Path(QStringLiteral("b.mp4"));
    ASSERT_TRUE(QFile::copy(a, b));
    ASSERT_EQ(Streams(a).size(), 4);

    const QString mkv = Path(QStringLiteral("joined.mkv"));
    const Status intoMkv = CopyJoin({a, b}, mkv);
    ASSERT_TRUE(intoMkv.Ok()) << intoMkv.Message().toStdString();
    EXPECT_EQ(intoMkv.Message(), QStringLiteral("Left out: subtitles 1 (eng), cover art — the "
                                                "matroska output cannot carry them."));
    EXPECT_TRUE(
        media_tools::StreamsOfType(media_tools::Probe(mkv), QStringLiteral("subtitle")).isEmpty());

    const auto covers = [](const QString& path) {
        int count = 0;
        for (const QJsonValue& value : Streams(path)) {
            count += value.toObject()
                         .value(QStringLiteral("disposition"))
                         .toObject()
                         .value(QStringLiteral("attached_pic"))
                         .toInt();
        }
        return count;
    };
    EXPECT_EQ(media_tools::StreamsOfType(media_tools::Probe(mkv), QStringLiteral("video")).size(),
              1);

    const QString mp4 = Path(QStringLiteral("joined.mp4"));
    const Status intoMp4 = CopyJoin({a, b}, mp4);
    ASSERT_TRUE(intoMp4.Ok()) << intoMp4.Message().toStdString();
    EXPECT_TRUE(intoMp4.Message().isEmpty()) << intoMp4.Message().toStdString();
    EXPECT_EQ(covers(mp4), 1);
    EXPECT_EQ(
        media_tools::StreamsOfType(media_tools::Probe(mp4), QStringLiteral("subtitle")).size(), 1);
}

// MPEG program streams (DVD VOB) give a presentation stamp only to pictures that begin a PES
// packet; the others must not get one made up from their decoding stamp, which for a reordered
// picture is too early and makes players show two pictures at one time.
TEST_F(CopyJoinStreams, ProgramStreamPicturesKeepTheirOrder) {
    ASSERT_TRUE(dir_.isValid());
    const QString a = Path(QStringLiteral("a.mpg"));
    const QString b = Path(QStringLiteral("b.mpg"));
    // Simple pictures, several to a PES packet.
    for (const auto& [clip, seconds] :
         {std::pair{a, QStringLiteral("1")}, std::pair{b, QStringLiteral("1.5")}}) {
        ASSERT_TRUE(media_tools::RunFfmpeg(
            {QStringLiteral("-f"), QStringLiteral("lavfi"), QStringLiteral("-i"),
             QStringLiteral("testsrc=size=176x144:rate=25:duration=") + seconds,
             QStringLiteral("-f"), QStringLiteral("lavfi"), QStringLiteral("-i"),
             QStringLiteral("sine=sample_rate=44100:duration=") + seconds, QStringLiteral("-c:v"),
             QStringLiteral("mpeg2video"), QStringLiteral("-c:a"), QStringLiteral("mp2"),
             QStringLiteral("-f"), QStringLiteral("vob"), clip}));
    }
    const QByteArray stamps = RunFfprobe(
        {QStringLiteral("-select_streams"), QStringLiteral("v:0"), QStringLiteral("-show_entries"),
         QStringLiteral("packet=pts"), QStringLiteral("-of"), QStringLiteral("csv=p=0"), a});
    ASSERT_TRUE(stamps.contains("N/A")) << "every picture begins a PES packet";
    const QString output = Path(QStringLiteral("joined.mpg"));
    const Status joined = CopyJoin({a, b}, output);
    ASSERT_TRUE(joined.Ok()) << joined.Message().toStdString();

    for (const QString& clip : {a, b}) {
        const QString alone = FfmpegWarnings({QStringLiteral("-i"), clip, QStringLiteral("-f"),
                                              QStringLiteral("null"), QStringLiteral("-")});
        ASSERT_FALSE(alone.contains(QStringLiteral("monoton"))) << alone.toStdString();
    }
    const QString warnings = FfmpegWarnings({QStringLiteral("-i"), output, QStringLiteral("-f"),
                                             QStringLiteral("null"), QStringLiteral("-")});
    EXPECT_FALSE(warnings.contains(QStringLiteral("monoton"))) << warnings.toStdString();
}

// FLAC files state their own length and checksum in the header the output would take from the
// first: refused, in words that tell what differs.
TEST_F(CopyJoinStreams, RefusesFlacFilesSayingTheirHeadersDiffer) {
    ASSERT_TRUE(dir_.isValid());
    const QString a = Path(QStringLiteral("a.flac"));
    const QString b = Path(QStringLiteral("b.flac"));
    ASSERT_TRUE(media_tools::MakeClip(a, 1.0, 0, 0, QStringLiteral("25"),
                                      {QStringLiteral("-c:a"), QStringLiteral("flac")}, false));
    ASSERT_TRUE(media_tools::MakeClip(b, 1.5, 0, 0, QStringLiteral("25"),
                                      {QStringLiteral("-c:a"), QStringLiteral("flac")}, false));
    const QString output = Path(QStringLiteral("joined.flac"));
    const Status refused = CopyJoin({a, b}, output);
    EXPECT_FALSE(refused.Ok());
    EXPECT_EQ(refused.Message(),
              QStringLiteral("Cannot join by stream copy: b.flac differs from a.flac in audio "
                             "codec setup data (same size, other contents)."));
    EXPECT_FALSE(QFile::exists(output));
}

// Bare AAC (ADTS) files carry no timestamps: every frame of both reaches the output.
TEST_F(CopyJoinStreams, KeepsEveryFrameOfBareAacFiles) {
    ASSERT_TRUE(dir_.isValid());
    const QString a = Path(QStringLiteral("a.aac"));
    const QString b = Path(QStringLiteral("b.aac"));
    ASSERT_TRUE(media_tools::MakeClip(a, 1.0, 0, 0, QStringLiteral("25"),
                                      {QStringLiteral("-c:a"), QStringLiteral("aac")}, false));
    ASSERT_TRUE(media_tools::MakeClip(b, 1.5, 0, 0, QStringLiteral("25"),
                                      {QStringLiteral("-c:a"), QStringLiteral("aac")}, false));
    const QString output = Path(QStringLiteral("joined.aac"));
    const Status joined = CopyJoin({a, b}, output);
    ASSERT_TRUE(joined.Ok()) << joined.Message().toStdString();

    const QList<double> first = AudioPts(a);
    const QList<double> second = AudioPts(b);
    ASSERT_GT(first.size(), 30);
    ASSERT_GT(second.size(), 50);
    EXPECT_EQ(AudioPts(output).size(), first.size() + second.size());
    EXPECT_EQ(QFileInfo(output).size(), QFileInfo(a).size() + QFileInfo(b).size());
}

// Album tracks in MP3 with their cover in the ID3 tag: the joined MP3 keeps the first one's, once,
// and every frame of sound.
TEST_F(CopyJoinStreams, KeepsTheFirstCoverOfMp3Tracks) {
    ASSERT_TRUE(dir_.isValid());
    const QString tone = Path(QStringLiteral("tone.mp3"));
    ASSERT_TRUE(media_tools::MakeClip(tone, 1.0, 0, 0, QStringLiteral("25"),
                                      {QStringLiteral("-c:a"), QStringLiteral("libmp3lame")}, false,
                                      true, 44100));
    const QString cover = Path(QStringLiteral("cover.jpg"));
    ASSERT_TRUE(
        media_tools::RunFfmpeg({QStringLiteral("-f"), QStringLiteral("lavfi"), QStringLiteral("-i"),
                                QStringLiteral("color=red:size=64x64"), QStringLiteral("-frames:v"),
                                QStringLiteral("1"), cover}));
    const QString a = Path(QStringLiteral("a.mp3"));
    const QString b = Path(QStringLiteral("b.mp3"));
    for (const QString& track : {a, b}) {
        ASSERT_TRUE(media_tools::RunFfmpeg(
            {QStringLiteral("-i"), tone, QStringLiteral("-i"), cover, QStringLiteral("-map"),
             QStringLiteral("0"), QStringLiteral("-map"), QStringLiteral("1"), QStringLiteral("-c"),
             QStringLiteral("copy"), QStringLiteral("-id3v2_version"), QStringLiteral("3"),
             QStringLiteral("-disposition:v"), QStringLiteral("attached_pic"), track}));
    }
    ASSERT_EQ(Streams(a).size(), 2);

    const QString output = Path(QStringLiteral("joined.mp3"));
    const Status joined = CopyJoin({a, b}, output);
    ASSERT_TRUE(joined.Ok()) << joined.Message().toStdString();
    EXPECT_TRUE(joined.Message().isEmpty()) << joined.Message().toStdString();
    const QJsonArray video =
        media_tools::StreamsOfType(media_tools::Probe(output), QStringLiteral("video"));
    ASSERT_EQ(video.size(), 1);
    EXPECT_EQ(video[0]
                  .toObject()
                  .value(QStringLiteral("disposition"))
                  .toObject()
                  .value(QStringLiteral("attached_pic"))
                  .toInt(),
              1);
    const auto audioPackets = [](const QString& path) {
        return RunFfprobe({QStringLiteral("-select_streams"), QStringLiteral("a:0"),
                           QStringLiteral("-count_packets"), QStringLiteral("-show_entries"),
                           QStringLiteral("stream=nb_read_packets"), QStringLiteral("-of"),
                           QStringLiteral("csv=p=0"), path})
            .trimmed()
            .toInt();
    };
    ASSERT_GT(audioPackets(a), 30);
    EXPECT_EQ(audioPackets(output), 2 * audioPackets(a));
}

}  // namespace

}  // namespace veltrano
