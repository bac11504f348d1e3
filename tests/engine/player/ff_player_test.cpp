#include "engine/player/ff_player.h"

#include <gtest/gtest.h>

#include <QAudioDevice>
#include <QCoreApplication>
#include <QDir>
#include <QMediaDevices>
#include <QTemporaryDir>
#include <QTest>
#include <cmath>
#include <memory>

#include "core/int64_helpers.h"
#include "engine/player/qt_sound_effect.h"
#include "tests/support/media_tools.h"

namespace veltrano {
namespace {

// Limits only bound a hung player; nothing here measures speed.
constexpr int kGenerousMs = 60'000;
// One picture at 25 frames a second.
constexpr std::int64_t kFrameUs = 40'000;

QCoreApplication& App() {
    static int argc = 1;
    static char name[] = "engine_player_media_tests";
    static char* argv[] = {name, nullptr};
    static QCoreApplication app(argc, argv);
    return app;
}

class RecordingOutput : public VideoOutput {
public:
    void ShowPicture(const VideoPicture& picture) override {
        ++Shown;
        Last = picture;
    }
    void Invalidate() override { ++Invalidated; }
    void Clear() override { ++Cleared; }

    int Shown = 0;
    int Invalidated = 0;
    int Cleared = 0;
    VideoPicture Last;
};

struct Event {
    enum Kind { Duration, Position, State } Type;
    std::int64_t Value;
};

// Everything the player raised, in order.
class EventLog {
public:
    explicit EventLog(MediaPlayer& player) {
        QObject::connect(&player, &MediaPlayer::DurationKnown, [this](quint32 low, qint32 high) {
            events.push_back({Event::Duration, JoinHalves64(low, high)});
        });
        QObject::connect(&player, &MediaPlayer::PositionChanged, [this](quint32 low, qint32 high) {
            events.push_back({Event::Position, JoinHalves64(low, high)});
        });
        QObject::connect(&player, &MediaPlayer::StateChanged, [this](int state) {
            events.push_back({Event::State, state});
        });
    }
    bool Saw(Event::Kind kind, std::int64_t value) const {
        return std::any_of(events.begin(), events.end(),
                           [&](const Event& e) { return e.Type == kind && e.Value == value; });
    }
    int IndexOf(Event::Kind kind, std::int64_t value) const {
        for (std::size_t i = 0; i < events.size(); ++i) {
            if (events[i].Type == kind && events[i].Value == value) {
                return static_cast<int>(i);
            }
        }
        return -1;
    }
    std::vector<std::int64_t> Positions(std::size_t from = 0) const {
        std::vector<std::int64_t> positions;
        for (std::size_t i = from; i < events.size(); ++i) {
            if (events[i].Type == Event::Position) {
                positions.push_back(events[i].Value);
            }
        }
        return positions;
    }
    std::vector<Event> events;
};

// A sound device that plays only as far as the test says (`PlayedUs`, what it reports as
// processed). Like PulseAudio it reads 60 ms ahead of that out of its 100 ms buffer, so the
// buffer alone would say 60 ms less is waiting than really is.
class SteppedSoundSink : public SoundSink {
public:
    static constexpr std::int64_t kBytesPerMs = 48 * 2 * 2;
    static constexpr std::int64_t kBufferBytes = 100 * kBytesPerMs;
    static constexpr std::int64_t kServerBytes = 60 * kBytesPerMs;
    struct State {
        std::int64_t PlayedUs = 0;
        std::int64_t Written = 0;
        int Queries = 0;
    };

    explicit SteppedSoundSink(std::shared_ptr<State> state) : state_(std::move(state)) {}
    AudioOutputFormat Format() const override { return {48000, 2}; }
    bool Start() override {
        state_->Written = 0;
        return true;
    }
    qint64 Write(const char*, qint64 bytes) override {
        const qint64 taken = std::min<qint64>(bytes, BytesFree());
        state_->Written += taken;
        return taken;
    }
    qsizetype BytesFree() const override {
        const std::int64_t read =
            std::min(state_->Written, state_->PlayedUs * kBytesPerMs / 1000 + kServerBytes);
        return static_cast<qsizetype>(kBufferBytes - (state_->Written - read));
    }
    qsizetype BufferSize() const override { return kBufferBytes; }
    std::int64_t ProcessedUs() const override {
        ++state_->Queries;
        return std::min(state_->PlayedUs, state_->Written * 1000 / kBytesPerMs);
    }
    bool Idle() const override { return false; }
    void Suspend() override {}
    void Resume() override {}
    void SetVolume(double) override {}

private:
    std::shared_ptr<State> state_;
};

int ThreadCount() {
    return static_cast<int>(QDir(QStringLiteral("/proc/self/task"))
                                .entryList(QDir::Dirs | QDir::NoDotAndDotDot)
                                .size());
}

class FFPlayerTest : public testing::Test {
protected:
    static void SetUpTestSuite() {
        App();
        dir_ = std::make_unique<QTemporaryDir>();
        // One key frame a second, so a seek lands at most one second early.
        ASSERT_TRUE(media_tools::MakeClip(
            Clip(), 4.0, 320, 240, "25",
            {"-c:v", "libx264", "-g", "25", "-pix_fmt", "yuv420p", "-c:a", "aac"}));
    }
    static void TearDownTestSuite() { dir_.reset(); }
    static QString Clip() { return dir_->filePath("clip.mp4"); }

    static std::unique_ptr<QTemporaryDir> dir_;
};
std::unique_ptr<QTemporaryDir> FFPlayerTest::dir_;

// Plays the clip to its end and checks the events; with sound, the device's clock leads.
void PlayToTheEnd(const QString& clip, bool withSound) {
    FFPlayer player(FFPlayer::Options{withSound});
    EventLog log(player);
    RecordingOutput output;
    ASSERT_TRUE(player.IsEngineLoaded());
    ASSERT_TRUE(player.PlayFile(clip, &output, false)) << player.LastErrorText().toStdString();
    EXPECT_EQ(player.VideoWindow(), &output);
    ASSERT_TRUE(
        QTest::qWaitFor([&] { return log.Saw(Event::State, kPlayStateEnded); }, kGenerousMs));

    ASSERT_FALSE(log.events.empty());
    EXPECT_EQ(log.events.front().Type, Event::Duration);
    EXPECT_NEAR(log.events.front().Value, 4'000'000, 100'000);
    const int playing = log.IndexOf(Event::State, kPlayStatePlaying);
    const int ended = log.IndexOf(Event::State, kPlayStateEnded);
    ASSERT_GE(playing, 0);
    EXPECT_LT(playing, ended);
    EXPECT_GT(output.Shown, 10);
    EXPECT_EQ(output.Last.Width, 320);
    EXPECT_EQ(output.Last.Height, 240);
    EXPECT_EQ(output.Last.Pixels.size(), 320 * 240 * 4);

    const std::vector<std::int64_t> positions = log.Positions();
    ASSERT_GE(positions.size(), 5u);
    EXPECT_TRUE(std::is_sorted(positions.begin(), positions.end()));
    EXPECT_GT(positions.back(), positions.front());
    EXPECT_NEAR(positions.back(), 4'000'000, 100'000);
    EXPECT_EQ(player.PlayState(), kPlayStateEnded);
}

TEST_F(FFPlayerTest, PlaysToTheEndWithEventsInOrder) {
    PlayToTheEnd(Clip(), false);
}

TEST_F(FFPlayerTest, PlaysToTheEndOnTheSoundDevicesClock) {
    // Under the sound-server wrapper a missing device is a failure, not a skip.
    if (QMediaDevices::defaultAudioOutput().isNull()) {
        ASSERT_FALSE(qEnvironmentVariableIsSet("VELTRANO_SOUND_SERVER"));
        GTEST_SKIP() << "no sound device on this machine";
    }
    PlayToTheEnd(Clip(), true);
}

// Motion waits for the sound clock and for nothing else: the second picture shows once the
// device has played up to its stamp, the device's latency subtracted, and not a sample before.
TEST_F(FFPlayerTest, MotionStartsWhenTheDeviceHasPlayedUpToTheSecondPicture) {
    const QString path = dir_->filePath("motion.mkv");
    ASSERT_TRUE(media_tools::MakeClip(path, 1.0, 320, 240, "25",
                                      {"-c:v", "libx264", "-bf", "0", "-c:a", "pcm_s16le"}, true,
                                      true, 48000, 2));
    auto device = std::make_shared<SteppedSoundSink::State>();
    FFPlayer player;
    player.SetSoundSinkFactory(
        [device](int, int) { return std::make_unique<SteppedSoundSink>(device); });
    RecordingOutput output;
    ASSERT_TRUE(player.PlayFile(path, &output, false)) << player.LastErrorText().toStdString();
    // Counted in refreshes that read the device, not in time.
    auto refreshes = [&](int count) {
        const int from = device->Queries;
        return QTest::qWaitFor([&] { return device->Queries >= from + count; }, kGenerousMs);
    };
    const std::int64_t full = SteppedSoundSink::kBufferBytes + SteppedSoundSink::kServerBytes;
    ASSERT_TRUE(
        QTest::qWaitFor([&] { return output.Shown >= 1 && device->Written >= full; }, kGenerousMs));
    ASSERT_TRUE(refreshes(20));
    EXPECT_EQ(output.Shown, 1);

    // A millisecond short of the stamp; without the latency the clock would be 60 ms on.
    device->PlayedUs = kFrameUs - 1000;
    ASSERT_TRUE(refreshes(20));
    EXPECT_EQ(output.Shown, 1);

    // At the stamp (a millisecond over, for the container's rounding) the second picture
    // shows while the device plays no further.
    device->PlayedUs = kFrameUs + 1000;
    EXPECT_TRUE(QTest::qWaitFor([&] { return output.Shown >= 2; }, kGenerousMs));
    EXPECT_EQ(output.Shown, 2);
    player.ClosePlayer(false);
}

TEST_F(FFPlayerTest, SeekWhilePausedShowsThePictureAtTheTarget) {
    FFPlayer player(FFPlayer::Options{false});
    EventLog log(player);
    RecordingOutput output;
    ASSERT_TRUE(player.PlayFile(Clip(), &output, false));
    ASSERT_TRUE(
        QTest::qWaitFor([&] { return log.Saw(Event::State, kPlayStatePlaying); }, kGenerousMs));
    player.Pause();
    EXPECT_TRUE(player.IsPaused());
    EXPECT_EQ(player.PlayState(), kPlayStatePaused);
    const QByteArray before = output.Last.Pixels;
    const int shown = output.Shown;
    const std::size_t from = log.events.size();

    const std::int64_t target = 2'500'000;
    player.Seek(static_cast<std::uint32_t>(target), 0, kSeekToTarget, false);
    ASSERT_TRUE(QTest::qWaitFor([&] { return output.Shown > shown; }, kGenerousMs));
    // The seek reports its target at once; the new picture's report is queued behind it.
    ASSERT_TRUE(QTest::qWaitFor([&] { return log.Positions(from).size() >= 2; }, kGenerousMs));
    const std::vector<std::int64_t> positions = log.Positions(from);
    ASSERT_FALSE(positions.empty());
    // The first picture at or after the target, not the key frame at 2 s.
    EXPECT_GE(positions.back(), target);
    EXPECT_LT(positions.back(), target + kFrameUs);
    EXPECT_NE(output.Last.Pixels, before);
    EXPECT_EQ(output.Shown, shown + 1);  // paused: exactly the one new picture
    EXPECT_EQ(player.PlayState(), kPlayStatePaused);

    player.Resume();
    ASSERT_TRUE(
        QTest::qWaitFor([&] { return log.Saw(Event::State, kPlayStateEnded); }, kGenerousMs));
    // Back to the start and paused, as the window does at the end of the stream.
    player.Seek(12345, 0, kSeekToStart, false);
    player.Pause();
    const int atEnd = output.Shown;
    ASSERT_TRUE(QTest::qWaitFor([&] { return output.Shown > atEnd; }, kGenerousMs));
    EXPECT_EQ(player.PlayState(), kPlayStatePaused);
    EXPECT_TRUE(QTest::qWaitFor([&] { return log.Positions().back() == 0; }, kGenerousMs))
        << "the last position is " << log.Positions().back();
}

// The frame number of a picture of the numbered clip below: its left half has the luma
// 16 + 2 x (n mod 100), its right half 16 + 20 x (n div 100); grey, so red follows the luma.
int FrameNumber(const VideoPicture& picture) {
    auto luma = [&](int x) {
        const int offset = picture.Height / 2 * picture.BytesPerLine + x * 4;
        const int red = static_cast<unsigned char>(picture.Pixels.at(offset + 2));
        return red * 219.0 / 255.0;  // above 16, in the full range the picture shows
    };
    return 100 * static_cast<int>(std::lround(luma(picture.Width * 3 / 4) / 20.0)) +
           static_cast<int>(std::lround(luma(picture.Width / 4) / 2.0));
}

TEST_F(FFPlayerTest, SeekLandsOnThePictureAtTheTargetTenSecondsPastTheKeyFrame) {
    // 30 s with key frames at 0, 10 and 20 s only; each picture carries its number.
    const QString path = dir_->filePath("numbered.mp4");
    ASSERT_TRUE(media_tools::RunFfmpeg(
        {"-f", "lavfi", "-i",
         "color=c=black:s=160x120:r=25:d=30,format=yuv420p,"
         "geq=lum='if(lt(X,80),16+2*mod(N,100),16+20*floor(N/100))':cb=128:cr=128",
         "-c:v", "libx264", "-qp", "0", "-g", "250", "-sc_threshold", "0", path}));
    FFPlayer player(FFPlayer::Options{false});
    EventLog log(player);
    RecordingOutput output;
    ASSERT_TRUE(player.PlayFile(path, &output, true));
    ASSERT_TRUE(QTest::qWaitFor([&] { return output.Shown > 0; }, kGenerousMs));
    EXPECT_EQ(FrameNumber(output.Last), 0);

    auto seekTo = [&](std::int64_t target) {
        const int shown = output.Shown;
        const std::size_t from = log.events.size();
        player.Seek(static_cast<std::uint32_t>(target), 0, kSeekToTarget, false);
        EXPECT_TRUE(QTest::qWaitFor([&] { return output.Shown > shown; }, kGenerousMs));
        EXPECT_TRUE(QTest::qWaitFor([&] { return log.Positions(from).size() >= 2; }, kGenerousMs));
        return log.Positions(from).back();
    };
    const std::int64_t middle = 15'000'000;
    const std::int64_t position = seekTo(middle);
    EXPECT_GE(position, middle);
    EXPECT_LT(position, middle + kFrameUs);
    EXPECT_EQ(FrameNumber(output.Last), 375) << "15 s at 25 frames a second";
    EXPECT_EQ(player.PlayState(), kPlayStatePaused);

    // Between two pictures: the next one.
    seekTo(middle + 1);
    EXPECT_EQ(FrameNumber(output.Last), 376);
    // Past the last picture: the last one shows, and the file ends there.
    seekTo(30'000'000);
    EXPECT_EQ(FrameNumber(output.Last), 749);
    EXPECT_TRUE(
        QTest::qWaitFor([&] { return log.Saw(Event::State, kPlayStateEnded); }, kGenerousMs));
}

TEST_F(FFPlayerTest, ClosingDuringPlaybackJoinsEveryThread) {
    const int threadsBefore = ThreadCount();
    {
        FFPlayer player(FFPlayer::Options{false});
        EventLog log(player);
        RecordingOutput output;
        ASSERT_TRUE(player.PlayFile(Clip(), &output, false));
        ASSERT_TRUE(
            QTest::qWaitFor([&] { return log.Saw(Event::State, kPlayStatePlaying); }, kGenerousMs));
        EXPECT_GT(ThreadCount(), threadsBefore);
        player.ClosePlayer(false);
        EXPECT_EQ(ThreadCount(), threadsBefore);
        EXPECT_EQ(player.PlayState(), kPlayStateClosed);
        EXPECT_EQ(player.VideoWindow(), nullptr);
        EXPECT_EQ(output.Cleared, 1);
        // Nothing from the closed file arrives afterwards: its threads are joined, so whatever
        // they queued is already posted and is delivered here.
        const std::size_t seen = log.events.size();
        QCoreApplication::sendPostedEvents();
        QCoreApplication::processEvents();
        EXPECT_EQ(log.events.size(), seen);
        // The same player plays again.
        ASSERT_TRUE(player.PlayFile(Clip(), &output, false));
        ASSERT_TRUE(
            QTest::qWaitFor([&] { return log.Saw(Event::State, kPlayStatePlaying); }, kGenerousMs));
    }  // destroyed while playing
    EXPECT_EQ(ThreadCount(), threadsBefore);
}

TEST_F(FFPlayerTest, PlaysHeadlessWithTheSoundDeviceOptional) {
    FFPlayer player;  // asks for a sound device; the test machine may have none
    EventLog log(player);
    RecordingOutput output;
    player.SetAudioVolume(300);
    EXPECT_EQ(player.AudioVolume(), 128);
    player.SetMute(true);
    EXPECT_TRUE(player.Mute());
    ASSERT_TRUE(player.PlayFile(Clip(), &output, false));
    ASSERT_TRUE(
        QTest::qWaitFor([&] { return log.Saw(Event::State, kPlayStatePlaying); }, kGenerousMs));
    EXPECT_GE(output.Shown, 1);
    player.ClosePlayer(false);
}

TEST_F(FFPlayerTest, SoundOnlyWithoutADeviceRunsThroughItsDuration) {
    const QString path = dir_->filePath("sound.m4a");
    ASSERT_TRUE(media_tools::MakeClip(path, 1.0, 0, 0, "25", {"-c:a", "aac"}, false, true));
    FFPlayer player(FFPlayer::Options{false});
    EventLog log(player);
    ASSERT_TRUE(player.PlayFile(path, nullptr, false));
    ASSERT_TRUE(
        QTest::qWaitFor([&] { return log.Saw(Event::State, kPlayStateEnded); }, kGenerousMs));
    const int playing = log.IndexOf(Event::State, kPlayStatePlaying);
    ASSERT_GE(playing, 0);
    // Positions between the start and the end were reported on the way.
    const std::vector<std::int64_t> positions = log.Positions();
    ASSERT_GE(positions.size(), 3u);
    EXPECT_TRUE(std::is_sorted(positions.begin(), positions.end()));
    EXPECT_GT(positions[positions.size() - 2], 0);
    EXPECT_NEAR(positions.back(), 1'000'000, 100'000);
}

TEST_F(FFPlayerTest, AnUnplayableFileFailsWithAReason) {
    const QString path = dir_->filePath("not-media.txt");
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("plain words, no pictures");
    file.close();
    FFPlayer player(FFPlayer::Options{false});
    RecordingOutput output;
    EXPECT_FALSE(player.PlayFile(path, &output, false));
    EXPECT_FALSE(player.LastErrorText().isEmpty());
    EXPECT_EQ(player.PlayState(), kPlayStateClosed);
    EXPECT_EQ(player.VideoWindow(), nullptr);
    EXPECT_FALSE(player.PlayFile(dir_->filePath("missing.mp4"), &output, false));
}

TEST_F(FFPlayerTest, DisplaySizeFitsPicturesIntoTheFrameBox) {
    FFPlayer player(FFPlayer::Options{false});
    EventLog log(player);
    RecordingOutput output;
    player.SetFrameWidth(161);
    player.SetFrameHeight(400);
    ASSERT_TRUE(player.PlayFile(Clip(), &output, false));
    ASSERT_TRUE(QTest::qWaitFor([&] { return output.Shown > 0; }, kGenerousMs));
    EXPECT_EQ(output.Last.Width, 160);  // 4:3 fitted into 161 wide, even sizes
    EXPECT_EQ(output.Last.Height, 120);
    player.SetFrameWidth(640);
    player.SetFrameHeight(480);
    player.ApplyDisplaySize();
    ASSERT_TRUE(QTest::qWaitFor([&] { return output.Last.Width == 640; }, kGenerousMs));
    EXPECT_EQ(output.Last.Height, 480);
}

TEST_F(FFPlayerTest, PicturesTakeTheAspectTheContainerStates) {
    // Square pixels in the stream, 16:9 stated only by the container (as cameras and editors
    // write): shown 16:9, as other players show it.
    const QString path = dir_->filePath("wide-by-container.mp4");
    ASSERT_TRUE(media_tools::RunFfmpeg(
        {"-i", Clip(), "-map", "0:v", "-c", "copy", "-aspect", "16:9", path}));
    FFPlayer player(FFPlayer::Options{false});
    EventLog log(player);
    RecordingOutput output;
    player.SetFrameWidth(640);
    player.SetFrameHeight(640);
    ASSERT_TRUE(player.PlayFile(path, &output, false)) << player.LastErrorText().toStdString();
    ASSERT_TRUE(QTest::qWaitFor([&] { return output.Shown > 0; }, kGenerousMs));
    EXPECT_EQ(output.Last.Width, 640);
    EXPECT_EQ(output.Last.Height, 360);
    player.ClosePlayer(false);
}

// The completion sound of a join: a missing file is silence, not a failure.
TEST(QtSoundEffectTest, AMissingFileIsSilence) {
    App();
    QtSoundEffect sound(QStringLiteral("/nonexistent/join-finished.wav"));
    EXPECT_FALSE(sound.CanPlay());
    sound.Play();  // silently nothing
    sound.Play();
}

}  // namespace
}  // namespace veltrano
