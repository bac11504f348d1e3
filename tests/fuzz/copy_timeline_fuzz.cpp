// The copy join's timeline over arbitrary files: 1 to 3 output streams, files whose streams
// have any time base, start, lead and delay, packets with any stamps and durations, fed as
// CopyJoiner feeds them (silence fillers where a gap is asked for). No packet may vanish
// unreported (a drop only for a packet without stamps or sound that would overlap), and the
// decoding stamps written to each stream strictly increase.
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "engine/av/av_ptr.h"
#include "engine/copy/copy_timeline.h"

extern "C" {
#include <libavutil/mathematics.h>
}

using namespace veltrano;

namespace {

void Check(bool condition, const char* broken) {
    if (!condition) {
        std::fprintf(stderr, "copy timeline: %s\n", broken);
        std::abort();
    }
}

// Hands out the input's bytes as numbers; zeros once they run out.
class Bytes {
public:
    Bytes(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}
    bool Empty() const { return size_ == 0; }
    std::uint64_t Take(std::size_t count) {
        std::uint64_t value = 0;
        for (std::size_t i = 0; i < count && size_ > 0; ++i, ++data_, --size_) {
            value = (value << 8) | *data_;
        }
        return value;
    }
    int Small(int limit) { return static_cast<int>(Take(1) % static_cast<unsigned>(limit)); }
    AVRational TimeBase() {
        return {1 + static_cast<int>(Take(2) % 1001), 1 + static_cast<int>(Take(3) % 1000000)};
    }
    // A stamp: mostly small numbers, sometimes anything at all, sometimes none.
    std::int64_t Stamp() {
        switch (Small(4)) {
            case 0:
                return AV_NOPTS_VALUE;
            case 1:
                return static_cast<std::int64_t>(Take(8));
            default:
                return static_cast<std::int16_t>(Take(2));
        }
    }

private:
    const std::uint8_t* data_;
    std::size_t size_;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    Bytes in(data, size);
    const int streamCount = 1 + in.Small(3);
    std::vector<AVRational> outBases;
    for (int i = 0; i < streamCount; ++i) {
        outBases.push_back(in.TimeBase());
    }
    const int master = in.Small(streamCount);
    CopyTimeline timeline(outBases, master);
    timeline.KeepMissingPictureStamps(in.Small(2) == 1);

    std::vector<std::int64_t> lastDts(streamCount, AV_NOPTS_VALUE);
    const auto written = [&](int stream, const AVPacket* packet) {
        Check(lastDts[stream] == AV_NOPTS_VALUE || packet->dts > lastDts[stream],
              "decoding stamps not increasing");
        Check(packet->pts == AV_NOPTS_VALUE || packet->pts >= packet->dts, "shown before decoded");
        lastDts[stream] = packet->dts;
    };
    int drops = 0;
    const int fileCount = 1 + in.Small(4);
    for (int file = 0; file < fileCount && !in.Empty(); ++file) {
        std::vector<CopyTimeline::StreamInFile> streams(streamCount);
        std::vector<int> present;
        for (int i = 0; i < streamCount; ++i) {
            CopyTimeline::StreamInFile& stream = streams[i];
            stream.Present = i == master || in.Small(4) != 0;
            stream.TimeBase = in.TimeBase();
            stream.DefaultDuration = std::max<std::int64_t>(0, in.Stamp());
            stream.VideoDelay = in.Small(4);
            stream.IsAudio = in.Small(2) == 1;
            stream.Start = in.Stamp();
            stream.FirstDts = in.Stamp();
            if (stream.Present) {
                present.push_back(i);
            }
        }
        if (in.Small(2) == 0) {
            timeline.BeginFile(streams);
        } else {
            timeline.BeginFile(streams, in.Stamp());
        }
        const int packetCount = in.Small(64);
        for (int p = 0; p < packetCount; ++p) {
            const int stream = present[in.Small(static_cast<int>(present.size()))];
            const CopyTimeline::StreamInFile& info = streams[stream];
            av::PacketPtr packet = av::MakePacket();
            packet->stream_index = stream;
            packet->pts = in.Stamp();
            packet->dts = in.Stamp();
            packet->duration = std::max<std::int64_t>(0, in.Stamp());
            const bool stamped = packet->pts != AV_NOPTS_VALUE || packet->dts != AV_NOPTS_VALUE;
            const bool canFill = info.IsAudio && in.Small(2) == 1;
            CopyTimeline::Verdict verdict = timeline.Place(stream, packet.get(), canFill);
            // A silence frame as long as the packet, and no shorter than any codec's (10 ms).
            const std::int64_t frame = std::max(
                av_rescale_q(packet->duration > 0 ? packet->duration : info.DefaultDuration,
                             info.TimeBase, outBases[stream]),
                std::max<std::int64_t>(1, av_rescale_q(10, {1, 1000}, outBases[stream])));
            for (int filled = 0; verdict == CopyTimeline::Verdict::FillGap; ++filled) {
                Check(canFill, "a gap to fill where none may be filled");
                Check(filled < 100000, "a gap filled without end stalls the join");
                av::PacketPtr filler = av::MakePacket();
                filler->duration = frame;
                timeline.PlaceFiller(stream, filler.get());
                written(stream, filler.get());
                verdict = timeline.Place(stream, packet.get(), true);
            }
            switch (verdict) {
                case CopyTimeline::Verdict::Write:
                    written(stream, packet.get());
                    break;
                case CopyTimeline::Verdict::Drop:
                    Check(!stamped || info.IsAudio, "a stamped picture dropped");
                    ++drops;
                    break;
                case CopyTimeline::Verdict::Backwards:
                case CopyTimeline::Verdict::Damaged:
                    return 0;  // the join stops and names the file
                case CopyTimeline::Verdict::FillGap:
                    break;
            }
        }
    }
    Check(timeline.DroppedPackets() == drops, "drops miscounted");
    timeline.PositionUs();
    return 0;
}
