#include "engine/player/sound_clock.h"

#include <gtest/gtest.h>

namespace veltrano {
namespace {

// 48 kHz stereo, 16-bit: 192 bytes a millisecond.
constexpr int kBytesPerSecond = 192'000;
constexpr std::int64_t kBytesPerMs = 192;

TEST(SoundClockTest, SubtractsTheLargerOfTheSinksBufferAndWhatTheDeviceHasNotPlayed) {
    SoundClock clock(kBytesPerSecond);
    EXPECT_FALSE(clock.HasClock());
    // One second written from 5 s on.
    clock.Wrote(600 * kBytesPerMs, 5'600'000);
    clock.Wrote(400 * kBytesPerMs, 6'000'000);
    ASSERT_TRUE(clock.HasClock());

    // Nothing played yet: the clock stands at the first sample however little the sink holds.
    EXPECT_EQ(clock.Position(200 * kBytesPerMs, 0), 5'000'000);
    // PulseAudio: the sink holds 200 ms, the server has played 700 ms, so 300 ms are still
    // between the sink and the speaker.
    EXPECT_EQ(clock.Position(200 * kBytesPerMs, 700'000), 5'700'000);
    // A device that counts written sound as processed: the sink's buffer decides.
    EXPECT_EQ(clock.Position(200 * kBytesPerMs, 1'000'000), 5'800'000);
    // A figure sampled a moment earlier never takes the clock back.
    EXPECT_EQ(clock.Position(250 * kBytesPerMs, 700'000), 5'800'000);

    // After a seek the device starts over, and so does the clock.
    clock.Restart();
    EXPECT_FALSE(clock.HasClock());
    clock.Wrote(100 * kBytesPerMs, 1'100'000);
    EXPECT_EQ(clock.Position(0, 40'000), 1'040'000);
}

}  // namespace
}  // namespace veltrano
