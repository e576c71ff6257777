#pragma once

#include <QDialog>
#include <QRect>

namespace fretwise::app {

// Dialog units scale with the dialog's font: a horizontal unit is a quarter of the font's average
// character width, a vertical unit an eighth of its height.
struct DialogUnits {
  int baseX;
  int baseY;
  QRect ToPixels(int x, int y, int width, int height) const;
};

// The version dialog: modal; OK, Escape and the close box close it.
class CVersionInfoDlg final : public QDialog {
 public:
  explicit CVersionInfoDlg(QWidget* parent = nullptr);
  static DialogUnits Units(const QFont& font);
};

}  // namespace fretwise::app
