// The one QApplication of the test binary. It lives from before the first test to after the
// last and is destroyed while the test run is still going: destroyed by the exit handlers, it
// would outlive the input devices QTest registers and crash on the way out.
#include <gtest/gtest.h>

#include <QApplication>
#include <memory>

namespace veltrano {
namespace {

class ApplicationEnvironment : public testing::Environment {
public:
    void SetUp() override { app_ = std::make_unique<QApplication>(argc_, argv_); }
    void TearDown() override { app_.reset(); }

private:
    int argc_ = 1;
    char name_[16] = "ui_player_tests";
    char* argv_[2] = {name_, nullptr};
    std::unique_ptr<QApplication> app_;
};

[[maybe_unused]] testing::Environment* const kEnvironment =
    testing::AddGlobalTestEnvironment(new ApplicationEnvironment);

}  // namespace
}  // namespace veltrano
