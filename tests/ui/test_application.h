#pragma once

#include <QApplication>

namespace veltrano {

// The one QApplication of a window test binary: the one ui_test_application.cpp makes before
// the first test, or, in a binary without it, one made on first use.
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
