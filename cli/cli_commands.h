#pragma once

#include <QString>

#include "cli/cli_arguments.h"
#include "core/settings_store.h"
#include "engine/api/copy_checker.h"
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

// Each command prints what it has to say and returns the program's exit status.
CliExitStatus RunProfilesCommand(const ProfileCatalogue& catalogue);
CliExitStatus RunProbeCommand(const CliArguments& args, CliEnvironment& env);
CliExitStatus RunParamsCommand(const CliArguments& args, CliEnvironment& env);
CliExitStatus RunCheckCommand(const CliArguments& args, CopyChecker& checker);
CliExitStatus RunJoinCommand(const CliArguments& args, CliEnvironment& env);

}  // namespace veltrano
