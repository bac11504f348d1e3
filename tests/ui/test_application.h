#pragma once

#include <QApplication>

namespace veltrano {

// The one QApplication of a window test binary, made on first use and kept until the process
// ends (Qt allows only one per process, and gtest runs many tests in it).
inline QApplication& TestApplication() {
    static int argc = 1;
    static char name[] = "veltrano_window_tests";
    static char* argv[] = {name, nullptr};
    static QApplication* app = QApplication::instance() != nullptr
                                   ? qobject_cast<QApplication*>(QApplication::instance())
                                   : new QApplication(argc, argv);
    return *app;
}

}  // namespace veltrano
