#include "app/version_dialog.h"

#include <QFontMetrics>
#include <QLabel>
#include <QPushButton>

#include "app/main_frame.h"

namespace fretwise::app {
namespace {

int MulDiv(int value, int numerator, int denominator) {
  return (value * numerator + denominator / 2) / denominator;
}

}  // namespace

QRect DialogUnits::ToPixels(int x, int y, int width, int height) const {
  return QRect(MulDiv(x, baseX, 4), MulDiv(y, baseY, 8), MulDiv(width, baseX, 4),
               MulDiv(height, baseY, 8));
}

DialogUnits CVersionInfoDlg::Units(const QFont& font) {
  const QFontMetrics metrics(font);
  const int letters =
      metrics.horizontalAdvance("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz");
  return {(letters / 26 + 1) / 2, metrics.height()};
}

CVersionInfoDlg::CVersionInfoDlg(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowCloseButtonHint) {
  // A proportional Japanese Gothic at 9 points, as the dialog was laid out for.
  QFont font("IPAPGothic");
  font.setPointSize(9);
  setFont(font);
  setWindowTitle("ﾊﾞｰｼﾞｮﾝ情報(Fretwise)");
  // The main window's icon itself, not a new one: each new icon would leave its pixmaps behind in
  // Qt's pixmap cache after the dialog has gone.
  const QIcon icon = parent ? parent->window()->windowIcon() : ApplicationIcon();
  setWindowIcon(icon);
  const DialogUnits units = Units(font);
  setFixedSize(units.ToPixels(0, 0, 217, 55).size());

  auto* picture = new QLabel(this);
  picture->setPixmap(icon.pixmap(32, 32));
  picture->setGeometry(QRect(units.ToPixels(11, 17, 20, 20).topLeft(), QSize(32, 32)));

  auto* name = new QLabel("Fretwise Version 1.0", this);
  name->setTextFormat(Qt::PlainText);
  name->setGeometry(units.ToPixels(40, 10, 119, 8));
  auto* line = new QLabel("ギターのコードを運指にする道具", this);
  line->setTextFormat(Qt::PlainText);
  line->setGeometry(units.ToPixels(40, 25, 119, 8));

  auto* ok = new QPushButton("OK", this);
  ok->setGeometry(units.ToPixels(178, 7, 32, 14));
  ok->setDefault(true);
  ok->setFocus();
  connect(ok, &QPushButton::clicked, this, &QDialog::accept);
}

}  // namespace fretwise::app
