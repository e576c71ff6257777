#include "support/real_sound_rig.h"

#include <QDialog>
#include <QDir>
#include <QMessageBox>
#include <QSettings>
#include <QTest>
#include <QTimer>
#include <filesystem>

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

void RealSoundRig::SetUp() {
  ASSERT_TRUE(folder_.isValid());
  std::filesystem::copy(FRETWISE_SOUND_SET, folder_.filePath("wav").toStdString(),
                        std::filesystem::copy_options::recursive);
  qputenv("XDG_CONFIG_HOME", folder_.path().toUtf8());
  QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, folder_.path());
  startedIn_ = QDir::currentPath();
  QDir::setCurrent(folder_.path());  // the program reads .\wav\ under its working directory
  boxes_ = std::make_unique<BoxAnswerer>();
}

void RealSoundRig::TearDown() {
  app_.reset();
  Settle();
  boxes_.reset();
  QDir::setCurrent(startedIn_);
}

void RealSoundRig::Start() {
  app_ = std::make_unique<app::CFretwiseApp>(sound_, dialogs_);
  ASSERT_TRUE(app_->InitInstance({}));
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&frame()));
  for (QCheckBox* box : view().findChildren<QCheckBox*>()) {
    for (int slot = 0; slot < kSlotCount; ++slot)
      if (box->property("controlId").toInt() == kSlots[slot].controlId) boxBySlot_[slot] = box;
  }
  for (QPushButton* button : view().findChildren<QPushButton*>())
    buttonByCommand_[button->property("controlId").toInt()] = button;
  Settle();
}

QString RealSoundRig::SoundFile(const std::string& soundFilePath) const {
  return folder_.filePath("wav/" + QString::fromStdString(soundFilePath).replace('\\', '/'));
}

}  // namespace fretwise::test
