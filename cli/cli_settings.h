#pragma once

#include <QString>

#include "cli/cli_arguments.h"
#include "core/result.h"
#include "profiles/catalogue/output_profile.h"
#include "profiles/catalogue/profile_catalogue.h"
#include "profiles/output_settings.h"

namespace veltrano {

// A profile by command identifier ("1057"), command name ("ID_MPH") or exact caption.
const OutputProfile* FindProfile(const ProfileCatalogue& catalogue, const QString& text);

// Applies the command line's settings as the output settings dialog would, always in this
// order: join mode; profile (the reset, then its values); size; video quality, then audio
// quality (with the lists' reactions); the typed grid values video bitrate, frame rate,
// aspect, audio bitrate, sample rate (each normalised as the grid does); channels; audio
// removal. Fails, naming the option, when the profile is unknown.
Status ApplyCliSettings(OutputSettings& settings, const CliSettings& cli,
                        const ProfileCatalogue& catalogue);

}  // namespace veltrano
