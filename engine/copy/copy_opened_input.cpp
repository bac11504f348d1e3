#include "engine/copy/copy_opened_input.h"

#include <QFile>
#include <algorithm>

#include "engine/av/av_file_io.h"
#include "engine/copy/copy_failure.h"
#include "engine/copy/copy_input.h"

namespace veltrano {

Result<OpenedInput> OpenCopyInput(const QString& path, const CopyInputScan& scan,
                                  const std::vector<int>& kept, bool first, const QString& muxer,
                                  const std::atomic<bool>& cancel, av::InputFormatPtr analysed) {
    // The scan analysed every file already. Only the first file, whose parameters the output
    // streams take (unless the scan hands it over analysed), formats that find their streams while
    // reading, and pictures stored out of order in a container without decoding stamps are analysed
    // again: there (Matroska) the demuxer fills one in from the reorder depth only the analysis
    // finds.
    const bool reordered = std::any_of(kept.begin(), kept.end(), [&](int stream) {
        return scan.Streams[static_cast<std::size_t>(stream)].VideoDelay > 0;
    });
    OpenedInput opened;
    int ret = 0;
    // Unchanged since it was opened, the file would be read and analysed again to the same end.
    const bool reuse = analysed != nullptr && !scan.DeepAnalysis &&
                       av::StillReadsFileAt(analysed->pb, QFile::encodeName(path));
    if (reuse) {
        opened.Context = std::move(analysed);
    } else {
        analysed.reset();
        Result<av::InputFormatPtr> context =
            copy_input::Open(path, cancel, copy_input::kCopyReadBufferBytes);
        ret = context.Code();
        if (context.Ok()) {
            opened.Context = std::move(context).Value();
        }
    }
    const bool analysedNow =
        reuse || (opened.Context != nullptr &&
                  (first || scan.Headerless ||
                   (reordered && !copy_input::StoresDecodingStamps(opened.Context->iformat))));
    if (!reuse && analysedNow) {
        ret = copy_input::Analyse(opened.Context.get(), scan.DeepAnalysis);
    }
    if (ret < 0) {
        return copy_failure::Failure(
            ret, QStringLiteral("Cannot open %1").arg(copy_failure::NameOf(path)), cancel);
    }
    AVFormatContext* input = opened.Context.get();
    // Streams found while reading may not all be there before the analysis.
    const auto matchesScan = [&] {
        return std::all_of(kept.begin(), kept.end(), [&](int stream) {
            return stream < static_cast<int>(input->nb_streams) &&
                   input->streams[stream]->codecpar->codec_type ==
                       scan.Streams[static_cast<std::size_t>(stream)].Type;
        });
    };
    // A bare stream (ADTS, MP3) tells its sample rate, and for ADTS its timestamps, only once
    // parsed: without them every packet would come without a place on the timeline.
    const auto knowsStreams = [&] {
        return std::all_of(kept.begin(), kept.end(), [&](int stream) {
            const AVCodecParameters* par = input->streams[stream]->codecpar;
            return (par->codec_type != AVMEDIA_TYPE_AUDIO || par->sample_rate > 0) &&
                   (par->codec_type != AVMEDIA_TYPE_VIDEO || par->width > 0);
        });
    };
    if (!analysedNow && (!matchesScan() || !knowsStreams())) {
        ret = copy_input::Analyse(input, scan.DeepAnalysis);
        if (ret < 0) {
            return copy_failure::Failure(
                ret, QStringLiteral("Cannot open %1").arg(copy_failure::NameOf(path)), cancel);
        }
    }
    if (!matchesScan()) {
        return copy_failure::Failure(
            AVERROR_INVALIDDATA,
            QStringLiteral("Cannot read the streams of %1").arg(copy_failure::NameOf(path)),
            cancel);
    }
    // The scan's checks hold only for the file it read: one replaced since (another picture
    // size, codec or sample rate) would be copied into an output that no longer plays.
    const auto sameAsScanned = [&] {
        return std::all_of(kept.begin(), kept.end(), [&](int stream) {
            const AVCodecParameters* par = input->streams[stream]->codecpar;
            const CopyStreamParams& scanned = scan.Streams[static_cast<std::size_t>(stream)];
            const auto known = [](int now, int then) {
                return now == 0 || then == 0 || now == then;
            };
            return par->codec_id == scanned.Codec && known(par->width, scanned.Width) &&
                   known(par->height, scanned.Height) &&
                   known(par->sample_rate, scanned.SampleRate) &&
                   known(par->ch_layout.nb_channels, scanned.Channels);
        });
    };
    if (!sameAsScanned()) {
        return Status(AVERROR_INVALIDDATA,
                      QStringLiteral("Cannot join %1: the file changed after it was checked.")
                          .arg(copy_failure::NameOf(path)));
    }
    opened.OutIndexOf.assign(input->nb_streams, -1);
    opened.InIndexOf.assign(kept.size(), -1);
    opened.Filters.resize(kept.size());
    int next = 0;
    for (const int stream : kept) {
        const int outIndex = next++;
        opened.OutIndexOf[stream] = outIndex;
        opened.InIndexOf[outIndex] = stream;
        const AVStream* in = input->streams[stream];
        if (const char* name = copy_input::BitstreamFilterFor(input, in->codecpar, muxer)) {
            Result<av::BsfPtr> filter = copy_input::MakeFilter(name, in);
            if (!filter.Ok()) {
                return copy_failure::Failure(
                    filter.Code(),
                    QStringLiteral("Cannot prepare %1 for copying").arg(copy_failure::NameOf(path)),
                    cancel);
            }
            opened.Filters[outIndex] = std::move(filter).Value();
        }
    }
    return opened;
}

}  // namespace veltrano
