#include "engine/player/player_session.h"

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <chrono>
#include <cmath>
#include <utility>

#include "engine/av/av_error.h"
#include "engine/av/av_input.h"

namespace veltrano {

namespace {

// The read thread stops filling at 15 MiB in all or 25 packets per stream, like ffplay.
constexpr std::size_t kMaxQueuedBytes = 15 * 1024 * 1024;
constexpr std::size_t kEnoughPackets = 25;
constexpr auto kReaderIdleWait = std::chrono::milliseconds(10);
// Sound packets that end this long before a seek's target are not decoded: what they would
// make is dropped anyway, and the ones decoded just before the target rebuild the decoder's
// state (overlapping transforms, bit reservoirs, pre-roll) for the first sound kept.
constexpr std::int64_t kAudioPrerollUs = 200'000;
// The queued pictures, the one on screen and one more: the buffers a steady picture size needs.
constexpr std::size_t kKeptPictureBuffers = 5;

// Even sizes keep the chroma planes of subsampled formats whole; rounding down keeps the
// picture inside its box.
int EvenAtLeastTwo(double value) {
    const int rounded = static_cast<int>(std::floor(value / 2.0 + 1e-9)) * 2;
    return std::max(2, rounded);
}

}  // namespace

Result<std::unique_ptr<PlayerSession>> PlayerSession::Open(const QString& path, bool withAudio) {
    std::unique_ptr<PlayerSession> session(new PlayerSession());
    av::InputOpenOptions options;
    // Lets Stop() break a read that blocks inside libav.
    options.Cancel = &session->abort_;
    options.FailureLead = QStringLiteral("Cannot open file");
    Result<av::InputFormatPtr> opened = av::OpenMediaInput(path, options);
    if (!opened.Ok()) {
        return opened.GetStatus();
    }
    session->format_ = std::move(opened).Value();
    const int analysed = avformat_find_stream_info(session->format_.get(), nullptr);
    if (analysed < 0) {
        return Status(analysed, av::Describe(QStringLiteral("Cannot read the streams of the file"),
                                             analysed));
    }
    AVFormatContext* format = session->format_.get();
    session->startTime_ = format->start_time == AV_NOPTS_VALUE ? 0 : format->start_time;
    session->duration_ =
        format->duration == AV_NOPTS_VALUE ? 0 : std::max<std::int64_t>(0, format->duration);

    const int videoIndex = av_find_best_stream(format, AVMEDIA_TYPE_VIDEO, -1, -1, nullptr, 0);
    if (videoIndex >= 0 &&
        (format->streams[videoIndex]->disposition & AV_DISPOSITION_ATTACHED_PIC) == 0) {
        if (Status decoder = session->OpenDecoder(session->video_, videoIndex); !decoder.Ok()) {
            return decoder;
        }
    }
    const int audioIndex = av_find_best_stream(format, AVMEDIA_TYPE_AUDIO, -1, -1, nullptr, 0);
    if (withAudio && audioIndex >= 0) {
        if (Status decoder = session->OpenDecoder(session->audio_, audioIndex); !decoder.Ok()) {
            return decoder;
        }
    }
    if (!session->HasVideo() && audioIndex < 0) {
        return Status::Failed(
            QStringLiteral("Cannot play the file: it has neither pictures nor sound"));
    }
    return session;
}

Status PlayerSession::OpenDecoder(Stream& stream, int index) {
    AVStream* avStream = format_->streams[index];
    const AVCodec* codec = avcodec_find_decoder(avStream->codecpar->codec_id);
    if (codec == nullptr) {
        return Status(AVERROR_DECODER_NOT_FOUND,
                      QStringLiteral("Cannot play the file: no decoder for the codec \"%1\"")
                          .arg(QString::fromUtf8(avcodec_get_name(avStream->codecpar->codec_id))));
    }
    av::CodecContextPtr context(avcodec_alloc_context3(codec));
    if (!context) {
        return Status(AVERROR(ENOMEM), QStringLiteral("Cannot play the file: out of memory"));
    }
    int result = avcodec_parameters_to_context(context.get(), avStream->codecpar);
    if (result >= 0) {
        context->pkt_timebase = avStream->time_base;
        context->thread_count = 0;  // libav picks from the core count
        result = avcodec_open2(context.get(), codec, nullptr);
    }
    if (result < 0) {
        return Status(result, av::Describe(QStringLiteral("Cannot open the decoder"), result));
    }
    stream.Index = index;
    stream.TimeBase = avStream->time_base;
    stream.Context = std::move(context);
    return {};
}

PlayerSession::~PlayerSession() {
    Stop();
}

int PlayerSession::AudioSampleRate() const {
    return HasAudio() ? audio_.Context->sample_rate : 0;
}

int PlayerSession::AudioChannels() const {
    return HasAudio() ? audio_.Context->ch_layout.nb_channels : 0;
}

void PlayerSession::Start(AudioOutputFormat audio, std::function<void()> pictureReady) {
    audioFormat_ = audio;
    pictureReady_ = std::move(pictureReady);
    reader_ = std::thread([this] { ReadLoop(); });
    if (HasVideo()) {
        video_.Thread = std::thread([this] { DecodeLoop(video_); });
    }
    if (HasAudio()) {
        audio_.Thread = std::thread([this] { DecodeLoop(audio_); });
    }
}

void PlayerSession::Stop() {
    abort_ = true;
    {
        std::lock_guard lock(seekMutex_);
        wakeReader_.notify_all();
    }
    video_.Packets.Abort();
    audio_.Packets.Abort();
    pictures_.Abort();
    sound_.Abort();
    for (std::thread* thread : {&reader_, &video_.Thread, &audio_.Thread}) {
        if (thread->joinable()) {
            thread->join();
        }
    }
}

void PlayerSession::RequestSeek(std::int64_t target, int serial) {
    std::lock_guard lock(seekMutex_);
    seekPending_ = true;
    seekTarget_ = target;
    seekSerial_ = serial;
    latestSerial_ = serial;
    wakeReader_.notify_all();
}

void PlayerSession::SetPictureBox(int width, int height) {
    boxWidth_ = std::max(0, width);
    boxHeight_ = std::max(0, height);
}

bool PlayerSession::Finished(int serial) const {
    return readerEndSerial_ == serial && (!HasVideo() || video_.DrainedSerial == serial) &&
           (!HasAudio() || audio_.DrainedSerial == serial);
}

std::int64_t PlayerSession::ToMicroseconds(std::int64_t ts, AVRational timeBase) const {
    return av_rescale_q(ts, timeBase, AVRational{1, AV_TIME_BASE}) - startTime_;
}

bool PlayerSession::QueuesFull() const {
    if (video_.Packets.Bytes() + audio_.Packets.Bytes() > kMaxQueuedBytes) {
        return true;
    }
    if (!HasVideo() && !HasAudio()) {
        return false;  // nothing is decoded: read through to the end
    }
    return (!HasVideo() || video_.Packets.Size() >= kEnoughPackets) &&
           (!HasAudio() || audio_.Packets.Size() >= kEnoughPackets);
}

bool PlayerSession::ApplyPendingSeek(int& serial, std::int64_t& showFrom, bool& atEnd) {
    std::int64_t target = 0;
    {
        std::lock_guard lock(seekMutex_);
        if (!seekPending_) {
            return false;
        }
        seekPending_ = false;
        target = seekTarget_;
        serial = seekSerial_;
    }
    showFrom = target;
    const std::int64_t ts = target + startTime_;
    // The key frame at or before the target; past the last one, any frame near it.
    if (avformat_seek_file(format_.get(), -1, INT64_MIN, ts, ts, 0) < 0) {
        avformat_seek_file(format_.get(), -1, INT64_MIN, ts, INT64_MAX, 0);
    }
    video_.Packets.Clear();
    audio_.Packets.Clear();
    pictures_.Clear();
    sound_.Clear();
    atEnd = false;
    return true;
}

void PlayerSession::ReadLoop() {
    int serial = 0;
    std::int64_t showFrom = INT64_MIN;
    bool atEnd = false;
    av::PacketPtr packet = av::MakePacket();
    while (!abort_) {
        ApplyPendingSeek(serial, showFrom, atEnd);
        if (atEnd || QueuesFull()) {
            std::unique_lock lock(seekMutex_);
            wakeReader_.wait_for(lock, kReaderIdleWait, [this] { return abort_ || seekPending_; });
            continue;
        }
        const int result = av_read_frame(format_.get(), packet.get());
        if (result < 0) {
            if (result == AVERROR(EAGAIN)) {
                continue;
            }
            // End of file or a read error: either way the decoders drain what they hold.
            atEnd = true;
            for (Stream* stream : {&video_, &audio_}) {
                if (stream->Context) {
                    stream->Packets.Push(QueuedPacket{nullptr, serial, showFrom});
                }
            }
            readerEndSerial_ = serial;
            continue;
        }
        Stream* target = nullptr;
        if (packet->stream_index == video_.Index && HasVideo()) {
            target = &video_;
        } else if (packet->stream_index == audio_.Index && HasAudio()) {
            target = &audio_;
        }
        if (target == nullptr) {
            av_packet_unref(packet.get());
            continue;
        }
        const std::size_t bytes = static_cast<std::size_t>(std::max(0, packet->size));
        av::PacketPtr queued = av::MakePacket();
        av_packet_move_ref(queued.get(), packet.get());
        target->Packets.Push(QueuedPacket{std::move(queued), serial, showFrom}, bytes);
    }
}

void PlayerSession::DecodeLoop(Stream& stream) {
    const bool isVideo = &stream == &video_;
    av::FramePtr frame = av::MakeFrame();
    stream.Dropped = av::MakeFrame();
    int serial = 0;
    while (!abort_) {
        std::optional<QueuedPacket> item = stream.Packets.Pop();
        if (!item) {
            return;
        }
        if (Stale(item->Serial)) {
            continue;  // read before the reader carried out the last seek
        }
        if (item->Serial != serial) {
            avcodec_flush_buffers(stream.Context.get());
            serial = item->Serial;
            av_frame_unref(stream.Dropped.get());
        }
        stream.ShowFrom = item->ShowFrom;
        if (isVideo) {
            // A picture nothing refers to and that shows before the target need not be decoded.
            const AVPacket* packet = item->Packet.get();
            const bool early = packet != nullptr && packet->pts != AV_NOPTS_VALUE &&
                               ToMicroseconds(packet->pts, stream.TimeBase) < item->ShowFrom;
            stream.Context->skip_frame = early ? AVDISCARD_NONREF : AVDISCARD_DEFAULT;
        } else if (EarlyAudio(item->Packet.get(), item->ShowFrom)) {
            continue;
        }
        if (avcodec_send_packet(stream.Context.get(), item->Packet.get()) < 0 && item->Packet) {
            continue;  // a damaged packet: skip it, as players do
        }
        while (!abort_) {
            const int received = avcodec_receive_frame(stream.Context.get(), frame.get());
            if (received == AVERROR_EOF) {
                // A seek past the last picture still shows one: the last there is.
                if (isVideo && !Stale(serial) && stream.Dropped->buf[0] != nullptr &&
                    !SendPictures(stream.Dropped.get(), serial, true)) {
                    return;
                }
                av_frame_unref(stream.Dropped.get());
                // Ready for the packets of the next seek.
                avcodec_flush_buffers(stream.Context.get());
                stream.DrainedSerial = serial;
                break;
            }
            if (received < 0) {
                break;
            }
            if (Stale(serial)) {
                // A seek came meanwhile: nothing of this one will be shown or played.
                av_frame_unref(frame.get());
                continue;
            }
            const bool sent =
                isVideo ? SendPictures(frame.get(), serial, false) : SendSound(frame.get(), serial);
            av_frame_unref(frame.get());
            if (!sent) {
                return;
            }
        }
    }
}

// `keep` shows the picture whatever its time.
bool PlayerSession::SendPictures(AVFrame* frame, int serial, bool keep) {
    std::int64_t pts = nextVideoPts_;
    if (frame->best_effort_timestamp != AV_NOPTS_VALUE) {
        pts = ToMicroseconds(frame->best_effort_timestamp, video_.TimeBase);
    }
    const AVRational rate = video_.Context->framerate;
    const std::int64_t step = rate.num > 0 && rate.den > 0
                                  ? av_rescale_q(1, av_inv_q(rate), AVRational{1, AV_TIME_BASE})
                                  : 40000;
    nextVideoPts_ = pts + step;
    if (!keep && pts < video_.ShowFrom) {
        // Decoded only to reach the target; never converted, which keeps a seek quick.
        av_frame_unref(video_.Dropped.get());
        av_frame_move_ref(video_.Dropped.get(), frame);
        return true;
    }
    if (frame != video_.Dropped.get()) {
        av_frame_unref(video_.Dropped.get());
    }

    // The shape on screen, with the pixels' aspect as the container states it where it does
    // (what players and ffprobe show), else the picture's own; then fitted into the box.
    double width = frame->width;
    const double height = frame->height;
    const AVRational aspect =
        av_guess_sample_aspect_ratio(format_.get(), format_->streams[video_.Index], frame);
    if (aspect.num > 0 && aspect.den > 0) {
        width *= av_q2d(aspect);
    }
    double scale = 1.0;
    const int boxWidth = boxWidth_;
    const int boxHeight = boxHeight_;
    if (boxWidth > 0 && boxHeight > 0) {
        scale = std::min(boxWidth / width, boxHeight / height);
    }
    const int outWidth = EvenAtLeastTwo(width * scale);
    const int outHeight = EvenAtLeastTwo(height * scale);
    SwsContext* raw = sws_getCachedContext(
        scaler_.release(), frame->width, frame->height, static_cast<AVPixelFormat>(frame->format),
        outWidth, outHeight, AV_PIX_FMT_RGB32, SWS_BILINEAR, nullptr, nullptr, nullptr);
    scaler_.reset(raw);
    if (!scaler_) {
        return true;  // a picture we cannot convert is skipped, not fatal
    }
    DecodedPicture decoded;
    decoded.Pts = pts;
    decoded.Serial = serial;
    VideoPicture& picture = decoded.Picture;
    picture.Width = outWidth;
    picture.Height = outHeight;
    picture.BytesPerLine = outWidth * 4;
    picture.Pixels = TakePictureBuffer(static_cast<qsizetype>(picture.BytesPerLine) * outHeight);
    uint8_t* planes[4] = {reinterpret_cast<uint8_t*>(picture.Pixels.data()), nullptr, nullptr,
                          nullptr};
    int strides[4] = {picture.BytesPerLine, 0, 0, 0};
    sws_scale(scaler_.get(), frame->data, frame->linesize, 0, frame->height, planes, strides);
    pictureBuffers_.push_back(picture.Pixels);
    if (pictureBuffers_.size() > kKeptPictureBuffers) {
        pictureBuffers_.erase(pictureBuffers_.begin());
    }
    if (!pictures_.Push(std::move(decoded))) {
        return false;
    }
    if (serial != announcedSerial_) {
        announcedSerial_ = serial;
        if (pictureReady_) {
            pictureReady_();
        }
    }
    return true;
}

// A fresh buffer for a large picture costs a page fault for each of its pages, which on a
// loaded or virtual machine takes as long as converting the picture; so the bytes of pictures
// nobody holds any more are written again.
QByteArray PlayerSession::TakePictureBuffer(qsizetype bytes) {
    std::erase_if(pictureBuffers_, [bytes](const QByteArray& buffer) {
        return buffer.size() != bytes;  // the box changed
    });
    for (auto it = pictureBuffers_.begin(); it != pictureBuffers_.end(); ++it) {
        if (it->isDetached()) {
            // Whoever let go of it last is done reading it.
            std::atomic_thread_fence(std::memory_order_acquire);
            QByteArray buffer = std::move(*it);
            pictureBuffers_.erase(it);
            return buffer;
        }
    }
    QByteArray buffer;
    buffer.resize(bytes);
    return buffer;
}

bool PlayerSession::EarlyAudio(const AVPacket* packet, std::int64_t showFrom) const {
    if (packet == nullptr || packet->pts == AV_NOPTS_VALUE || showFrom == INT64_MIN) {
        return false;
    }
    const std::int64_t end =
        ToMicroseconds(packet->pts + std::max<std::int64_t>(0, packet->duration), audio_.TimeBase);
    return end < showFrom - kAudioPrerollUs;
}

bool PlayerSession::SendSound(AVFrame* frame, int serial) {
    std::int64_t pts = nextAudioPts_;
    if (frame->best_effort_timestamp != AV_NOPTS_VALUE) {
        pts = ToMicroseconds(frame->best_effort_timestamp, audio_.TimeBase);
    }
    if (frame->sample_rate > 0) {
        nextAudioPts_ = pts + av_rescale(frame->nb_samples, AV_TIME_BASE, frame->sample_rate);
    }
    if (nextAudioPts_ <= audio_.ShowFrom) {
        return true;  // wholly before the seek's target
    }
    if (!resampler_) {
        AVChannelLayout outLayout{};
        av_channel_layout_default(&outLayout, audioFormat_.Channels);
        SwrContext* raw = nullptr;
        const int made = swr_alloc_set_opts2(
            &raw, &outLayout, AV_SAMPLE_FMT_S16, audioFormat_.SampleRate, &frame->ch_layout,
            static_cast<AVSampleFormat>(frame->format), frame->sample_rate, 0, nullptr);
        av_channel_layout_uninit(&outLayout);
        resampler_.reset(raw);
        if (made < 0 || swr_init(resampler_.get()) < 0) {
            resampler_.reset();
            return true;  // no sound, but the pictures go on
        }
    }
    const int capacity = swr_get_out_samples(resampler_.get(), frame->nb_samples);
    if (capacity <= 0) {
        return true;
    }
    DecodedAudio decoded;
    decoded.Pts = pts;
    decoded.Serial = serial;
    const int bytesPerSample = 2 * audioFormat_.Channels;
    decoded.Samples.resize(static_cast<qsizetype>(capacity) * bytesPerSample);
    uint8_t* out[1] = {reinterpret_cast<uint8_t*>(decoded.Samples.data())};
    const int converted =
        swr_convert(resampler_.get(), out, capacity,
                    const_cast<const uint8_t**>(frame->extended_data), frame->nb_samples);
    if (converted <= 0) {
        return true;
    }
    decoded.Samples.resize(static_cast<qsizetype>(converted) * bytesPerSample);
    const std::size_t bytes = static_cast<std::size_t>(decoded.Samples.size());
    return sound_.Push(std::move(decoded), bytes);
}

}  // namespace veltrano
