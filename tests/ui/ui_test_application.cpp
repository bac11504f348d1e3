// One QApplication for a whole window test binary (TestApplication() in test_application.h
// returns it). It must go before exit: Qt's own global objects are torn down at exit and crash
// when the application outlives them.
#include <gtest/gtest.h>

#include <QApplication>
#include <memory>

namespace veltrano {
namespace {

class QtApplicationEnvironment : public testing::Environment {
public:
    void SetUp() override { app_ = std::make_unique<QApplication>(argc_, argv_); }
    void TearDown() override { app_.reset(); }

private:
    int argc_ = 1;
    char name_[16] = "ui_tests";
    char* argv_[2] = {name_, nullptr};
    std::unique_ptr<QApplication> app_;
};

[[maybe_unused]] testing::Environment* const kEnvironment =
    testing::AddGlobalTestEnvironment(new QtApplicationEnvironment);

}  // namespace
}  // namespace veltrano
