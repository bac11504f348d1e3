#pragma once

#include <QApplication>

namespace veltrano {

// The one QApplication of the test binary, made by whichever test needs it first.
inline void EnsureApplication() {
    if (QCoreApplication::instance() != nullptr) {
        return;
    }
    static int argc = 1;
    static char name[] = "ui_player_tests";
    static char* argv[] = {name, nullptr};
    static QApplication app(argc, argv);
}

}  // namespace veltrano
