// Adding files through the real main window's drop path: the time from the drop until the
// list shows every file. Usage: bench_window_drop FILE... (prints milliseconds and the count).
#include <QApplication>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QElapsedTimer>
#include <QMimeData>
#include <QTest>
#include <QUrl>
#include <cstdio>

#include "ui/program/program_windows.h"
#include "ui/program/window_program.h"

using namespace veltrano;

namespace {

// Probe failures would open boxes and wait for a person; here they are counted.
class CountingMessages : public UserMessages {
public:
    void Show(const QString&, const QString&, Icon) override { ++shown; }
    bool AskYesNo(const QString&, const QString&) override { return false; }
    int shown = 0;
};

}  // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QList<QUrl> urls;
    for (const QString& path : QCoreApplication::arguments().mid(1)) {
        urls << QUrl::fromLocalFile(path);
    }
    CountingMessages messages;
    ProgramWindows openers;  // the commands that open windows are not used here
    EngineModuleLoader engine;
    WindowProgram program(engine,
                          ProgramFolder::ForApplication(QCoreApplication::applicationDirPath()),
                          openers, &messages);
    if (!program.Start()) {
        return 1;
    }
    FormMain& window = program.MainWindow();
    window.show();
    if (!QTest::qWaitForWindowExposed(&window)) {
        return 1;
    }
    QMimeData data;
    data.setUrls(urls);
    QWidget* viewport = window.ListView()->viewport();
    const QPointF where(viewport->width() / 2.0, viewport->height() / 2.0);

    // A drag enters before it drops, as with a file manager.
    QElapsedTimer timer;
    timer.start();
    QDragEnterEvent enter(where.toPoint(), Qt::CopyAction, &data, Qt::LeftButton, {});
    QApplication::sendEvent(viewport, &enter);
    QDropEvent drop(where, Qt::CopyAction, &data, Qt::LeftButton, {});
    QApplication::sendEvent(viewport, &drop);
    if (!drop.isAccepted()) {
        std::fprintf(stderr, "the drop was refused\n");
        return 1;
    }
    // The probing runs from the event loop once the drop has completed.
    while (messages.shown + program.List().Count() < urls.size()) {
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    }
    window.RefreshTotals();
    window.ListView()->scrollToBottom();
    viewport->repaint();
    const double ms = timer.nsecsElapsed() / 1e6;
    std::printf("%.1f ms for %d files (%d refused)\n", ms, program.List().Count(), messages.shown);
    return program.List().Count() == urls.size() ? 0 : 1;
}
