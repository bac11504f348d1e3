#pragma once

#include <QString>
#include <QStringList>
#include <optional>

#include "core/result.h"

namespace veltrano {

// The command line of veltrano-join, parsed but not yet applied.
//
//   veltrano-join profiles
//   veltrano-join probe [--json] FILE...
//   veltrano-join params [SETTINGS] FILE...
//   veltrano-join join [SETTINGS] [--name NAME] [--folder DIR] [--yes] FILE...

enum class CliCommand { Help, Profiles, Probe, Params, Join };

// The output settings given on the command line. They are always applied in one fixed order
// (see ApplyCliSettings), whatever their order on the command line.
struct CliSettings {
    bool copy = false;
    std::optional<QString> profile;
    std::optional<QString> size;  // "0".."15" or "WxH"
    std::optional<int> videoQuality;
    std::optional<int> audioQuality;
    std::optional<QString> videoBitrate;
    std::optional<QString> frameRate;
    std::optional<QString> aspect;
    std::optional<QString> audioBitrate;
    std::optional<QString> sampleRate;
    std::optional<int> channels;  // 0 = auto
    bool removeAudio = false;
};

struct CliArguments {
    CliCommand command = CliCommand::Help;
    bool json = false;
    CliSettings settings;
    std::optional<QString> name;
    std::optional<QString> folder;
    bool yes = false;
    QStringList files;
};

// Every option takes its value as the next argument or after "=" ("--name=x"); the "=" form
// keeps leading and trailing spaces. "--" ends the options.
// A failure carries one line naming the option.
Result<CliArguments> ParseCliArguments(const QStringList& args);

// The text of --help.
QString CliUsageText();

}  // namespace veltrano
