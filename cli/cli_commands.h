#pragma once

#include <QString>

#include "cli/cli_arguments.h"
#include "core/settings_store.h"
#include "engine/api/media_decoder.h"
#include "engine/api/media_encoder.h"
#include "profiles/catalogue/profile_catalogue.h"

namespace veltrano {

// What the commands work with; main() builds it once.
struct CliEnvironment {
    const ProfileCatalogue& Catalogue;
    MediaDecoder& Decoder;
    MediaEncoder& Encoder;
    SettingsStore& Settings;
    QString ProgramFolder;  // ends with "/"
};

// Exit statuses of veltrano-join.
enum CliExitStatus { kExitSuccess = 0, kExitFailure = 1, kExitUsage = 2, kExitInterrupted = 130 };

int RunProfilesCommand(const ProfileCatalogue& catalogue);
int RunProbeCommand(const CliArguments& args, CliEnvironment& env);
int RunParamsCommand(const CliArguments& args, CliEnvironment& env);
int RunJoinCommand(const CliArguments& args, CliEnvironment& env);

}  // namespace veltrano
