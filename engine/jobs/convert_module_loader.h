#pragma once

#include <QString>
#include <QStringList>
#include <mutex>
#include <optional>

#include "core/result.h"
#include "engine/convert/convert_module.h"

namespace veltrano {

// Loads the conversion module (engine/convert/convert_module.h) the first time a conversion
// needs it, so that probing and copying never load libavfilter, libswscale and libswresample.
// The module stays loaded for the rest of the process (libav's libraries are not made to be
// unloaded). Safe from any thread: the first caller loads, the others wait for its answer.
class ConvertModuleLoader {
public:
    // Where the module is looked for, in order: beside the installed program
    // (<prefix>/lib/veltrano-video-joiner/modules/ for <prefix>/bin/), then where this build
    // put it.
    static QStringList Candidates();

    // The module's table once its libraries are found usable; the failure names the module
    // and why (not found, a library of another major version, another build's table).
    Result<const ConvertModule*> Load();

private:
    std::mutex mutex_;
    std::optional<Result<const ConvertModule*>> answer_;
};

}  // namespace veltrano
