// veltrano-video-joiner: the window program.
#include <QApplication>
#include <cstdio>

#include "app/join/join_action.h"
#include "app/probe/probe_report.h"
#include "core/console_messages.h"
#include "core/product.h"
#include "engine/module/engine_module_loader.h"
#include "ui/program/program_options.h"
#include "ui/program/program_windows.h"
#include "ui/program/translations_loader.h"
#include "ui/program/window_program.h"

using namespace veltrano;

int main(int argc, char* argv[]) {
    // The engine's libraries (about three quarters of what the program loads) load on a second
    // thread while the toolkit starts and the windows are built; the engine check at start-up
    // waits for them. Joined when main returns, whichever way.
    EngineModuleLoader engine;
    QStringList arguments;
    for (int i = 1; i < argc; ++i) {
        arguments << QString::fromLocal8Bit(argv[i]);
    }
    const Result<ProgramOptions> parsed = ParseProgramOptions(arguments);
    if (!parsed.Ok()) {
        std::fprintf(stderr, "veltrano-video-joiner: %s\n%s", qPrintable(parsed.Message()),
                     qPrintable(ProgramUsageText()));
        return 2;
    }
    const ProgramOptions& options = *parsed;
    if (options.PrintList && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        // Printing the list shows no window: it must also work without a display.
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    // Only now: the libraries' initialisers may read the environment while it is changed.
    engine.Start();
    if (options.Help) {
        std::fputs(qPrintable(ProgramUsageText()), stdout);
        return 0;
    }
    if (options.Version) {
        std::fputs(qPrintable(ProgramVersionText()), stdout);
        return 0;
    }

    QApplication app(argc, argv);
    QApplication::setApplicationName(QString::fromLatin1(kProductName));
    // Lets the desktop match the windows to the installed desktop entry and its icon.
    QGuiApplication::setDesktopFileName(QString::fromLatin1(kApplicationId));
    const ProgramFolder programFolder =
        ProgramFolder::ForApplication(QCoreApplication::applicationDirPath());
    // The list printed for scripts stays English, like the command line.
    QStringList translationFolders{programFolder.FilePath(QStringLiteral("translations"))};
#ifdef VELTRANO_BUILD_TRANSLATIONS_DIR
    translationFolders << QStringLiteral(VELTRANO_BUILD_TRANSLATIONS_DIR);
#endif
    TranslationsLoader translations(translationFolders);
    if (!options.PrintList) {
        translations.Install(QLocale::system());
    }

    ConsoleMessages consoleMessages(false);
    ProgramWindows openers;
    WindowProgram program(engine, programFolder, openers,
                          options.PrintList ? &consoleMessages : nullptr);
    openers.Attach({program.Catalogue(), program.List(), program.Request(), program.Runner(),
                    program.Messages(), program.Folder(), program.Engine()});
    if (!program.Start()) {
        return 1;  // "Video lib not found" was shown
    }
    if (options.PrintList) {
        program.AddFiles(options.Files);
        const QByteArray rows = ProbeRowsAsText(JoinListRows(program.List()));
        std::fwrite(rows.constData(), 1, static_cast<size_t>(rows.size()), stdout);
        return 0;
    }
    program.MainWindow().show();
    program.AddFiles(options.Files);
    return app.exec();
}
