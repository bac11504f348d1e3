#include "engine/copy/copy_hidden_lead.h"

#include <QStringList>
#include <algorithm>

#include "engine/av/av_ptr.h"

namespace veltrano {

namespace copy_hidden_lead {

namespace {

// Audio hidden at a file's start up to this many frames is encoder priming, not cut footage.
constexpr int kPrimingFrames = 2;
// The frame length assumed for audio whose frame size is unknown.
constexpr AVRational kLongestAudioFrame{1, 20};
// A file whose streams have not all shown a packet after this many is not looked at further;
// the copy pass still checks every packet.
constexpr int kMostPacketsRead = 256;

}  // namespace

void StreamLead::Add(std::int64_t duration) {
    Hidden += std::max<std::int64_t>(duration > 0 ? duration : FrameDuration, 1);
}

bool StreamLead::IsCut() const {
    if (Hidden <= 0) {
        return false;
    }
    if (!IsAudio) {
        return true;  // hidden pictures are always cut-away footage
    }
    const std::int64_t frame =
        FrameDuration > 0 ? FrameDuration : av_rescale_q(1, kLongestAudioFrame, TimeBase);
    return Hidden > kPrimingFrames * frame;
}

StreamLead LeadOf(const CopyStreamParams& stream) {
    StreamLead lead;
    lead.IsAudio = stream.Type == AVMEDIA_TYPE_AUDIO;
    lead.TimeBase = stream.TimeBase.num > 0 ? stream.TimeBase : AVRational{1, AV_TIME_BASE};
    if (lead.IsAudio && stream.FrameSize > 0) {
        lead.FrameDuration =
            av_rescale_q(stream.FrameSize, AVRational{1, stream.SampleRate}, lead.TimeBase);
    } else if (!lead.IsAudio && stream.FrameRate.num > 0 && stream.FrameRate.den > 0) {
        lead.FrameDuration = av_rescale_q(1, av_inv_q(stream.FrameRate), lead.TimeBase);
    }
    return lead;
}

bool OutputKeepsLeadHidden(const QString& muxerName) {
    static const QStringList names{QStringLiteral("mp4"),  QStringLiteral("mov"),
                                   QStringLiteral("3gp"),  QStringLiteral("3g2"),
                                   QStringLiteral("ipod"), QStringLiteral("psp")};
    return names.contains(muxerName);
}

bool StartsWithCut(AVFormatContext* input, const CopyInputScan& scan) {
    struct Watched {
        int Index = -1;
        StreamLead Lead;
        bool Shown = false;
    };
    Watched watched[2];
    int open = 0;
    for (const CopyStreamParams* stream : {&scan.Video, &scan.Audio}) {
        if (stream->Present && stream->Index >= 0) {
            watched[open++] = Watched{stream->Index, LeadOf(*stream), false};
        }
    }
    av::PacketPtr packet = av::MakePacket();
    if (packet == nullptr) {
        return false;
    }
    int waiting = open;
    for (int read = 0; waiting > 0 && read < kMostPacketsRead; ++read) {
        if (av_read_frame(input, packet.get()) < 0) {
            break;  // a read failure shows up again, with its reason, when the file is copied
        }
        for (int i = 0; i < open; ++i) {
            Watched& stream = watched[i];
            if (packet->stream_index != stream.Index || stream.Shown) {
                continue;
            }
            if ((packet->flags & AV_PKT_FLAG_DISCARD) != 0) {
                stream.Lead.Add(packet->duration);
            } else {
                stream.Shown = true;
                --waiting;
            }
        }
        av_packet_unref(packet.get());
    }
    return std::any_of(watched, watched + open,
                       [](const Watched& stream) { return stream.Lead.IsCut(); });
}

Status Refusal(const QString& fileName, bool firstFile) {
    const QString where = firstFile ? QStringLiteral("an MP4 or MOV output")
                                    : QStringLiteral("the first file of an MP4 or MOV output");
    const QString advice = firstFile ? QStringLiteral("Convert it instead.")
                                     : QStringLiteral("Convert it instead, or put it first.");
    return {AVERROR(EINVAL),
            QStringLiteral("Cannot join by stream copy: %1 was cut without re-encoding (an edit "
                           "list hides its start), which only %2 can keep hidden. %3")
                .arg(fileName, where, advice)};
}

}  // namespace copy_hidden_lead

}  // namespace veltrano
