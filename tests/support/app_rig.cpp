#include "support/app_rig.h"

#include <QMessageBox>
#include <QScreen>
#include <QSettings>
#include <QTest>
#include <QTimer>

#include "app/commands.h"

namespace fretwise::test {

struct MessageCloser::Impl {
  QTimer poll;
};

MessageCloser::MessageCloser() : impl_(std::make_unique<Impl>()) {
  impl_->poll.setInterval(5);
  QObject::connect(&impl_->poll, &QTimer::timeout, [this] {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (!box) return;
    if (whileOpen) {
      auto action = std::move(whileOpen);
      whileOpen = nullptr;
      action();
      return;
    }
    texts.push_back(box->text().toStdString());
    box->done(QMessageBox::Ok);
  });
  impl_->poll.start();
}

MessageCloser::~MessageCloser() = default;

void AppRig::SetUp() {
  ASSERT_TRUE(settings_.isValid());
  // Settings go to the test's own folder, never the user's.
  qputenv("XDG_CONFIG_HOME", settings_.path().toUtf8());
  QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settings_.path());
}

void AppRig::TearDown() {
  app_.reset();
  Settle();
}

bool AppRig::Start(const QStringList& arguments) {
  app_ = std::make_unique<app::CFretwiseApp>(sound_, dialogs_);
  if (!app_->InitInstance(arguments)) return false;
  EXPECT_TRUE(QTest::qWaitForWindowExposed(&frame()));
  Settle();
  return true;
}

QCheckBox* AppRig::Box(int slot) {
  for (QCheckBox* box : view().findChildren<QCheckBox*>()) {
    if (box->property("controlId").toInt() == kSlots[slot].controlId) return box;
  }
  return nullptr;
}

QPushButton* AppRig::Button(int command) {
  for (QPushButton* button : view().findChildren<QPushButton*>()) {
    if (button->property("controlId").toInt() == command) return button;
  }
  return nullptr;
}

void AppRig::Click(QAbstractButton* button) {
  QTest::mouseClick(button, Qt::LeftButton, {}, button->rect().center());
}

void AppRig::Tick(std::initializer_list<int> slots) {
  for (int slot : slots) Click(Box(slot));
}

void AppRig::Settle() {
  for (int i = 0; i < 5; ++i) {
    QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    QTest::qWait(1);
  }
}

QRgb AppRig::ScreenPixel(int x, int y) {
  const QPoint at = view().mapTo(&frame(), QPoint(x, y));
  const QImage shot = frame().screen()->grabWindow(frame().winId(), at.x(), at.y(), 1, 1).toImage();
  return shot.isNull() ? 0 : shot.pixel(0, 0) | 0xFF000000;
}

}  // namespace fretwise::test
