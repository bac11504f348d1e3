#include "ui/program/module_encoder.h"

namespace veltrano {

MediaEncoder* ModuleEncoder::Bound() {
    if (encoder_ == nullptr && loadError_.isEmpty()) {
        const Result<EngineParts*> parts = engine_.Parts();
        if (!parts.Ok()) {
            loadError_ = parts.Message();
            return nullptr;
        }
        encoder_ = (*parts)->NewEncoder();
        connect(encoder_.get(), &MediaEncoder::JobProgress, this, &MediaEncoder::JobProgress);
        connect(encoder_.get(), &MediaEncoder::JobTerminated, this, &MediaEncoder::JobTerminated);
    }
    return encoder_.get();
}

bool ModuleEncoder::IsEngineLoaded() {
    MediaEncoder* encoder = Bound();
    return encoder != nullptr && encoder->IsEngineLoaded();
}

bool ModuleEncoder::LoadEngine(const QString& folder) {
    MediaEncoder* encoder = Bound();
    return encoder != nullptr && encoder->LoadEngine(folder);
}

QString ModuleEncoder::LastErrorText() const {
    return encoder_ != nullptr ? encoder_->LastErrorText() : loadError_;
}

void ModuleEncoder::ClearJobs() {
    if (MediaEncoder* encoder = Bound()) {
        encoder->ClearJobs();
    }
}

int ModuleEncoder::CreateJob(const QString& firstInput, const QString& inputOptions) {
    MediaEncoder* encoder = Bound();
    return encoder != nullptr ? encoder->CreateJob(firstInput, inputOptions) : -1;
}

int ModuleEncoder::AddJobInput(int handle, const QString& input, const QString& inputOptions) {
    MediaEncoder* encoder = Bound();
    return encoder != nullptr ? encoder->AddJobInput(handle, input, inputOptions) : -1;
}

int ModuleEncoder::SetJobOutput(int handle, const QString& outputPath, const QString& parameters) {
    MediaEncoder* encoder = Bound();
    return encoder != nullptr ? encoder->SetJobOutput(handle, outputPath, parameters) : -1;
}

void ModuleEncoder::RemoveJob(int handle) {
    if (MediaEncoder* encoder = Bound()) {
        encoder->RemoveJob(handle);
    }
}

void ModuleEncoder::StartJobs(int parallel) {
    if (MediaEncoder* encoder = Bound()) {
        encoder->StartJobs(parallel);
    }
}

void ModuleEncoder::StopJobs(bool wait) {
    // Nothing can run before the module's encoder exists: no reason to load it for a stop.
    if (encoder_ != nullptr) {
        encoder_->StopJobs(wait);
    }
}

}  // namespace veltrano
