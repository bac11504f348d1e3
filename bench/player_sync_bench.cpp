#include "bench/player_sync_bench.h"

#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QEventLoop>
#include <QRegularExpression>
#include <QTimer>
#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <mutex>
#include <thread>
#include <vector>

#include "engine/player/ff_player.h"

extern char** environ;

namespace veltrano {
namespace {

constexpr int kMonitorRate = 48000;

double NowMs() {
    using namespace std::chrono;
    return duration<double, std::milli>(steady_clock::now().time_since_epoch()).count();
}

double Median(std::vector<double> values) {
    if (values.empty()) {
        return 0;
    }
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

// The sink's monitor as parec delivers it, one channel at 48 kHz. Each read notes when it
// arrived, so the time a sample reached the monitor is the earliest any read could have had
// it: the lower envelope over reads takes out the delivery's jitter.
class MonitorRecorder {
public:
    bool Start() {
        int fds[2];
        if (pipe(fds) != 0) {
            return false;
        }
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_adddup2(&actions, fds[1], STDOUT_FILENO);
        posix_spawn_file_actions_addclose(&actions, fds[0]);
        char rate[] = "--rate=48000";
        // As deep as the sink's own recorder, so this one does not make the sink shallower.
        QByteArray latency = "--latency-msec=" + qgetenv("VELTRANO_SINK_LATENCY_MS");
        if (latency.endsWith('=')) {
            latency += "20";
        }
        char* argv[] = {const_cast<char*>("parec"),
                        const_cast<char*>("--raw"),
                        const_cast<char*>("--format=s16le"),
                        const_cast<char*>("--channels=1"),
                        rate,
                        latency.data(),
                        const_cast<char*>("-d"),
                        const_cast<char*>("@DEFAULT_MONITOR@"),
                        nullptr};
        const int spawned = posix_spawnp(&pid_, "parec", &actions, nullptr, argv, environ);
        posix_spawn_file_actions_destroy(&actions);
        close(fds[1]);
        if (spawned != 0) {
            close(fds[0]);
            return false;
        }
        fd_ = fds[0];
        thread_ = std::thread([this] { Read(); });
        return true;
    }
    void Stop() {
        if (pid_ > 0) {
            kill(pid_, SIGTERM);
            waitpid(pid_, nullptr, 0);
        }
        if (thread_.joinable()) {
            thread_.join();
        }
        if (fd_ >= 0) {
            close(fd_);
        }
    }
    // The steady-clock time at which sample `index` reached the monitor.
    double CaptureMs(std::int64_t index) const {
        double best = 1e300;
        for (const Arrival& a : arrivals_) {
            if (a.Total >= index && a.Total - index < 3 * kMonitorRate) {
                best = std::min(best, a.AtMs - (a.Total - index) * 1000.0 / kMonitorRate);
            }
        }
        return best;
    }
    const std::vector<std::int16_t>& Samples() const { return samples_; }

private:
    struct Arrival {
        double AtMs;
        std::int64_t Total;
    };
    void Read() {
        std::vector<std::int16_t> buffer(4096);
        std::size_t odd = 0;  // a byte of a sample split between reads
        unsigned char carry = 0;
        for (;;) {
            unsigned char* bytes = reinterpret_cast<unsigned char*>(buffer.data());
            if (odd != 0) {
                bytes[0] = carry;
            }
            const ssize_t got = read(fd_, bytes + odd, buffer.size() * 2 - odd);
            if (got <= 0) {
                return;
            }
            const std::size_t total = odd + static_cast<std::size_t>(got);
            const std::size_t whole = total / 2;
            odd = total % 2;
            carry = odd != 0 ? bytes[total - 1] : 0;
            samples_.insert(samples_.end(), buffer.begin(), buffer.begin() + whole);
            arrivals_.push_back({NowMs(), static_cast<std::int64_t>(samples_.size())});
        }
    }

    pid_t pid_ = -1;
    int fd_ = -1;
    std::thread thread_;
    std::vector<std::int16_t> samples_;
    std::vector<Arrival> arrivals_;
};

// The sink's latency as the server reports it (what it rendered, and so sent to the
// monitor, but has not played yet), sampled every half second while the clip plays.
class SinkLatencySampler {
public:
    void Start() {
        thread_ = std::thread([this] {
            const QRegularExpression latency(QStringLiteral("Latency: (\\d+) usec"));
            while (!stop_) {
                if (FILE* out = popen("pactl list sinks 2>/dev/null", "r")) {
                    QByteArray text;
                    char line[512];
                    while (std::fgets(line, sizeof line, out) != nullptr) {
                        text += line;
                    }
                    pclose(out);
                    const QRegularExpressionMatch match =
                        latency.match(QString::fromLocal8Bit(text));
                    if (match.hasMatch()) {
                        std::lock_guard lock(mutex_);
                        values_.push_back(match.captured(1).toDouble() / 1000.0);
                    }
                }
                std::this_thread::sleep_for(std::chrono::milliseconds(500));
            }
        });
    }
    std::vector<double> Stop() {
        stop_ = true;
        if (thread_.joinable()) {
            thread_.join();
        }
        return values_;
    }

private:
    std::thread thread_;
    std::atomic<bool> stop_{false};
    std::mutex mutex_;
    std::vector<double> values_;
};

struct ShownPicture {
    double AtMs;
    bool Flash;
};

class FlashOutput : public VideoOutput {
public:
    void ShowPicture(const VideoPicture& picture) override {
        const qsizetype middle =
            (static_cast<qsizetype>(picture.Height / 2) * picture.Width + picture.Width / 2) * 4;
        const bool flash = middle + 2 < picture.Pixels.size() &&
                           static_cast<unsigned char>(picture.Pixels[middle + 1]) > 128;
        Shown.push_back({NowMs(), flash});
    }
    void Invalidate() override {}
    void Clear() override {}

    std::vector<ShownPicture> Shown;
};

// Where each beep starts: the first loud sample after half a second of quiet.
std::vector<std::int64_t> BeepOnsets(const std::vector<std::int16_t>& samples) {
    constexpr int kLoud = 3277;  // a tenth of full scale
    std::vector<std::int64_t> onsets;
    std::int64_t quietSince = 0;
    for (std::size_t i = 0; i < samples.size(); ++i) {
        if (std::abs(static_cast<int>(samples[i])) < kLoud) {
            continue;
        }
        if (static_cast<std::int64_t>(i) - quietSince >= kMonitorRate / 2) {
            onsets.push_back(static_cast<std::int64_t>(i));
        }
        quietSince = static_cast<std::int64_t>(i);
    }
    return onsets;
}

}  // namespace

int BenchLipSync(const QString& clip) {
    MonitorRecorder recorder;
    if (!recorder.Start()) {
        std::fprintf(stderr, "cannot start parec\n");
        return 1;
    }
    SinkLatencySampler latency;
    latency.Start();
    // Let the recorder settle before the clip starts.
    QEventLoop settle;
    QTimer::singleShot(500, &settle, &QEventLoop::quit);
    settle.exec();

    FlashOutput output;
    const double openedAt = NowMs();
    {
        FFPlayer player(FFPlayer::Options{true});
        QEventLoop loop;
        QObject::connect(&player, &MediaPlayer::StateChanged, &loop, [&loop](int state) {
            if (state == kPlayStateEnded) {
                loop.quit();
            }
        });
        QTimer::singleShot(200'000, &loop, &QEventLoop::quit);
        if (!player.PlayFile(clip, &output, false)) {
            std::fprintf(stderr, "%s\n", qPrintable(player.LastErrorText()));
            recorder.Stop();
            latency.Stop();
            return 1;
        }
        loop.exec();
        // The tail still in the sink reaches the monitor.
        QTimer::singleShot(500, &settle, &QEventLoop::quit);
        settle.exec();
        player.ClosePlayer(false);
    }
    const std::vector<double> latencies = latency.Stop();
    recorder.Stop();

    if (output.Shown.size() < 2) {
        std::fprintf(stderr, "fewer than two pictures shown\n");
        return 1;
    }
    const double sinkLatencyMs = Median(latencies);
    std::vector<double> beepsHeardMs;
    for (const std::int64_t onset : BeepOnsets(recorder.Samples())) {
        beepsHeardMs.push_back(recorder.CaptureMs(onset) + sinkLatencyMs);
    }
    // The first flash shows as soon as it is decoded, before the clock runs; the rest are
    // paired with the nearest beep.
    const double motionAtMs = output.Shown[1].AtMs;
    std::vector<double> offsets;
    std::vector<double> offsetTimes;
    for (std::size_t i = 1; i < output.Shown.size(); ++i) {
        if (!output.Shown[i].Flash || beepsHeardMs.empty()) {
            continue;
        }
        const double at = output.Shown[i].AtMs;
        const auto nearest = std::min_element(
            beepsHeardMs.begin(), beepsHeardMs.end(),
            [at](double a, double b) { return std::abs(a - at) < std::abs(b - at); });
        if (std::abs(*nearest - at) < 400) {
            offsets.push_back(at - *nearest);
            offsetTimes.push_back(at - motionAtMs);
        }
    }
    std::printf("start: first picture %.1f ms, motion %.1f ms after PlayFile\n",
                output.Shown[0].AtMs - openedAt, motionAtMs - openedAt);
    std::printf("sink latency reported by the server: median %.1f ms (%zu samples)\n",
                sinkLatencyMs, latencies.size());
    if (offsets.empty()) {
        std::printf("no flash could be paired with a beep (%zu beeps heard)\n",
                    beepsHeardMs.size());
        return 1;
    }
    std::vector<double> first;
    std::vector<double> last;
    const double end = offsetTimes.back();
    for (std::size_t i = 0; i < offsets.size(); ++i) {
        if (offsetTimes[i] < 10'000) {
            first.push_back(offsets[i]);
        }
        if (offsetTimes[i] > end - 10'000) {
            last.push_back(offsets[i]);
        }
    }
    std::printf(
        "picture minus sound (positive: picture late), %zu flashes of %zu beeps: "
        "median %+.1f ms, %+.1f to %+.1f ms; at the monitor, latency not added: %+.1f ms\n",
        offsets.size(), beepsHeardMs.size(), Median(offsets),
        *std::min_element(offsets.begin(), offsets.end()),
        *std::max_element(offsets.begin(), offsets.end()), Median(offsets) + sinkLatencyMs);
    std::printf("drift over %.0f s: %+.1f ms (median of the last 10 s minus the first 10 s)\n",
                end / 1000.0, Median(last) - Median(first));
    return 0;
}

}  // namespace veltrano
