#pragma once

#include <memory>

#include "engine/api/media_encoder.h"
#include "engine/module/engine_module_loader.h"

namespace veltrano {

// The program's encoder, which exists (and can be connected to) before the engine module has
// been loaded. The engine check at start-up (IsEngineLoaded, LoadEngine) is where the program
// waits for the loader: the module's encoder is made then, on this object's thread, and its
// events are passed on as this object's. Without the module the check fails with the loader's
// reason and every job is refused.
class ModuleEncoder : public MediaEncoder {
    Q_OBJECT

public:
    explicit ModuleEncoder(EngineModuleLoader& engine, QObject* parent = nullptr)
        : MediaEncoder(parent), engine_(engine) {}

    bool IsEngineLoaded() override;
    bool LoadEngine(const QString& folder) override;
    QString LastErrorText() const override;

    void ClearJobs() override;
    int CreateJob(const QString& firstInput, const QString& inputOptions) override;
    int AddJobInput(int handle, const QString& input, const QString& inputOptions) override;
    int SetJobOutput(int handle, const QString& outputPath, const QString& parameters) override;
    void RemoveJob(int handle) override;
    void StartJobs(int parallel) override;
    void StopJobs(bool wait) override;

private:
    // The module's encoder, made on the first call; null when the module cannot be loaded.
    MediaEncoder* Bound();

    EngineModuleLoader& engine_;
    std::unique_ptr<MediaEncoder> encoder_;
    QString loadError_;
};

}  // namespace veltrano
