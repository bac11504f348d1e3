#include "cli/cli_commands.h"

#include <unistd.h>
#include <QCoreApplication>
#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <cstdio>

#include "app/join/copy_check.h"
#include "app/join/join_action.h"
#include "app/join/join_runner.h"
#include "app/join/seconds_clock.h"
#include "app/probe/media_prober.h"
#include "app/probe/probe_feedback.h"
#include "app/probe/probe_report.h"
#include "cli/cli_settings.h"
#include "cli/interrupt_watcher.h"
#include "cli/terminal_progress_view.h"
#include "core/console_messages.h"
#include "core/list/join_list.h"
#include "core/settings_store.h"
#include "engine/api/media_encoder.h"
#include "profiles/catalogue/profile_catalogue.h"
#include "profiles/output_dialog_texts.h"
#include "profiles/output_settings.h"
#include "profiles/parameter_builder.h"
#include "profiles/same_format_check.h"

namespace veltrano {

namespace {

void PrintOut(const QByteArray& bytes) {
    std::fwrite(bytes.constData(), 1, static_cast<size_t>(bytes.size()), stdout);
    std::fflush(stdout);
}

void PrintError(const QString& text) {
    std::fprintf(stderr, "veltrano-join: %s\n", text.toLocal8Bit().constData());
}

// Probing from the command line has no pointer and no wait window to show.
class SilentProbeFeedback : public ProbeFeedback {
public:
    void ShowBusyPointer() override {}
    void RestoreNormalPointer() override {}
    void ShowWaitWindow() override {}
    void CloseWaitWindow() override {}
    void ProcessPendingEvents() override {}
};

// Probes every file into the list in the given order; false when any could not be opened
// (the probe's own message has then been printed).
bool ProbeAll(const QStringList& files, JoinList& list, MediaDecoder& decoder,
              UserMessages& messages) {
    SilentProbeFeedback feedback;
    MediaProber prober(decoder, list, messages, feedback);
    bool allOpened = true;
    for (const QString& file : files) {
        allOpened = prober.ProbeFile(file) && allOpened;
    }
    return allOpened;
}

// Settings the command line got wrong end the command before any file is probed.
CliExitStatus UsageFailure(const Status& failure) {
    PrintError(failure.Message());
    return kExitUsage;
}

// The dialog around the Join action, as far as a command line has one.
class CommandLineJoinView : public JoinDialogView {
public:
    void FocusFileName() override {}
    void FocusFolder() override {}
    void HideDialog() override {}
    void ShowProgressWindow() override { progressRequested_ = true; }
    bool ProgressRequested() const { return progressRequested_; }

private:
    bool progressRequested_ = false;
};

// There is no folder browser to open after "Invalid path!".
class NoFolderBrowser : public FolderBrowser {
public:
    std::optional<QString> ChooseFolder() override { return std::nullopt; }
};

// A relative --folder means the current folder's subfolder, as a shell user expects.
QString FolderForJoin(const CliArguments& args, const QString& storedFolder) {
    if (args.Folder) {
        const QString trimmed = args.Folder->trimmed();
        if (!trimmed.isEmpty() && QDir::isRelativePath(trimmed)) {
            return QDir::current().absoluteFilePath(trimmed);
        }
        return *args.Folder;
    }
    if (!storedFolder.isEmpty()) {
        return storedFolder;
    }
    return QDir::currentPath();
}

}  // namespace

CliExitStatus RunProfilesCommand(const ProfileCatalogue& catalogue) {
    QByteArray out;
    for (const OutputProfile& profile : catalogue.Profiles()) {
        const QStringList fields{QString::number(profile.CommandId),
                                 profile.CommandName,
                                 profile.Group,
                                 profile.Caption,
                                 profile.FormatKey,
                                 ExtensionForFormatKey(profile.FormatKey)};
        out += fields.join(QLatin1Char('\t')).toUtf8() + '\n';
    }
    PrintOut(out);
    return kExitSuccess;
}

CliExitStatus RunProbeCommand(const CliArguments& args, CliEnvironment& env) {
    ConsoleMessages messages(false);
    JoinList list;
    const bool allOpened = ProbeAll(args.Files, list, env.Decoder, messages);
    const std::vector<MediaItem> rows = JoinListRows(list);
    PrintOut(args.Json ? ProbeRowsAsJson(rows) : ProbeRowsAsText(rows));
    return allOpened ? kExitSuccess : kExitFailure;
}

CliExitStatus RunParamsCommand(const CliArguments& args, CliEnvironment& env) {
    ConsoleMessages messages(false);
    OutputSettings settings;
    if (const Status applied = ApplyCliSettings(settings, args.Settings, env.Catalogue);
        !applied.Ok()) {
        return UsageFailure(applied);
    }
    JoinList list;
    if (!ProbeAll(args.Files, list, env.Decoder, messages)) {
        return kExitFailure;
    }
    const std::vector<MediaItem> rows = JoinListRows(list);
    if (settings.Mode == JoinMode::DirectCopy && !SameFormatCheck(rows)) {
        messages.Show(QString::fromLatin1(OutputDialogTexts::kNotSameFormat),
                      QString::fromLatin1(OutputDialogTexts::kNotSameFormatTitle),
                      UserMessages::Icon::Information);
        return kExitFailure;
    }
    const BuiltParameters built = BuildEngineParameters(settings, rows);
    PrintOut(
        (built.EngineParameters + QLatin1Char('\n') + built.OutputExtension + QLatin1Char('\n'))
            .toUtf8());
    return kExitSuccess;
}

CliExitStatus RunCheckCommand(const CliArguments& args, CopyChecker& checker) {
    const std::vector<QString> files(args.Files.begin(), args.Files.end());
    const std::atomic<bool> cancel{false};
    const Result<std::vector<Status>> verdicts = CheckDirectCopy(checker, files, cancel);
    if (!verdicts.Ok()) {
        PrintError(verdicts.Message());
        return kExitFailure;
    }
    PrintOut(args.Json ? CopyVerdictsAsJson(files, *verdicts)
                       : CopyVerdictsAsText(files, *verdicts));
    return AllCopyable(*verdicts) ? kExitSuccess : kExitFailure;
}

CliExitStatus RunJoinCommand(const CliArguments& args, CliEnvironment& env) {
    ConsoleMessages messages(args.AssumeYes);
    OutputSettings settings;
    if (const Status applied = ApplyCliSettings(settings, args.Settings, env.Catalogue);
        !applied.Ok()) {
        return UsageFailure(applied);
    }
    JoinList list;
    if (!ProbeAll(args.Files, list, env.Decoder, messages)) {
        return kExitFailure;
    }
    const std::vector<MediaItem> rows = JoinListRows(list);

    SteadySecondsClock clock;
    JoinRunner runner(env.Encoder, messages, env.Settings, clock);
    if (!runner.EngineSetup(env.ProgramFolder)) {
        return kExitFailure;
    }

    if (args.Name) {
        settings.SetFileNameText(*args.Name);
    } else {
        settings.ProposeOutputName(rows.front().SourcePath);
    }
    settings.FolderText = FolderForJoin(args, runner.OutputFolder());

    JoinRequest request;
    CommandLineJoinView dialog;
    NoFolderBrowser browser;
    JoinAction action(settings, request, messages, dialog, browser);
    if (action.Run(rows) != JoinActionResult::Started || !dialog.ProgressRequested()) {
        return kExitFailure;
    }
    if (args.NoChapters) {
        request.EngineParameters += QLatin1Char(' ') + QLatin1String(kNoChaptersParameters);
    }

    QEventLoop loop;
    TerminalProgressView view(::isatty(STDERR_FILENO) == 1, [&loop] { loop.quit(); });
    InterruptWatcher interrupt;
    QObject::connect(&interrupt, &InterruptWatcher::InterruptRequested, &runner,
                     [&runner] { runner.Stop(); });
    // The runner forgets the job once it is stopped, but a stop that comes after the output
    // took its name is too late: the engine still reports the completed join, and so do we.
    bool completed = false;
    QObject::connect(&env.Encoder, &MediaEncoder::JobTerminated, &loop,
                     [&completed](int code, bool done, bool, const QString&) {
                         completed = completed || (code >= 0 && done);
                     });

    std::vector<QString> sources;
    for (const MediaItem& row : rows) {
        sources.push_back(row.SourcePath);
    }
    if (runner.RunJoin(view, sources, request) != JoinRunner::RunResult::Started) {
        runner.ProgressWindowClosed();
        return kExitFailure;
    }
    if (view.State() == TerminalProgressView::Outcome::Running) {
        loop.exec();
    }
    runner.ProgressWindowClosed();

    if (interrupt.Interrupted()) {
        // Wait, still catching further Ctrl+C, until the worker has removed the partial file,
        // then take in what it reported last.
        env.Encoder.StopJobs(true);
        QCoreApplication::sendPostedEvents(&env.Encoder, QEvent::MetaCall);
    }
    // A join that completed has its output in place, even if Ctrl+C came right after.
    if (view.State() == TerminalProgressView::Outcome::Completed || completed) {
        PrintOut((request.OutputPath() + QLatin1Char('\n')).toLocal8Bit());
        return kExitSuccess;
    }
    if (interrupt.Interrupted()) {
        PrintError(QStringLiteral("The join was stopped; nothing was written."));
        return kExitInterrupted;
    }
    return kExitFailure;
}

}  // namespace veltrano
