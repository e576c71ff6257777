// One QApplication for the whole run (fonts and widgets need it), made when the tests start rather
// than when they are only listed, so listing needs no display.
#include <gtest/gtest.h>

#include <QApplication>
#include <memory>

namespace {

class WidgetsEnvironment final : public testing::Environment {
 public:
  void SetUp() override { app_ = std::make_unique<QApplication>(argc_, argv_); }
  void TearDown() override { app_.reset(); }

 private:
  int argc_ = 1;
  char name_[8] = "tests";
  char* argv_[2] = {name_, nullptr};
  std::unique_ptr<QApplication> app_;
};

[[maybe_unused]] testing::Environment* const kWidgets =
    testing::AddGlobalTestEnvironment(new WidgetsEnvironment);

}  // namespace
