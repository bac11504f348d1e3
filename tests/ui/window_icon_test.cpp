#include "ui/common/window_icon.h"

#include <gtest/gtest.h>

#include <QWidget>

#include "tests/ui/test_application.h"

namespace veltrano {

namespace {

TEST(WindowIconTest, SetsTheProgramIconAndIgnoresNoWindow) {
    TestApplication();
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
