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
//   veltrano-join check [--json] FILE...
//   veltrano-join join [SETTINGS] [--name NAME] [--folder DIR] [--yes] [--no-chapters] FILE...
//   veltrano-join --help | --version

enum class CliCommand { Help, Version, Profiles, Probe, Params, Check, Join };

// The output settings given on the command line. They are always applied in one fixed order
// (see ApplyCliSettings), whatever their order on the command line.
struct CliSettings {
    bool Copy = false;
    std::optional<QString> Profile;
    std::optional<QString> Size;  // "0".."15" or "WxH"
    std::optional<int> VideoQuality;
    std::optional<int> AudioQuality;
    std::optional<QString> VideoBitrate;
    std::optional<QString> FrameRate;
    std::optional<QString> Aspect;
    std::optional<QString> AudioBitrate;
    std::optional<QString> SampleRate;
    std::optional<int> Channels;  // 0 = auto
    bool RemoveAudio = false;
};

struct CliArguments {
    CliCommand Command = CliCommand::Help;
    bool Json = false;
    CliSettings Settings;
    std::optional<QString> Name;
    std::optional<QString> Folder;
    bool AssumeYes = false;   // --yes
    bool NoChapters = false;  // --no-chapters
    QStringList Files;
};

// Every option takes its value as the next argument or after "=" ("--name=x"); the "=" form
// keeps leading and trailing spaces. "--" ends the options.
// A failure carries one line naming the option.
Result<CliArguments> ParseCliArguments(const QStringList& args);

// The text of --help.
QString CliUsageText();
// The line --version prints: "veltrano-join " and the program's version.
QString CliVersionText();

}  // namespace veltrano
