#include "support/app_rig.h"

#include <QDialog>
#include <QMessageBox>
#include <QScreen>
#include <QSettings>
#include <QTest>
#include <QTimer>

namespace fretwise::test {

bool BoxAnswerer::eventFilter(QObject* watched, QEvent* event) {
  auto* dialog = qobject_cast<QDialog*>(watched);
  if (!dialog || !dialog->isModal() || event->spontaneous()) return false;
  if (event->type() == QEvent::Hide) --open;
  if (event->type() != QEvent::Show) return false;
  mostOpen = std::max(mostOpen, ++open);
  if (auto* box = qobject_cast<QMessageBox*>(dialog)) texts.push_back(box->text().toStdString());
  QTimer::singleShot(0, dialog, [this, dialog] {
    if (auto action = std::exchange(beforeAnswer, nullptr)) action();
    dialog->done(QDialog::Accepted);
  });
  return false;
}

void AppRig::SetUp() {
  ASSERT_TRUE(folder_.isValid());
  // Settings go to the test's own folder, never the user's.
  qputenv("XDG_CONFIG_HOME", folder_.path().toUtf8());
  QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, folder_.path());
  boxes_ = std::make_unique<BoxAnswerer>();
}

void AppRig::TearDown() {
  app_.reset();
  Settle();
  boxes_.reset();
}

bool AppRig::Start(const QStringList& arguments) {
  app_ = std::make_unique<app::CFretwiseApp>(Sound(), dialogs_);
  if (!app_->InitInstance(arguments)) return false;
  EXPECT_TRUE(QTest::qWaitForWindowExposed(&frame()));
  for (QCheckBox* box : view().findChildren<QCheckBox*>()) {
    for (int slot = 0; slot < kSlotCount; ++slot)
      if (box->property("controlId").toInt() == kSlots[slot].controlId) boxBySlot_[slot] = box;
  }
  for (QPushButton* button : view().findChildren<QPushButton*>())
    buttonByCommand_[button->property("controlId").toInt()] = button;
  Settle();
  return true;
}

void AppRig::Click(QAbstractButton* button) { QTest::mouseClick(button, Qt::LeftButton); }

void AppRig::Tick(std::initializer_list<int> slots) {
  for (int slot : slots) Click(Box(slot));
}

void AppRig::Key(const char* keys) {
  QTest::keySequence(&frame(), QKeySequence(keys));
  Settle();
}

void AppRig::Settle() {
  for (int i = 0; i < 5; ++i) {
    QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    QTest::qWait(1);
  }
}

void AppRig::Flush() {
  for (int i = 0; i < 3; ++i) QCoreApplication::processEvents();
}

std::string AppRig::Screen(std::initializer_list<QPoint> points) {
  std::string shown;
  for (const QPoint point : points) {
    const QPoint at = view().mapTo(&frame(), point);
    const QImage shot =
        frame().screen()->grabWindow(frame().winId(), at.x(), at.y(), 1, 1).toImage();
    const QRgb rgb = shot.isNull() ? 0 : shot.pixel(0, 0) & 0xFFFFFF;
    shown += rgb == 0 ? 'b' : rgb == 0xFFFFFF ? 'w' : rgb == 0xFF0000 ? 'r' : '?';
  }
  return shown;
}

}  // namespace fretwise::test
