// Start-up of the window program: from process start to the main window painted. The caller
// passes its launch time (CLOCK_REALTIME nanoseconds) in VELTRANO_LAUNCH_NS; the figure is
// printed in milliseconds and the program quits. Built through the same wiring as main().
#include <QApplication>
#include <cstdio>

#include "bench/window_shown_probe.h"
#include "engine/module/engine_module_loader.h"
#include "ui/program/program_windows.h"
#include "ui/program/window_program.h"

using namespace veltrano;

int main(int argc, char* argv[]) {
    EngineModuleLoader engine;
    engine.Start();
    QApplication app(argc, argv);
    const ProgramFolder programFolder =
        ProgramFolder::ForApplication(QCoreApplication::applicationDirPath());
    ProgramWindows openers;
    WindowProgram program(engine, programFolder, openers);
    openers.Attach({program.Catalogue(), program.List(), program.Request(), program.Runner(),
                    program.Messages(), program.Folder(), program.Engine()});
    if (!program.Start()) {
        return 1;
    }
    WindowShownProbe probe(program.MainWindow());
    program.MainWindow().show();
    return app.exec();
}
