#include "engine/player/player_queues.h"

#include <gtest/gtest.h>

#include <atomic>
#include <thread>

namespace veltrano {
namespace {

TEST(BoundedQueueTest, KeepsOrderAndCountsBytes) {
    BoundedQueue<int> queue;
    queue.Push(1, 100);
    queue.Push(2, 50);
    EXPECT_EQ(queue.Size(), 2u);
    EXPECT_EQ(queue.Bytes(), 150u);
    EXPECT_EQ(queue.PeekFront([](int v) { return v; }, -1), 1);
    EXPECT_EQ(queue.PeekSecond([](int v) { return v; }, -1), 2);
    EXPECT_EQ(queue.TryPop(), 1);
    EXPECT_EQ(queue.Bytes(), 50u);
    EXPECT_EQ(queue.Pop(), 2);
    EXPECT_EQ(queue.TryPop(), std::nullopt);
    EXPECT_EQ(queue.PeekFront([](int v) { return v; }, -1), -1);
}

TEST(BoundedQueueTest, AFullQueueHoldsThePusherUntilRoomIsMade) {
    BoundedQueue<int> queue(1);
    queue.Push(1);
    std::atomic<bool> pushed{false};
    std::thread producer([&] {
        queue.Push(2);
        pushed = true;
    });
    // The second push can only finish once the first item is taken.
    EXPECT_EQ(queue.Pop(), 1);
    EXPECT_EQ(queue.Pop(), 2);
    producer.join();
    EXPECT_TRUE(pushed);
}

TEST(BoundedQueueTest, ClearMakesRoomAndAbortReleasesEveryWaiter) {
    BoundedQueue<int> queue(1);
    queue.Push(1, 10);
    std::thread producer([&] { queue.Push(2); });
    queue.Clear();  // a seek throws the waiting item away and lets the producer on
    producer.join();
    EXPECT_EQ(queue.Size(), 1u);
    EXPECT_EQ(queue.Bytes(), 0u);

    BoundedQueue<int> empty;
    std::optional<int> got = 0;
    std::thread consumer([&] { got = empty.Pop(); });
    empty.Abort();
    consumer.join();
    EXPECT_EQ(got, std::nullopt);
    EXPECT_FALSE(empty.Push(3));  // refused for good
    EXPECT_EQ(empty.TryPop(), std::nullopt);
}

}  // namespace
}  // namespace veltrano
