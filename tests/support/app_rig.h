// A whole Fretwise window, headless, with a recording sound layer and file dialogs the test
// answers, and settings kept in a folder of the test's own.
#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <functional>
#include <memory>

#include "app/fretwise_app.h"
#include "app/fretwise_view.h"
#include "app/main_frame.h"
#include "support/recorders.h"

namespace fretwise::test {

class AnsweringDialogs final : public app::FileDialogs {
 public:
  QString OpenFileName(QWidget*) override { return ++opens, openAnswer; }
  QString SaveFileName(QWidget*) override { return ++saves, saveAnswer; }
  QString openAnswer, saveAnswer;
  int opens = 0, saves = 0;
};

// Closes every modal message box as soon as it opens, writing its text down, so a test can never
// hang on one. An optional action runs once inside the first box's own loop before it closes.
class MessageCloser {
 public:
  MessageCloser();
  ~MessageCloser();
  std::vector<std::string> texts;
  std::function<void()> whileOpen;

 private:
  struct Impl;
  std::unique_ptr<Impl> impl_;
};

class AppRig : public testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;
  // Starts the program as the command line would; false when start-up fails.
  bool Start(const QStringList& arguments = {});

  app::CMainFrame& frame() { return *app_->m_pMainWnd; }
  app::CFretwiseView& view() { return *app_->view(); }
  const ViewState& state() { return view().core().state(); }
  QCheckBox* Box(int slot);
  QPushButton* Button(int command);
  void Click(QAbstractButton* button);
  void Tick(std::initializer_list<int> slots);
  // Lets queued events run: the view draws anew after a show, resize or expose.
  static void Settle();
  // A pixel of the view as the screen shows it.
  QRgb ScreenPixel(int x, int y);

  QTemporaryDir settings_;
  CallLog soundLog_;
  FakeSound sound_{soundLog_};
  AnsweringDialogs dialogs_;
  std::unique_ptr<app::CFretwiseApp> app_;
};

}  // namespace fretwise::test
