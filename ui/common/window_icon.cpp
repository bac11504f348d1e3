#include "ui/common/window_icon.h"

#include <QWidget>

// Resources compiled into a static library are only registered when asked for by name; the
// macro declares a function of the global namespace, so it is called from there.
static void InitResources() {
    Q_INIT_RESOURCE(resources);
}

namespace veltrano {

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

}  // namespace veltrano
