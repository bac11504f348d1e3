#include "cli/cli_arguments.h"

#include <QRegularExpression>
#include <functional>
#include <map>

#include "core/version.h"

namespace veltrano {

namespace {

enum class Arity { Flag, Value };

struct OptionSpec {
    Arity Takes;
    // Which commands accept the option.
    bool Probe, Params, Join;
    // Stores the value (or sets the flag); a failure says what the option expects.
    std::function<Status(CliArguments&, const QString&)> Apply;
    bool Check = false;  // last, so that the settings' rows need not name it
};

std::optional<int> ParseQuality(const QString& text) {
    static const std::map<QString, int> names{
        {QStringLiteral("high"), 0}, {QStringLiteral("normal"), 1}, {QStringLiteral("low"), 2},
        {QStringLiteral("0"), 0},    {QStringLiteral("1"), 1},      {QStringLiteral("2"), 2}};
    const auto it = names.find(text.toLower());
    return it == names.end() ? std::nullopt : std::optional<int>(it->second);
}

bool IsSizeText(const QString& text) {
    static const QRegularExpression row(QStringLiteral("^(\\d|1[0-5])$"));
    static const QRegularExpression custom(QStringLiteral("^\\d+[xX]\\d+$"));
    return row.match(text).hasMatch() || custom.match(text).hasMatch();
}

// A setting typed as text: stored as given, checked later as the dialog would.
OptionSpec TextSetting(std::optional<QString> CliSettings::*field) {
    return {Arity::Value, false, true, true, [field](CliArguments& a, const QString& v) {
                a.Settings.*field = v;
                return Status();
            }};
}

OptionSpec FlagSetting(bool CliSettings::*field) {
    return {Arity::Flag, false, true, true, [field](CliArguments& a, const QString&) {
                a.Settings.*field = true;
                return Status();
            }};
}

OptionSpec QualitySetting(std::optional<int> CliSettings::*field) {
    return {Arity::Value, false, true, true, [field](CliArguments& a, const QString& v) {
                a.Settings.*field = ParseQuality(v);
                return (a.Settings.*field).has_value()
                           ? Status()
                           : Status::Failed(QStringLiteral("expects high, normal, low, 0, 1 or 2"));
            }};
}

const std::map<QString, OptionSpec>& Options() {
    using A = CliArguments;
    static const std::map<QString, OptionSpec> options{
        {QStringLiteral("--json"),
         {Arity::Flag, true, false, false,
          [](A& a, const QString&) {
              a.Json = true;
              return Status();
          },
          true}},
        {QStringLiteral("--yes"),
         {Arity::Flag, false, false, true,
          [](A& a, const QString&) {
              a.AssumeYes = true;
              return Status();
          }}},
        {QStringLiteral("--no-chapters"),
         {Arity::Flag, false, false, true,
          [](A& a, const QString&) {
              a.NoChapters = true;
              return Status();
          }}},
        {QStringLiteral("--name"),
         {Arity::Value, false, false, true,
          [](A& a, const QString& v) {
              a.Name = v;
              return Status();
          }}},
        {QStringLiteral("--folder"),
         {Arity::Value, false, false, true,
          [](A& a, const QString& v) {
              a.Folder = v;
              return Status();
          }}},
        {QStringLiteral("--copy"), FlagSetting(&CliSettings::Copy)},
        {QStringLiteral("--remove-audio"), FlagSetting(&CliSettings::RemoveAudio)},
        {QStringLiteral("--profile"), TextSetting(&CliSettings::Profile)},
        {QStringLiteral("--video-bitrate"), TextSetting(&CliSettings::VideoBitrate)},
        {QStringLiteral("--frame-rate"), TextSetting(&CliSettings::FrameRate)},
        {QStringLiteral("--aspect"), TextSetting(&CliSettings::Aspect)},
        {QStringLiteral("--audio-bitrate"), TextSetting(&CliSettings::AudioBitrate)},
        {QStringLiteral("--sample-rate"), TextSetting(&CliSettings::SampleRate)},
        {QStringLiteral("--video-quality"), QualitySetting(&CliSettings::VideoQuality)},
        {QStringLiteral("--audio-quality"), QualitySetting(&CliSettings::AudioQuality)},
        {QStringLiteral("--size"),
         {Arity::Value, false, true, true,
          [](A& a, const QString& v) {
              if (!IsSizeText(v)) {
                  return Status::Failed(
                      QStringLiteral("expects a size row 0 to 15 or WIDTHxHEIGHT"));
              }
              a.Settings.Size = v;
              return Status();
          }}},
        {QStringLiteral("--channels"),
         {Arity::Value, false, true, true,
          [](A& a, const QString& v) {
              const QString lower = v.toLower();
              if (lower == QStringLiteral("auto")) {
                  a.Settings.Channels = 0;
              } else if (lower == QStringLiteral("1") || lower == QStringLiteral("2")) {
                  a.Settings.Channels = lower.toInt();
              } else {
                  return Status::Failed(QStringLiteral("expects auto, 1 or 2"));
              }
              return Status();
          }}},
    };
    return options;
}

bool Accepts(const OptionSpec& option, CliCommand command) {
    switch (command) {
        case CliCommand::Probe:
            return option.Probe;
        case CliCommand::Params:
            return option.Params;
        case CliCommand::Join:
            return option.Join;
        case CliCommand::Check:
            return option.Check;
        default:
            return false;
    }
}

Status Fail(const QString& error) {
    return Status::Failed(error);
}

}  // namespace

Result<CliArguments> ParseCliArguments(const QStringList& args) {
    CliArguments result;
    if (args.isEmpty()) {
        return Fail(
            QStringLiteral("missing command (profiles, probe, params or join); see --help"));
    }
    const QString& command = args.front();
    if (command == QStringLiteral("--help") || command == QStringLiteral("-h") ||
        command == QStringLiteral("help")) {
        result.Command = CliCommand::Help;
        return result;
    }
    if (command == QStringLiteral("--version")) {
        if (args.size() > 1) {
            return Fail(QStringLiteral("--version takes no arguments"));
        }
        result.Command = CliCommand::Version;
        return result;
    }
    static const std::map<QString, CliCommand> commands{
        {QStringLiteral("profiles"), CliCommand::Profiles},
        {QStringLiteral("probe"), CliCommand::Probe},
        {QStringLiteral("params"), CliCommand::Params},
        {QStringLiteral("check"), CliCommand::Check},
        {QStringLiteral("join"), CliCommand::Join}};
    const auto found = commands.find(command);
    if (found == commands.end()) {
        return Fail(QStringLiteral("unknown command: %1").arg(command));
    }
    result.Command = found->second;

    bool optionsEnded = false;
    for (qsizetype i = 1; i < args.size(); ++i) {
        const QString& arg = args.at(i);
        if (optionsEnded || !arg.startsWith(QStringLiteral("-")) || arg == QStringLiteral("-")) {
            result.Files << arg;
            continue;
        }
        if (arg == QStringLiteral("--")) {
            optionsEnded = true;
            continue;
        }
        if (arg == QStringLiteral("--help") || arg == QStringLiteral("-h")) {
            result.Command = CliCommand::Help;
            return result;
        }
        const qsizetype equals = arg.indexOf(QLatin1Char('='));
        const QString name = equals < 0 ? arg : arg.left(equals);
        const auto option = Options().find(name);
        if (option == Options().end() || !Accepts(option->second, result.Command)) {
            return Fail(QStringLiteral("unknown option for %1: %2").arg(command, name));
        }
        QString value;
        if (option->second.Takes == Arity::Flag) {
            if (equals >= 0) {
                return Fail(QStringLiteral("option %1 takes no value").arg(name));
            }
        } else if (equals >= 0) {
            value = arg.mid(equals + 1);
        } else if (i + 1 < args.size()) {
            value = args.at(++i);
        } else {
            return Fail(QStringLiteral("option %1 needs a value").arg(name));
        }
        const Status applied = option->second.Apply(result, value);
        if (!applied.Ok()) {
            return Fail(
                QStringLiteral("option %1 %2, not \"%3\"").arg(name, applied.Message(), value));
        }
    }

    const bool pairs = result.Command == CliCommand::Join || result.Command == CliCommand::Check;
    const qsizetype needed = pairs ? 2 : result.Command == CliCommand::Profiles ? 0 : 1;
    if (result.Command == CliCommand::Profiles && !result.Files.isEmpty()) {
        return Fail(QStringLiteral("profiles takes no files"));
    }
    if (result.Files.size() < needed) {
        return Fail(needed == 2 ? QStringLiteral("%1 needs at least two files").arg(command)
                                : QStringLiteral("%1 needs at least one file").arg(command));
    }
    return result;
}

QString CliUsageText() {
    return QStringLiteral(R"(Usage:
  veltrano-join profiles
  veltrano-join probe [--json] FILE...
  veltrano-join params [SETTINGS] FILE...
  veltrano-join check [--json] FILE...
  veltrano-join join [SETTINGS] [--name NAME] [--folder DIR] [--yes] [--no-chapters] FILE...
  veltrano-join --help
  veltrano-join --version

Commands:
  profiles   List the output profiles in menu order: command identifier, command name,
             group, caption, format key and extension, separated by tabs.
  probe      Probe each file and print the list's columns (File Name, Type, Duration,
             Video Size, File Size, Modified, Video Codec, Audio Codec) separated by tabs.
             --json prints one JSON array instead. Files that cannot be opened are
             reported on standard error and left out (exit status 1).
  params     Print the engine parameter string and the output extension for the files
             and settings. Writes nothing.
  check      Say whether "Direct stream copy" can take each file after the first: one
             line per file after the first, its name, a tab, then "ok" or the reason.
             --json prints one JSON array of {"file", "ok", "reason"} instead. Exit
             status 1 when any file cannot be copied after the first. Writes nothing.
  join       Join the files into one output, showing progress on standard error, and
             print the output path. Ctrl+C stops the join and removes the partial output.
  --help     Print this text (also -h, or --help after any command).
  --version  Print the program's name and version.

SETTINGS (applied in this order, whatever their order on the command line):
  --copy                   direct stream copy; without it, conversion
  --profile P              command identifier (1057), command name (ID_MPH) or caption
  --size S                 size-list row 0 to 15, or WIDTHxHEIGHT (custom size)
  --video-quality Q        high, normal, low (or 0, 1, 2)
  --audio-quality Q        high, normal, low (or 0, 1, 2)
  --video-bitrate T        typed into the advanced settings, e.g. 1200k
  --frame-rate T           e.g. 25 or 29.97
  --aspect T               e.g. 16:9
  --audio-bitrate T        e.g. 128k
  --sample-rate T          e.g. 44100
  --channels auto|1|2
  --remove-audio

Join options:
  --name NAME              output name without extension (default: proposed from the
                           first file, "<name>-join"; "Join" when there is no proposal)
  --folder DIR             output folder (default: the stored output folder, else the
                           current folder)
  --yes                    replace an existing output file
  --no-chapters            no chapters where the files meet (written by default into
                           MP4, MOV, M4V, MKV and WebM outputs)

Every option takes its value as the next argument or after "=" (--name=x); the "=" form
keeps leading and trailing spaces. Exit status: 0 success, 1 failure, 2 bad usage,
130 stopped by Ctrl+C.
)");
}

QString CliVersionText() {
    return QStringLiteral("veltrano-join ") + QString::fromLatin1(veltrano::kVersion);
}

}  // namespace veltrano
