// A whole Fretwise window, headless, with file dialogs the test answers, every modal box answered
// as soon as it opens, and settings kept in a folder of the test's own. It plays through a
// recording sound layer unless a rig gives it another.
#pragma once

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QPushButton>
#include <QScreen>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <functional>
#include <map>
#include <memory>

#include "app/fretwise_app.h"
#include "app/fretwise_view.h"
#include "app/main_frame.h"
#include "support/recorders.h"

namespace fretwise::test {

class AppRig : public testing::Test, public QObject, public app::FileDialogs {
 protected:
  void SetUp() override {
    ASSERT_TRUE(folder_.isValid());  // the settings go there, never to the user's
    qputenv("XDG_CONFIG_HOME", folder_.path().toUtf8());
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, folder_.path());
    qApp->installEventFilter(this);
  }
  void TearDown() override { app_.reset(), Settle(); }
  // Starts the program as the command line would; false when start-up fails.
  bool Start(const QStringList& arguments = {});
  virtual SoundLayer& Sound() { return sound_; }
  QString OpenFileName(QWidget*) override { return ++opens_, openAnswer_; }
  QString SaveFileName(QWidget*) override { return ++saves_, saveAnswer_; }
  QString SheetFileName(QWidget*, const QString&) override { return sheetAnswer_; }
  // Answers each modal box (message or dialog) at once, from inside its own loop.
  bool eventFilter(QObject* watched, QEvent* event) override;

  app::CMainFrame& frame() { return *app_->m_pMainWnd; }
  app::CFretwiseView& view() { return *app_->view(); }
  const ViewState& state() { return view().core().state(); }
  QCheckBox* Box(int slot) { return qobject_cast<QCheckBox*>(controls_[kSlots[slot].controlId]); }
  QPushButton* Button(int command) { return qobject_cast<QPushButton*>(controls_.at(command)); }
  static void Click(QAbstractButton* button) { QTest::mouseClick(button, Qt::LeftButton); }
  void Key(const char* keys) { QTest::keySequence(&frame(), QKeySequence(keys)), Settle(); }
  QImage Shown(const QRect& area) {  // the view's pixels in that area, as the screen shows them
    const QRect at = area.translated(view().mapTo(&frame(), QPoint()));
    const QPixmap shot =
        frame().screen()->grabWindow(frame().winId(), at.x(), at.y(), at.width(), at.height());
    return shot.toImage().convertToFormat(QImage::Format_RGB32);
  }
  // Lets queued events run: the view draws anew after a show, resize or expose.
  static void Settle() {
    for (int i = 0; i < 5; ++i)
      QCoreApplication::processEvents(QEventLoop::AllEvents, 20), QTest::qWait(1);
  }
  QString Write(const QString& name, const QByteArray& bytes = {}) {  // returns the file's path
    QFile file(folder_.filePath(name));
    EXPECT_TRUE(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
    return file.fileName();
  }

  QTemporaryDir folder_;
  CallLog soundLog_;
  FakeSound sound_{soundLog_};
  QString openAnswer_, saveAnswer_, sheetAnswer_;
  int opens_ = 0, saves_ = 0;
  std::vector<std::string> texts_;      // of the message boxes, in order
  int openBoxes_ = 0, mostBoxes_ = 0;   // open now, and the most open at once
  std::function<void()> beforeAnswer_;  // runs once, inside the next box's loop
  std::unique_ptr<app::CFretwiseApp> app_;
  std::map<int, QAbstractButton*> controls_;  // the view's buttons by their control ID
};

}  // namespace fretwise::test
