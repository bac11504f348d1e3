#pragma once

#include <condition_variable>
#include <cstddef>
#include <cstdint>
#include <deque>
#include <mutex>
#include <optional>

#include "engine/av/av_ptr.h"

namespace veltrano {

// A packet for a decoder thread; a null packet marks the end of the input. `Serial` names the
// seek it belongs to, so a decoder can tell when to flush. A seek lands on the key frame before
// its target: what decodes before `ShowFrom` (microseconds from the start) is dropped.
struct QueuedPacket {
    av::PacketPtr Packet;
    int Serial = 0;
    std::int64_t ShowFrom = INT64_MIN;
};

// A first-in first-out queue shared by two threads. Push blocks while `capacity` items wait
// (0: never blocks); Pop blocks while empty. Abort wakes and refuses every waiter for good.
template <typename T>
class BoundedQueue {
public:
    explicit BoundedQueue(std::size_t capacity = 0) : capacity_(capacity) {}

    bool Push(T item, std::size_t bytes = 0) {
        std::unique_lock lock(mutex_);
        changed_.wait(lock,
                      [&] { return aborted_ || capacity_ == 0 || items_.size() < capacity_; });
        if (aborted_) {
            return false;
        }
        items_.push_back(std::move(item));
        bytes_ += bytes;
        sizes_.push_back(bytes);
        changed_.notify_all();
        return true;
    }

    // Waits for an item; nullopt once aborted.
    std::optional<T> Pop() {
        std::unique_lock lock(mutex_);
        changed_.wait(lock, [&] { return aborted_ || !items_.empty(); });
        if (aborted_) {
            return std::nullopt;
        }
        return TakeFront();
    }

    // The front item without waiting; nullopt when empty.
    std::optional<T> TryPop() {
        std::lock_guard lock(mutex_);
        if (aborted_ || items_.empty()) {
            return std::nullopt;
        }
        return TakeFront();
    }

    // Calls `look` on the front item (under the lock) when there is one; its result or `fallback`.
    template <typename F, typename R>
    R PeekFront(F look, R fallback) const {
        std::lock_guard lock(mutex_);
        return items_.empty() ? fallback : look(items_.front());
    }
    template <typename F, typename R>
    R PeekSecond(F look, R fallback) const {
        std::lock_guard lock(mutex_);
        return items_.size() < 2 ? fallback : look(items_[1]);
    }

    void Clear() {
        std::lock_guard lock(mutex_);
        items_.clear();
        sizes_.clear();
        bytes_ = 0;
        changed_.notify_all();
    }

    void Abort() {
        std::lock_guard lock(mutex_);
        aborted_ = true;
        changed_.notify_all();
    }

    std::size_t Size() const {
        std::lock_guard lock(mutex_);
        return items_.size();
    }
    std::size_t Bytes() const {
        std::lock_guard lock(mutex_);
        return bytes_;
    }

private:
    T TakeFront() {
        T item = std::move(items_.front());
        items_.pop_front();
        bytes_ -= sizes_.front();
        sizes_.pop_front();
        changed_.notify_all();
        return item;
    }

    const std::size_t capacity_;
    mutable std::mutex mutex_;
    std::condition_variable changed_;
    std::deque<T> items_;
    std::deque<std::size_t> sizes_;
    std::size_t bytes_ = 0;
    bool aborted_ = false;
};

}  // namespace veltrano
