// The one exported symbol of the conversion module; everything else in it stays hidden, so its
// copies of the static libraries it is built from never meet the program's own.
#include "engine/convert/convert_module.h"

extern "C" {
#include <libavfilter/avfilter.h>
#include <libswresample/swresample.h>
#include <libswscale/swscale.h>
}

#include "engine/convert/convert_join.h"

namespace veltrano {

namespace {

std::vector<LibraryVersion> ModuleLibraries() {
    return {
        {QStringLiteral("libavfilter"), LIBAVFILTER_VERSION_MAJOR, avfilter_version()},
        {QStringLiteral("libswscale"), LIBSWSCALE_VERSION_MAJOR, swscale_version()},
        {QStringLiteral("libswresample"), LIBSWRESAMPLE_VERSION_MAJOR, swresample_version()},
    };
}

const ConvertModule kModule{kConvertModuleLayout, &ModuleLibraries, &JoinByConverting};

}  // namespace

}  // namespace veltrano

extern "C" __attribute__((visibility("default"))) const veltrano::ConvertModule*
VeltranoConvertModule() {
    return &veltrano::kModule;
}
