#pragma once

extern "C" {
#include <libavformat/avformat.h>
}

#include <QString>
#include <cstdint>
#include <vector>

namespace veltrano {

// The chapters a join writes where the files meet: one per input, at the input's start in the
// output and titled with its file name without the extension; an input with chapters of its
// own keeps them instead, moved to where it now starts.
//
// The joiners note each file once its place on the output timeline is settled and hand the
// chapters to the muxer just before the trailer. The MP4 family's and Matroska's muxers write
// chapters that arrive after the header at the trailer (movenc.c, matroskaenc.c), so the
// starts are the ones really written, not an estimate from the inputs' durations.
class JoinChapters {
public:
    struct Chapter {
        std::int64_t StartUs = 0;
        std::int64_t EndUs = 0;
        QString Title;
    };

    // Notes nothing unless `enabled` (the plan's Chapters).
    explicit JoinChapters(bool enabled) : enabled_(enabled) {}

    // Input `path` (opened as `input`, which may be null) starts at `outputStartUs` on the
    // output timeline; `inputStartUs` is where it starts on its own, which its chapters count
    // from.
    void AddFile(const QString& path, const AVFormatContext* input, std::int64_t inputStartUs,
                 std::int64_t outputStartUs);

    // The chapters in output order; each file's end is the next file's start, the last one's
    // `endUs`. Chapters that would be empty are left out.
    std::vector<Chapter> Chapters(std::int64_t endUs) const;

    // Adds the chapters to `output`, whose header is written and trailer not yet. A negative
    // AVERROR when memory runs out.
    int WriteTo(AVFormatContext* output, std::int64_t endUs) const;

private:
    struct File {
        QString Title;
        std::int64_t StartUs = 0;
        std::vector<Chapter> Own;  // counted from the file's start
    };

    bool enabled_;
    std::vector<File> files_;
};

}  // namespace veltrano
