#include "engine/plan/join_chapters.h"

extern "C" {
#include <libavutil/dict.h>
#include <libavutil/mem.h>
}

#include <QFileInfo>
#include <algorithm>

namespace veltrano {

void JoinChapters::AddFile(const QString& path, const AVFormatContext* input,
                           std::int64_t inputStartUs, std::int64_t outputStartUs) {
    if (!enabled_) {
        return;
    }
    File file;
    file.Title = QFileInfo(path).completeBaseName();
    file.StartUs = outputStartUs;
    const unsigned count = input != nullptr ? input->nb_chapters : 0;
    for (unsigned i = 0; i < count; ++i) {
        const AVChapter* own = input->chapters[i];
        Chapter chapter;
        chapter.StartUs = av_rescale_q(own->start, own->time_base, AV_TIME_BASE_Q) - inputStartUs;
        chapter.EndUs = av_rescale_q(own->end, own->time_base, AV_TIME_BASE_Q) - inputStartUs;
        const AVDictionaryEntry* title = av_dict_get(own->metadata, "title", nullptr, 0);
        chapter.Title = title != nullptr ? QString::fromUtf8(title->value) : file.Title;
        file.Own.push_back(chapter);
    }
    files_.push_back(std::move(file));
}

std::vector<JoinChapters::Chapter> JoinChapters::Chapters(std::int64_t endUs) const {
    std::vector<Chapter> chapters;
    for (std::size_t i = 0; i < files_.size(); ++i) {
        const File& file = files_[i];
        const std::int64_t fileEnd = i + 1 < files_.size() ? files_[i + 1].StartUs : endUs;
        if (file.Own.empty()) {
            if (fileEnd > file.StartUs) {
                chapters.push_back({file.StartUs, fileEnd, file.Title});
            }
            continue;
        }
        for (std::size_t k = 0; k < file.Own.size(); ++k) {
            const Chapter& own = file.Own[k];
            const std::int64_t start = file.StartUs + std::max<std::int64_t>(own.StartUs, 0);
            // A chapter without an end of its own lasts until the next one.
            std::int64_t end = own.EndUs > own.StartUs ? file.StartUs + own.EndUs : fileEnd;
            if (own.EndUs <= own.StartUs && k + 1 < file.Own.size()) {
                end = file.StartUs + file.Own[k + 1].StartUs;
            }
            end = std::min(end, fileEnd);
            if (end > start) {
                chapters.push_back({start, end, own.Title});
            }
        }
    }
    return chapters;
}

int JoinChapters::WriteTo(AVFormatContext* output, std::int64_t endUs) const {
    for (const Chapter& chapter : Chapters(endUs)) {
        auto* added = static_cast<AVChapter*>(av_mallocz(sizeof(AVChapter)));
        if (added == nullptr) {
            return AVERROR(ENOMEM);
        }
        added->id = static_cast<std::int64_t>(output->nb_chapters) + 1;
        added->time_base = AV_TIME_BASE_Q;
        added->start = chapter.StartUs;
        added->end = chapter.EndUs;
        int ret = av_dict_set(&added->metadata, "title", chapter.Title.toUtf8().constData(), 0);
        if (ret >= 0) {
            ret = av_reallocp_array(&output->chapters, output->nb_chapters + 1,
                                    sizeof(*output->chapters));
        }
        if (ret < 0) {
            av_dict_free(&added->metadata);
            av_free(added);
            output->nb_chapters = 0;  // av_reallocp_array freed the array on failure
            return ret;
        }
        // The output context frees its chapters, as libavformat's own demuxers leave them.
        output->chapters[output->nb_chapters++] = added;
    }
    return 0;
}

}  // namespace veltrano
