#pragma once

#include <QString>
#include <QStringList>
#include <mutex>
#include <optional>
#include <thread>

#include "core/result.h"
#include "engine/api/engine_parts.h"

namespace veltrano {

// Loads the engine module (veltrano-engine.so: the decoder, the encoder, the copy check and the
// player over libav and Qt Multimedia) on a thread of its own, so that the window program's
// start, which links none of those libraries, overlaps with loading them. Start() begins; the
// first Parts() waits for the answer; the destructor always waits, so no load outlives the
// object. The module stays loaded for the rest of the process (libav's libraries are not made
// to be unloaded). Parts() is safe from any thread.
class EngineModuleLoader {
public:
    // Where the module is looked for, in order: beside the installed program
    // (<prefix>/lib/veltrano-video-joiner/modules/ for <prefix>/bin/), then where this build
    // put it.
    static QStringList Candidates();

    // `candidates`: the files to try, in order (tests name others).
    explicit EngineModuleLoader(QStringList candidates = Candidates());
    ~EngineModuleLoader();
    EngineModuleLoader(const EngineModuleLoader&) = delete;
    EngineModuleLoader& operator=(const EngineModuleLoader&) = delete;

    // Starts loading on the second thread; harmless once started or answered.
    void Start();
    // The module's factory once its libraries are found usable (loads on the calling thread
    // when Start was not called); the failure names the module and why (not found, a library of
    // another major version, another build's table).
    Result<EngineParts*> Parts();

private:
    std::mutex mutex_;
    QStringList candidates_;
    std::thread loading_;
    std::optional<Result<EngineParts*>> answer_;
};

}  // namespace veltrano
