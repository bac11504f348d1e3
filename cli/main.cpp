// veltrano-join: the command-line front end over the same logic as the windows.
extern "C" {
#include <libavutil/log.h>
}

#include <QCoreApplication>
#include <QDir>
#include <csignal>
#include <cstdio>

#include "cli/cli_arguments.h"
#include "cli/cli_commands.h"
#include "core/settings_store.h"
#include "engine/av/opened_input_record.h"
#include "engine/jobs/ff_copy_checker.h"
#include "engine/jobs/ff_encoder.h"
#include "engine/probe/ff_decoder.h"
#include "profiles/catalogue/profile_catalogue.h"

namespace veltrano {

int Main(int argc, char* argv[]) {
    // A closed pipe on standard error must not kill a join halfway; writes simply fail.
    std::signal(SIGPIPE, SIG_IGN);
    QCoreApplication app(argc, argv);
    // libav's own log lines would repeat, less clearly, what the messages already say.
    av_log_set_level(AV_LOG_FATAL);
    QCoreApplication::setApplicationName(QStringLiteral("veltrano-join"));

    const Result<CliArguments> parsed = ParseCliArguments(QCoreApplication::arguments().mid(1));
    if (!parsed.Ok()) {
        std::fprintf(stderr, "veltrano-join: %s\n", parsed.Message().toLocal8Bit().constData());
        return kExitUsage;
    }
    const CliArguments& args = *parsed;
    if (args.Command == CliCommand::Help) {
        std::fputs(CliUsageText().toLocal8Bit().constData(), stdout);
        return kExitSuccess;
    }
    if (args.Command == CliCommand::Version) {
        std::printf("%s\n", CliVersionText().toLocal8Bit().constData());
        return kExitSuccess;
    }

    const ProfileCatalogue catalogue;
    if (args.Command == CliCommand::Profiles) {
        return RunProfilesCommand(catalogue);
    }

    if (args.Command == CliCommand::Check) {
        FFCopyChecker checker;
        return RunCheckCommand(args, checker);
    }

    SettingsStore settings;
    av::OpenedInputRecord openedInputs;
    FFDecoder decoder(openedInputs);
    FFEncoder encoder(openedInputs);
    QString programFolder = QCoreApplication::applicationDirPath();
    if (!programFolder.endsWith(QLatin1Char('/'))) {
        programFolder += QLatin1Char('/');
    }
    CliEnvironment env{catalogue, decoder, encoder, settings, programFolder};
    switch (args.Command) {
        case CliCommand::Probe:
            return RunProbeCommand(args, env);
        case CliCommand::Params:
            return RunParamsCommand(args, env);
        case CliCommand::Join:
            return RunJoinCommand(args, env);
        default:
            return kExitUsage;
    }
}

}  // namespace veltrano

int main(int argc, char* argv[]) {
    return veltrano::Main(argc, argv);
}
