#include "ui/program/module_decoder.h"

namespace veltrano {

bool ModuleDecoder::OpenMedia(const QString& path, const QString& options) {
    if (decoder_ == nullptr) {
        const Result<EngineParts*> parts = engine_.Parts();
        if (!parts.Ok()) {
            loadError_ = parts.Message();
            return false;
        }
        decoder_ = (*parts)->NewDecoder();
    }
    return decoder_->OpenMedia(path, options);
}

void ModuleDecoder::CloseMedia() {
    if (decoder_ != nullptr) {
        decoder_->CloseMedia();
    }
}

QString ModuleDecoder::LastErrorText() const {
    return decoder_ != nullptr ? decoder_->LastErrorText() : loadError_;
}

int ModuleDecoder::AudioStreamIndex() const {
    return decoder_ != nullptr ? decoder_->AudioStreamIndex() : -1;
}

int ModuleDecoder::VideoStreamIndex() const {
    return decoder_ != nullptr ? decoder_->VideoStreamIndex() : -1;
}

QString ModuleDecoder::AudioCodecName(int index) const {
    return decoder_ != nullptr ? decoder_->AudioCodecName(index) : QString();
}

QString ModuleDecoder::VideoCodecName(int index) const {
    return decoder_ != nullptr ? decoder_->VideoCodecName(index) : QString();
}

int ModuleDecoder::VideoWidth(int index) const {
    return decoder_ != nullptr ? decoder_->VideoWidth(index) : 0;
}

int ModuleDecoder::VideoHeight(int index) const {
    return decoder_ != nullptr ? decoder_->VideoHeight(index) : 0;
}

std::int64_t ModuleDecoder::Duration() const {
    return decoder_ != nullptr ? decoder_->Duration() : 0;
}

}  // namespace veltrano
