#pragma once

#include <QByteArray>
#include <QString>
#include <atomic>
#include <condition_variable>
#include <cstdint>
#include <functional>
#include <memory>
#include <mutex>
#include <thread>
#include <vector>

#include "core/result.h"
#include "engine/api/media_player.h"
#include "engine/av/av_ptr.h"
#include "engine/player/player_queues.h"

namespace veltrano {

// Times below are microseconds from the start of the file.
struct DecodedPicture {
    VideoPicture Picture;
    std::int64_t Pts = 0;
    int Serial = 0;
};

// Interleaved signed 16-bit samples in the output's rate and channel count.
struct DecodedAudio {
    QByteArray Samples;
    std::int64_t Pts = 0;
    int Serial = 0;
};

struct AudioOutputFormat {
    int SampleRate = 0;
    int Channels = 0;
};

// One open file being played: a read thread that demuxes into packet queues, and a decoder
// thread per stream that fills the picture and sound queues the UI thread consumes. Seeks are
// requests the read thread carries out; every packet and frame carries the serial of the seek
// it belongs to. Destroying the session stops and joins every thread.
class PlayerSession {
public:
    // Opens the file and its decoders. Audio is decoded only when `withAudio` (there is a
    // device to play it).
    static Result<std::unique_ptr<PlayerSession>> Open(const QString& path, bool withAudio);
    PlayerSession(const PlayerSession&) = delete;
    PlayerSession& operator=(const PlayerSession&) = delete;
    ~PlayerSession();

    bool HasVideo() const { return video_.Context != nullptr; }
    bool HasAudio() const { return audio_.Context != nullptr; }
    int AudioSampleRate() const;
    int AudioChannels() const;
    // 0 when the container does not say.
    std::int64_t Duration() const { return duration_; }

    // Starts the threads; `audio` is the format the sound queue is converted to.
    // `pictureReady` is called on the decoder thread when the first picture after opening or
    // after a seek is queued, so the UI thread can show it without waiting for its next tick.
    void Start(AudioOutputFormat audio, std::function<void()> pictureReady = {});
    // Aborts every queue and joins every thread; harmless when never started.
    void Stop();

    void RequestSeek(std::int64_t target, int serial);
    // Pictures are fitted into this box keeping their shape; 0 keeps the file's size.
    void SetPictureBox(int width, int height);

    BoundedQueue<DecodedPicture>& Pictures() { return pictures_; }
    BoundedQueue<DecodedAudio>& Sound() { return sound_; }
    // The read thread met the end of the input and every decoder has drained, after the
    // seek of this serial.
    bool Finished(int serial) const;

private:
    struct Stream {
        int Index = -1;
        AVRational TimeBase{1, 1};
        av::CodecContextPtr Context;
        BoundedQueue<QueuedPacket> Packets;
        std::atomic<int> DrainedSerial{-1};
        std::thread Thread;
        // Owned by the decoder thread: where the current seek's output starts, and the last
        // picture dropped before it, shown should the input end before the target.
        std::int64_t ShowFrom = INT64_MIN;
        av::FramePtr Dropped;
    };

    PlayerSession() = default;
    Status OpenDecoder(Stream& stream, int index);
    void ReadLoop();
    bool ApplyPendingSeek(int& serial, std::int64_t& showFrom, bool& atEnd);
    void DecodeLoop(Stream& stream);
    bool Stale(int serial) const { return serial < latestSerial_; }
    bool EarlyAudio(const AVPacket* packet, std::int64_t showFrom) const;
    QByteArray TakePictureBuffer(qsizetype bytes);
    bool SendPictures(AVFrame* frame, int serial, bool keep);
    bool SendSound(AVFrame* frame, int serial);
    std::int64_t ToMicroseconds(std::int64_t ts, AVRational timeBase) const;
    bool QueuesFull() const;

    av::InputFormatPtr format_;
    std::int64_t startTime_ = 0;
    std::int64_t duration_ = 0;
    Stream video_;
    Stream audio_;
    AudioOutputFormat audioFormat_;
    BoundedQueue<DecodedPicture> pictures_{3};
    BoundedQueue<DecodedAudio> sound_{9};

    std::atomic<bool> abort_{false};
    std::atomic<int> readerEndSerial_{-1};
    std::atomic<int> boxWidth_{0};
    std::atomic<int> boxHeight_{0};
    std::mutex seekMutex_;
    std::condition_variable wakeReader_;
    bool seekPending_ = false;
    std::int64_t seekTarget_ = 0;
    int seekSerial_ = 0;
    // The serial of the last seek asked for; work for an older one is thrown away unfinished.
    std::atomic<int> latestSerial_{0};
    std::thread reader_;

    // Owned by the decoder threads.
    std::function<void()> pictureReady_;
    int announcedSerial_ = -1;
    // The bytes of the last pictures sent, taken again once no one else holds them.
    std::vector<QByteArray> pictureBuffers_;
    av::SwsPtr scaler_;
    av::SwrPtr resampler_;
    std::int64_t nextVideoPts_ = 0;
    std::int64_t nextAudioPts_ = 0;
};

}  // namespace veltrano
