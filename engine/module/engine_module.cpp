// The one exported symbol of the engine module; everything else in it stays hidden, so its
// copies of the static libraries it is built from never meet a program's own.
extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
#include <libavutil/avutil.h>
#include <libavutil/log.h>
#include <libswresample/swresample.h>
#include <libswscale/swscale.h>
}

#include "engine/api/engine_parts.h"
#include "engine/jobs/ff_copy_checker.h"
#include "engine/jobs/ff_encoder.h"
#include "engine/plan/engine_check.h"
#include "engine/player/ff_player.h"
#include "engine/player/qt_sound_effect.h"
#include "engine/probe/ff_decoder.h"

namespace veltrano {

namespace {

class ModuleParts : public EngineParts {
public:
    std::unique_ptr<MediaDecoder> NewDecoder() override { return std::make_unique<FFDecoder>(); }
    std::unique_ptr<CopyChecker> NewCopyChecker() override {
        return std::make_unique<FFCopyChecker>();
    }
    std::unique_ptr<MediaEncoder> NewEncoder() override { return std::make_unique<FFEncoder>(); }
    std::unique_ptr<MediaPlayer> NewPlayer() override { return std::make_unique<FFPlayer>(); }
    std::unique_ptr<SoundEffect> NewSoundEffect(const QString& wavPath) override {
        return std::make_unique<QtSoundEffect>(wavPath);
    }
};

QString Initialise() {
    // libav's own log lines would repeat, less clearly, what the messages already say.
    av_log_set_level(AV_LOG_FATAL);
    const QStringList problems = LibraryVersionProblems({
        {QStringLiteral("libavutil"), LIBAVUTIL_VERSION_MAJOR, avutil_version()},
        {QStringLiteral("libavcodec"), LIBAVCODEC_VERSION_MAJOR, avcodec_version()},
        {QStringLiteral("libavformat"), LIBAVFORMAT_VERSION_MAJOR, avformat_version()},
        {QStringLiteral("libswscale"), LIBSWSCALE_VERSION_MAJOR, swscale_version()},
        {QStringLiteral("libswresample"), LIBSWRESAMPLE_VERSION_MAJOR, swresample_version()},
    });
    return problems.isEmpty() ? QString() : UnusableLibrariesText(problems);
}

EngineParts* Parts() {
    // Stateless: one serves the whole process.
    static ModuleParts parts;
    return &parts;
}

const EngineModule kModule{kEngineModuleLayout, &Initialise, &Parts};

}  // namespace

}  // namespace veltrano

extern "C" __attribute__((visibility("default"))) const veltrano::EngineModule*
VeltranoEngineModule() {
    return &veltrano::kModule;
}
