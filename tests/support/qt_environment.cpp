// One QApplication for the whole run (fonts and widgets need it), made when the tests start rather
// than when they are only listed, so listing needs no display.
#include <gtest/gtest.h>

#include <QApplication>
#include <memory>

namespace {

struct WidgetsEnvironment final : testing::Environment {
  void SetUp() override { app = std::make_unique<QApplication>(argc, argv); }
  void TearDown() override { app.reset(); }
  int argc = 1;
  char name[8] = "tests", *argv[2] = {name, nullptr};
  std::unique_ptr<QApplication> app;
};

[[maybe_unused]] auto* const kWidgets = testing::AddGlobalTestEnvironment(new WidgetsEnvironment);

}  // namespace
