// What the shell asks of the user through dialogs, behind small interfaces so tests can answer.
#pragma once

#include <QString>

#include "view/message_box.h"

class QWidget;

namespace fretwise::app {

class FileDialogs {
 public:
  virtual ~FileDialogs() = default;
  // An existing file to open, or empty when the user cancels.
  virtual QString OpenFileName(QWidget* parent) = 0;
  // A file name to save under, or empty when the user cancels.
  virtual QString SaveFileName(QWidget* parent) = 0;
  // Where to write a chord sheet (PDF, SVG or PNG), `suggested` offered; empty when cancelled.
  virtual QString SheetFileName(QWidget*, const QString& /*suggested*/) { return {}; }
};

class QtFileDialogs final : public FileDialogs {
 public:
  QString OpenFileName(QWidget* parent) override;
  QString SaveFileName(QWidget* parent) override;
  QString SheetFileName(QWidget* parent, const QString& suggested) override;
};

// A modal warning with an OK button over the given window.
class QtMessageBox final : public MessageBox {
 public:
  explicit QtMessageBox(QWidget* parent = nullptr) : parent_(parent) {}
  void SetParent(QWidget* parent) { parent_ = parent; }
  void Show(std::string_view text) override;

 private:
  QWidget* parent_;
};

}  // namespace fretwise::app
