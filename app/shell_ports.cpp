#include "app/shell_ports.h"

#include <QFileDialog>
#include <QMessageBox>

#include "app/commands.h"
#include "app/utf8.h"

namespace fretwise::app {

QString QtFileDialogs::OpenFileName(QWidget* parent) {
  return QFileDialog::getOpenFileName(parent, "開く");
}

QString QtFileDialogs::SaveFileName(QWidget* parent) {
  return QFileDialog::getSaveFileName(parent, "名前を付けて保存");
}

QString QtFileDialogs::SheetFileName(QWidget* parent, const QString& suggested) {
  return QFileDialog::getSaveFileName(parent, "ｼｰﾄを保存", suggested,
                                      "PDF (*.pdf);;SVG (*.svg);;PNG (*.png)");
}

void QtMessageBox::Show(std::string_view text) {
  QMessageBox box(QMessageBox::Warning, ToQString(kApplicationName), ToQString(text),
                  QMessageBox::Ok, parent_);
  box.exec();
}

}  // namespace fretwise::app
