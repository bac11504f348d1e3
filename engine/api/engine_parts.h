#pragma once

#include <QString>
#include <memory>

#include "engine/api/copy_checker.h"
#include "engine/api/media_decoder.h"
#include "engine/api/media_encoder.h"
#include "engine/api/media_player.h"
#include "engine/api/sound_effect.h"

namespace veltrano {

// Makes the engine's objects over libav. The window program gets one from the engine module
// (veltrano-engine.so, loaded by EngineModuleLoader) so that it links no libav itself. Every
// object is made on the caller's thread and belongs to it; an encoder or a player must be made
// on the thread that uses it.
class EngineParts {
public:
    virtual ~EngineParts() = default;

    virtual std::unique_ptr<MediaDecoder> NewDecoder() = 0;
    virtual std::unique_ptr<CopyChecker> NewCopyChecker() = 0;
    virtual std::unique_ptr<MediaEncoder> NewEncoder() = 0;
    virtual std::unique_ptr<MediaPlayer> NewPlayer() = 0;
    // A short sound file on the default sound output; silence when it cannot be played.
    virtual std::unique_ptr<SoundEffect> NewSoundEffect(const QString& wavPath) = 0;
};

// What the module's one exported C function returns. Both sides are built from the same
// sources by the same compiler, so the C++ types in it match.
struct EngineModule {
    // kEngineModuleLayout: a module from another build of the table is refused.
    int Layout = 0;
    // Quietens libav's own log and checks the major versions of the module's libraries: empty
    // when they match, the sentence to show otherwise. Safe on any thread; makes no object.
    QString (*Initialise)() = nullptr;
    // The factory, valid for the rest of the process.
    EngineParts* (*Parts)() = nullptr;
};

inline constexpr int kEngineModuleLayout = 1;
// The exported symbol: `const EngineModule* VeltranoEngineModule()`.
inline constexpr char kEngineModuleEntry[] = "VeltranoEngineModule";
using EngineModuleEntryFn = const EngineModule* (*)();

}  // namespace veltrano
