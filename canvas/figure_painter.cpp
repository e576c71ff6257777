#include "canvas/figure_painter.h"

#include <QFontMetricsF>
#include <QPaintDevice>
#include <QPen>
#include <QString>

namespace fretwise {
namespace {

QColor ToQColor(Colour colour) {
  return QColor(colour & 0xFF, (colour >> 8) & 0xFF, (colour >> 16) & 0xFF);
}

QPointF ToQPoint(Point p) { return {p.x, p.y}; }

void PaintShape(QPainter& painter, const Line& line) {
  painter.setPen(QPen(ToQColor(line.colour), line.width, Qt::SolidLine,
                      line.round ? Qt::RoundCap : Qt::SquareCap));
  painter.drawLine(ToQPoint(line.from), ToQPoint(line.to));
}

void PaintShape(QPainter& painter, const Disc& disc) {
  if (disc.ring > 0) {
    painter.setPen(QPen(ToQColor(disc.colour), disc.ring));
    painter.setBrush(Qt::NoBrush);
  } else {
    painter.setPen(Qt::NoPen);
    painter.setBrush(ToQColor(disc.colour));
  }
  painter.drawEllipse(ToQPoint(disc.centre), disc.radius, disc.radius);
}

void PaintShape(QPainter& painter, const Bar& bar) {
  painter.setPen(QPen(ToQColor(bar.colour), 2 * bar.radius, Qt::SolidLine, Qt::RoundCap));
  painter.drawLine(ToQPoint(bar.from), ToQPoint(bar.to));
}

void PaintShape(QPainter& painter, const Text& text) {
  const QString string = QString::fromStdString(text.text);
  QFont font = FigureFont(*painter.device(), text.size, text.bold);
  double width = QFontMetricsF(font, painter.device()).horizontalAdvance(string);
  if (text.maxWidth > 0 && width > text.maxWidth) {
    font = FigureFont(*painter.device(), text.size * text.maxWidth / width, text.bold);
    width = QFontMetricsF(font, painter.device()).horizontalAdvance(string);
  }
  const double shift = text.align == Align::kLeft ? 0 : text.align == Align::kCentre ? 0.5 : 1;
  const QFontMetricsF metrics(font, painter.device());
  painter.setFont(font);
  painter.setPen(ToQColor(text.colour));
  painter.drawText(QPointF(text.at.x - shift * width, text.at.y + metrics.capHeight() / 2), string);
}

}  // namespace

QFont FigureFont(const QPaintDevice& device, double size, bool bold) {
  QFont font;
  font.setFamilies({QStringLiteral("IPAPGothic"), QStringLiteral("IPAGothic")});
  font.setPointSizeF(size * 72.0 / device.logicalDpiY());
  font.setBold(bold);
  return font;
}

void PaintFigure(QPainter& painter, const Figure& figure) {
  painter.save();
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setRenderHint(QPainter::TextAntialiasing);
  for (const Shape& shape : figure.shapes)
    std::visit([&](const auto& s) { PaintShape(painter, s); }, shape);
  painter.restore();
}

}  // namespace fretwise
