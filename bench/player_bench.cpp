// Times the preview player: from PlayFile to the first picture shown, and from a seek while
// paused to the new picture, on one clip; with --screenshot it also opens the player window
// on the clip and saves a picture of it; with --lip-sync it plays a flash-and-beep clip on the
// sound device and measures picture against sound (bench/player_sync_bench.h).
//
//   bench_player <clip> [runs] [--screenshot out.png | --sound-start | --lip-sync]
#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <vector>

#include "bench/player_sync_bench.h"
#include "engine/player/ff_player.h"
#include "ui/player/form_player.h"
#include "ui/player/qt_player_messages.h"

namespace veltrano {
namespace {

// Records when pictures arrive; the bench waits on it.
class TimedOutput : public VideoOutput {
public:
    void ShowPicture(const VideoPicture&) override {
        ++Shown;
        if (Shown == 1 && clock != nullptr) {
            FirstAtMs = clock->nsecsElapsed() / 1e6;
        }
        if (Shown == 2 && clock != nullptr) {
            MotionAtMs = clock->nsecsElapsed() / 1e6;
        }
        if (loop != nullptr) {
            loop->quit();
        }
    }
    void Invalidate() override {}
    void Clear() override {}

    int Shown = 0;
    QEventLoop* loop = nullptr;
    const QElapsedTimer* clock = nullptr;
    double FirstAtMs = 0;
    double MotionAtMs = 0;
};

bool WaitForPicture(TimedOutput& output, int before) {
    QEventLoop loop;
    output.loop = &loop;
    QTimer::singleShot(10'000, &loop, &QEventLoop::quit);
    if (output.Shown == before) {
        loop.exec();
    }
    output.loop = nullptr;
    return output.Shown > before;
}

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values.empty() ? 0 : values[values.size() / 2];
}

int Bench(const QString& clip, int runs) {
    std::vector<double> firstPicture;
    std::vector<double> seek;
    std::vector<double> windowSeek;
    for (int run = 0; run < runs; ++run) {
        FFPlayer player(FFPlayer::Options{false});
        TimedOutput output;
        QElapsedTimer timer;
        timer.start();
        if (!player.PlayFile(clip, &output, false)) {
            std::fprintf(stderr, "%s\n", qPrintable(player.LastErrorText()));
            return 1;
        }
        if (!WaitForPicture(output, 0)) {
            return 1;
        }
        firstPicture.push_back(timer.nsecsElapsed() / 1e6);
        player.Pause();
        const int before = output.Shown;
        timer.restart();
        // 15 s: on a clip with key frames every 10 s, five seconds of pictures to decode.
        const std::int64_t middle = 15'000'000;
        player.Seek(static_cast<std::uint32_t>(middle), 0, kSeekToTarget, false);
        if (!WaitForPicture(output, before)) {
            return 1;
        }
        seek.push_back(timer.nsecsElapsed() / 1e6);

        // As the window does it while paused: seek, resume, pause, 50 ms of events, seek again.
        const int shownBefore = output.Shown;
        const std::int64_t other = 25'000'000;
        timer.restart();
        player.Seek(static_cast<std::uint32_t>(other), 0, kSeekToTarget, false);
        player.Resume();
        player.Pause();
        QEventLoop settle;
        QTimer::singleShot(50, &settle, &QEventLoop::quit);
        settle.exec();
        player.Seek(static_cast<std::uint32_t>(other), 0, kSeekToTarget, false);
        if (!WaitForPicture(output, shownBefore)) {
            return 1;
        }
        windowSeek.push_back(timer.nsecsElapsed() / 1e6);
        player.ClosePlayer(false);
    }
    std::printf("first picture: median %.1f ms over %d runs\n", Median(firstPicture), runs);
    std::printf("seek while paused to 15 s, to the new picture: median %.1f ms (%.1f to %.1f)\n",
                Median(seek), *std::min_element(seek.begin(), seek.end()),
                *std::max_element(seek.begin(), seek.end()));
    std::printf(
        "the window's paused seek to 25 s (with its 50 ms wait), to the new picture: "
        "median %.1f ms\n",
        Median(windowSeek));
    return 0;
}

// With the sound device: from PlayFile to the first picture and to the second (motion).
int BenchSoundStart(const QString& clip, int runs) {
    std::vector<double> first;
    std::vector<double> motion;
    for (int run = 0; run < runs; ++run) {
        FFPlayer player(FFPlayer::Options{true});
        TimedOutput output;
        QElapsedTimer timer;
        output.clock = &timer;
        timer.start();
        if (!player.PlayFile(clip, &output, false)) {
            std::fprintf(stderr, "%s\n", qPrintable(player.LastErrorText()));
            return 1;
        }
        if (!WaitForPicture(output, 0) || !WaitForPicture(output, 1)) {
            return 1;
        }
        first.push_back(output.FirstAtMs);
        motion.push_back(output.MotionAtMs);
        player.ClosePlayer(false);
    }
    std::printf(
        "sound device: first picture median %.1f ms, motion median %.1f ms (%.1f to %.1f)\n",
        Median(first), Median(motion), *std::min_element(motion.begin(), motion.end()),
        *std::max_element(motion.begin(), motion.end()));
    return 0;
}

int Screenshot(const QString& clip, const QString& out) {
    FFPlayer player(FFPlayer::Options{false});
    QtPlayerMessages messages;
    FormPlayer form(player, messages, QApplication::applicationDirPath());
    form.show();
    if (!form.Load(clip, QStringLiteral("00:00:30"))) {
        return 1;
    }
    QEventLoop loop;
    QTimer::singleShot(2500, &loop, &QEventLoop::quit);  // a few display-size ticks
    loop.exec();
    player.Pause();
    const bool saved = form.grab().save(out);
    form.close();
    return saved ? 0 : 1;
}

}  // namespace
}  // namespace veltrano

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() < 2) {
        std::fprintf(stderr, "usage: bench_player <clip> [runs] [--screenshot out.png]\n");
        return 2;
    }
    const int shotAt = static_cast<int>(args.indexOf(QStringLiteral("--screenshot")));
    if (shotAt > 0 && shotAt + 1 < args.size()) {
        return veltrano::Screenshot(args[1], args[shotAt + 1]);
    }
    const int runs = args.size() > 2 ? std::max(1, args[2].toInt()) : 5;
    if (args.contains(QStringLiteral("--lip-sync"))) {
        return veltrano::BenchLipSync(args[1]);
    }
    if (args.contains(QStringLiteral("--sound-start"))) {
        return veltrano::BenchSoundStart(args[1], runs);
    }
    return veltrano::Bench(args[1], runs);
}
