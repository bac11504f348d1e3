// The yardstick for window_startup_bench: the least a Qt Widgets program does to show a
// window of the same size, timed the same way.
#include <QApplication>
#include <QMainWindow>

#include "bench/window_shown_probe.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QMainWindow window;
    window.resize(688, 468);
    veltrano::WindowShownProbe probe(window);
    window.show();
    return app.exec();
}
