#include "canvas/figure_painter.h"

#include <QFontMetricsF>
#include <QPaintDevice>
#include <QPen>
#include <QString>
#include <map>
#include <utility>

namespace fretwise {
namespace {

QColor ToQColor(Colour colour) {
  return QColor(colour & 0xFF, (colour >> 8) & 0xFF, (colour >> 16) & 0xFF);
}

QPointF ToQPoint(Point p) { return {p.x, p.y}; }

// Paints one figure's shapes, each text size's font and metrics made once.
class ShapePainter {
 public:
  explicit ShapePainter(QPainter& painter) : painter_(painter) {}

  void operator()(const Line& line) {
    painter_.setPen(QPen(ToQColor(line.colour), line.width, Qt::SolidLine,
                         line.round ? Qt::RoundCap : Qt::SquareCap));
    painter_.drawLine(ToQPoint(line.from), ToQPoint(line.to));
  }

  void operator()(const Disc& disc) {
    if (disc.ring > 0) {
      painter_.setPen(QPen(ToQColor(disc.colour), disc.ring));
      painter_.setBrush(Qt::NoBrush);
    } else {
      painter_.setPen(Qt::NoPen);
      painter_.setBrush(ToQColor(disc.colour));
    }
    painter_.drawEllipse(ToQPoint(disc.centre), disc.radius, disc.radius);
  }

  void operator()(const Bar& bar) {
    painter_.setPen(QPen(ToQColor(bar.colour), 2 * bar.radius, Qt::SolidLine, Qt::RoundCap));
    painter_.drawLine(ToQPoint(bar.from), ToQPoint(bar.to));
  }

  void operator()(const Text& text) {
    const QString string = QString::fromStdString(text.text);
    const Font* font = &FontOf(text.size, text.bold);
    double width = font->metrics.horizontalAdvance(string);
    if (text.maxWidth > 0 && width > text.maxWidth) {
      font = &FontOf(text.size * text.maxWidth / width, text.bold);
      width = font->metrics.horizontalAdvance(string);
    }
    const double shift = text.align == Align::kLeft ? 0 : text.align == Align::kCentre ? 0.5 : 1;
    painter_.setFont(font->font);
    painter_.setPen(ToQColor(text.colour));
    painter_.drawText(QPointF(text.at.x - shift * width, text.at.y + font->metrics.capHeight() / 2),
                      string);
  }

 private:
  struct Font {
    QFont font;
    QFontMetricsF metrics;
  };

  const Font& FontOf(double size, bool bold) {
    auto found = fonts_.find({size, bold});
    if (found == fonts_.end()) {
      const QFont font = FigureFont(*painter_.device(), size, bold);
      found = fonts_.emplace(std::pair(size, bold), Font{font, {font, painter_.device()}}).first;
    }
    return found->second;
  }

  QPainter& painter_;
  std::map<std::pair<double, bool>, Font> fonts_;
};

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
  ShapePainter paint(painter);
  for (const Shape& shape : figure.shapes) std::visit(paint, shape);
  painter.restore();
}

}  // namespace fretwise
