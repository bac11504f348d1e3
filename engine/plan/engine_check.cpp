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
    requirements.libraries = {
        {QStringLiteral("libavutil"), LIBAVUTIL_VERSION_MAJOR, avutil_version()},
        {QStringLiteral("libavcodec"), LIBAVCODEC_VERSION_MAJOR, avcodec_version()},
        {QStringLiteral("libavformat"), LIBAVFORMAT_VERSION_MAJOR, avformat_version()},
        {QStringLiteral("libavfilter"), LIBAVFILTER_VERSION_MAJOR, avfilter_version()},
        {QStringLiteral("libswscale"), LIBSWSCALE_VERSION_MAJOR, swscale_version()},
        {QStringLiteral("libswresample"), LIBSWRESAMPLE_VERSION_MAJOR, swresample_version()},
    };
    requirements.encoders = ProfileEncoders();
    requirements.muxers = ProfileMuxers();
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
    for (const LibraryVersion& library : requirements_.libraries) {
        const unsigned runtime_major = AV_VERSION_MAJOR(library.runtimeVersion);
        if (runtime_major != library.builtMajor) {
            problems << QStringLiteral("%1 version %2 is installed, version %3 is needed")
                            .arg(library.name)
                            .arg(runtime_major)
                            .arg(library.builtMajor);
        }
    }
    QStringList missing_encoders;
    for (const QString& name : requirements_.encoders) {
        if (avcodec_find_encoder_by_name(name.toUtf8().constData()) == nullptr) {
            missing_encoders << name;
        }
    }
    if (!missing_encoders.isEmpty()) {
        problems << QStringLiteral("missing encoders: ") +
                        missing_encoders.join(QStringLiteral(", "));
    }
    QStringList missing_muxers;
    for (const QString& name : requirements_.muxers) {
        if (av_guess_format(name.toUtf8().constData(), nullptr, nullptr) == nullptr) {
            missing_muxers << name;
        }
    }
    if (!missing_muxers.isEmpty()) {
        problems << QStringLiteral("missing output formats: ") +
                        missing_muxers.join(QStringLiteral(", "));
    }

    checked_ = true;
    usable_ = problems.isEmpty();
    last_error_ = usable_ ? QString()
                          : QStringLiteral("The media libraries are not usable: ") +
                                problems.join(QStringLiteral("; "));
}

}  // namespace veltrano
