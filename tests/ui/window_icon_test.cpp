#include "ui/common/window_icon.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QWidget>

namespace veltrano {

namespace {

TEST(WindowIconTest, SetsTheProgramIconAndIgnoresNoWindow) {
    int argc = 1;
    char name[] = "ui_tests";
    char* argv[] = {name, nullptr};
    QApplication app(argc, argv);
    ASSERT_FALSE(ProgramIcon().isNull()) << "the icon resource is built in";
    QWidget window;
    EXPECT_TRUE(window.windowIcon().isNull());
    ApplyWindowIcon(&window);
    EXPECT_FALSE(window.windowIcon().isNull());
    EXPECT_EQ(window.windowIcon().pixmap(16, 16).size(), QSize(16, 16));
    ApplyWindowIcon(nullptr);
}

}  // namespace

}  // namespace veltrano
