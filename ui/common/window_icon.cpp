#include "ui/common/window_icon.h"

#include <QWidget>

// Resources compiled into a static library are only registered when asked for by name.
static void InitResources() {
    Q_INIT_RESOURCE(resources);
}

QIcon ProgramIcon() {
    InitResources();
    return QIcon(QStringLiteral(":/veltrano.png"));
}

void ApplyWindowIcon(QWidget* window) {
    if (window == nullptr) {
        return;
    }
    window->setWindowIcon(ProgramIcon());
}
