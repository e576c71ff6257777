// A whole Fretwise window, headless, with file dialogs the test answers, every modal box answered
// as soon as it opens, and settings kept in a folder of the test's own. It plays through a
// recording sound layer unless a rig gives it another.
#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <functional>
#include <map>
#include <memory>

#include "app/fretwise_app.h"
#include "app/fretwise_view.h"
#include "app/main_frame.h"
#include "support/recorders.h"

namespace fretwise::test {

struct AnsweringDialogs final : app::FileDialogs {
  QString OpenFileName(QWidget*) override { return ++opens, openAnswer; }
  QString SaveFileName(QWidget*) override { return ++saves, saveAnswer; }
  QString openAnswer, saveAnswer;
  int opens = 0, saves = 0;
};

// Answers each modal box (message or dialog) from inside its own loop, noting the message boxes'
// texts and how many boxes were open at once. beforeAnswer runs once, inside the next box's loop.
struct BoxAnswerer final : QObject {
  BoxAnswerer() { qApp->installEventFilter(this); }
  bool eventFilter(QObject* watched, QEvent* event) override;
  std::vector<std::string> texts;
  int open = 0, mostOpen = 0;
  std::function<void()> beforeAnswer;
};

class AppRig : public testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;
  // Starts the program as the command line would; false when start-up fails.
  bool Start(const QStringList& arguments = {});
  virtual SoundLayer& Sound() { return sound_; }

  app::CMainFrame& frame() { return *app_->m_pMainWnd; }
  app::CFretwiseView& view() { return *app_->view(); }
  const ViewState& state() { return view().core().state(); }
  QCheckBox* Box(int slot) { return boxBySlot_[slot]; }
  QPushButton* Button(int command) { return buttonByCommand_.at(command); }
  void Click(QAbstractButton* button);
  void Tick(std::initializer_list<int> slots);
  void Key(const char* keys);
  // Lets queued events run: the view draws anew after a show, resize or expose. Flush() is the
  // quick one, for long walks.
  static void Settle();
  static void Flush();
  // Pixels of the view as the screen shows them: b(lack), w(hite), r(ed) or ? for any other.
  std::string Screen(std::initializer_list<QPoint> points);

  QTemporaryDir folder_;
  CallLog soundLog_;
  FakeSound sound_{soundLog_};
  AnsweringDialogs dialogs_;
  std::unique_ptr<BoxAnswerer> boxes_;
  std::unique_ptr<app::CFretwiseApp> app_;
  std::array<QCheckBox*, kSlotCount> boxBySlot_{};
  std::map<int, QPushButton*> buttonByCommand_;
};

}  // namespace fretwise::test
