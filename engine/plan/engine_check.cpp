#include "engine/plan/engine_check.h"

#include <utility>

#include "engine/plan/output_rules.h"

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavfilter/avfilter.h>
#include <libavformat/avformat.h>
#include <libavutil/avutil.h>
#include <libswresample/swresample.h>
#include <libswscale/swscale.h>
}

namespace veltrano {

EngineRequirements EngineRequirements::ForProfiles() {
    EngineRequirements requirements;
    requirements.Libraries = {
        {QStringLiteral("libavutil"), LIBAVUTIL_VERSION_MAJOR, avutil_version()},
        {QStringLiteral("libavcodec"), LIBAVCODEC_VERSION_MAJOR, avcodec_version()},
        {QStringLiteral("libavformat"), LIBAVFORMAT_VERSION_MAJOR, avformat_version()},
        {QStringLiteral("libavfilter"), LIBAVFILTER_VERSION_MAJOR, avfilter_version()},
        {QStringLiteral("libswscale"), LIBSWSCALE_VERSION_MAJOR, swscale_version()},
        {QStringLiteral("libswresample"), LIBSWRESAMPLE_VERSION_MAJOR, swresample_version()},
    };
    requirements.Encoders = ProfileEncoders();
    requirements.Muxers = ProfileMuxers();
    return requirements;
}

EngineCheck::EngineCheck(EngineRequirements requirements)
    : requirements_(std::move(requirements)) {}

bool EngineCheck::IsEngineLoaded() {
    if (!checked_) {
        RunChecks();
    }
    return usable_;
}

bool EngineCheck::LoadEngine(const QString& /*folder*/) {
    return IsEngineLoaded();
}

void EngineCheck::RunChecks() {
    QStringList problems;
    for (const LibraryVersion& library : requirements_.Libraries) {
        const unsigned runtimeMajor = AV_VERSION_MAJOR(library.RuntimeVersion);
        if (runtimeMajor != library.BuiltMajor) {
            problems << QStringLiteral("%1 version %2 is installed, version %3 is needed")
                            .arg(library.Name)
                            .arg(runtimeMajor)
                            .arg(library.BuiltMajor);
        }
    }
    QStringList missingEncoders;
    for (const QString& name : requirements_.Encoders) {
        if (avcodec_find_encoder_by_name(name.toUtf8().constData()) == nullptr) {
            missingEncoders << name;
        }
    }
    if (!missingEncoders.isEmpty()) {
        problems << QStringLiteral("missing encoders: ") +
                        missingEncoders.join(QStringLiteral(", "));
    }
    QStringList missingMuxers;
    for (const QString& name : requirements_.Muxers) {
        if (av_guess_format(name.toUtf8().constData(), nullptr, nullptr) == nullptr) {
            missingMuxers << name;
        }
    }
    if (!missingMuxers.isEmpty()) {
        problems << QStringLiteral("missing output formats: ") +
                        missingMuxers.join(QStringLiteral(", "));
    }

    checked_ = true;
    usable_ = problems.isEmpty();
    lastError_ = usable_ ? QString()
                         : QStringLiteral("The media libraries are not usable: ") +
                               problems.join(QStringLiteral("; "));
}

}  // namespace veltrano
