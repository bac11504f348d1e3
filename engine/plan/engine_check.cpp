#include "engine/plan/engine_check.h"

#include <utility>

#include "engine/plan/output_rules.h"

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
#include <libavutil/avutil.h>
}

namespace veltrano {

EngineRequirements EngineRequirements::ForProfiles() {
    EngineRequirements requirements;
    requirements.Libraries = {
        {QStringLiteral("libavutil"), LIBAVUTIL_VERSION_MAJOR, avutil_version()},
        {QStringLiteral("libavcodec"), LIBAVCODEC_VERSION_MAJOR, avcodec_version()},
        {QStringLiteral("libavformat"), LIBAVFORMAT_VERSION_MAJOR, avformat_version()},
    };
    requirements.Encoders = ProfileEncoders();
    requirements.Muxers = ProfileMuxers();
    return requirements;
}

QStringList LibraryVersionProblems(const std::vector<LibraryVersion>& libraries) {
    QStringList problems;
    for (const LibraryVersion& library : libraries) {
        const unsigned runtimeMajor = AV_VERSION_MAJOR(library.RuntimeVersion);
        if (runtimeMajor != library.BuiltMajor) {
            problems << QStringLiteral("%1 version %2 is installed, version %3 is needed")
                            .arg(library.Name)
                            .arg(runtimeMajor)
                            .arg(library.BuiltMajor);
        }
    }
    return problems;
}

QString UnusableLibrariesText(const QStringList& problems) {
    return QStringLiteral("The media libraries are not usable: ") +
           problems.join(QStringLiteral("; "));
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
    QStringList problems = LibraryVersionProblems(requirements_.Libraries);
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
    lastError_ = usable_ ? QString() : UnusableLibrariesText(problems);
}

}  // namespace veltrano
