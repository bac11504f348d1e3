#pragma once

#include <memory>

#include "engine/api/media_decoder.h"
#include "engine/module/engine_module_loader.h"

namespace veltrano {

// The program's decoder, which exists before the engine module has been loaded: the first
// OpenMedia asks the loader for the module's decoder (after the engine check at start-up, so it
// does not wait) and forwards to it from then on. Without the module every open fails with the
// loader's reason. UI thread only, like every decoder.
class ModuleDecoder : public MediaDecoder {
public:
    explicit ModuleDecoder(EngineModuleLoader& engine) : engine_(engine) {}

    bool OpenMedia(const QString& path, const QString& options) override;
    void CloseMedia() override;
    QString LastErrorText() const override;

    int AudioStreamIndex() const override;
    int VideoStreamIndex() const override;
    QString AudioCodecName(int index) const override;
    QString VideoCodecName(int index) const override;
    int VideoWidth(int index) const override;
    int VideoHeight(int index) const override;
    std::int64_t Duration() const override;

private:
    EngineModuleLoader& engine_;
    std::unique_ptr<MediaDecoder> decoder_;
    QString loadError_;
};

}  // namespace veltrano
