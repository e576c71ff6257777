#include "support/app_rig.h"

#include <QMessageBox>
#include <QTimer>

namespace fretwise::test {

bool AppRig::eventFilter(QObject* watched, QEvent* event) {
  auto* dialog = qobject_cast<QDialog*>(watched);
  if (!dialog || !dialog->isModal() || event->spontaneous()) return false;
  if (event->type() == QEvent::Hide) --openBoxes_;
  if (event->type() != QEvent::Show) return false;
  mostBoxes_ = std::max(mostBoxes_, ++openBoxes_);
  if (auto* box = qobject_cast<QMessageBox*>(dialog)) texts_.push_back(box->text().toStdString());
  QTimer::singleShot(0, dialog, [this, dialog] {
    if (auto action = std::exchange(beforeAnswer_, nullptr)) action();
    dialog->done(QDialog::Accepted);
  });
  return false;
}

bool AppRig::Start(const QStringList& arguments) {
  app_ = std::make_unique<app::CFretwiseApp>(Sound(), *this);
  if (!app_->InitInstance(arguments)) return false;
  EXPECT_TRUE(QTest::qWaitForWindowExposed(&frame()));
  for (auto* control : view().findChildren<QAbstractButton*>())
    controls_[control->property("controlId").toInt()] = control;
  Settle();
  return true;
}

}  // namespace fretwise::test
