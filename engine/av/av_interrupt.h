#pragma once

extern "C" {
#include <libavformat/avio.h>
}

#include <atomic>

namespace veltrano {

namespace av {

// An AVIO interrupt callback that aborts blocking libav calls once `cancel` is set, so a stop
// takes effect inside a read or write as well as between packets.
inline AVIOInterruptCB InterruptFor(const std::atomic<bool>& cancel) {
    // libav takes a non-const opaque pointer; the callback only reads the flag.
    return AVIOInterruptCB{
        [](void* opaque) { return static_cast<const std::atomic<bool>*>(opaque)->load() ? 1 : 0; },
        const_cast<void*>(static_cast<const void*>(&cancel))};
}

}  // namespace av

}  // namespace veltrano
