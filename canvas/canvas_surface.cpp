#include "canvas/canvas_surface.h"

#include <QColor>
#include <QFontMetrics>
#include <QPen>
#include <QRect>
#include <QString>
#include <algorithm>
#include <cstdlib>
#include <utility>

namespace fretwise {
namespace {

// IPAGothic's line (ascent + descent) is one pixel more than its pixel size.
constexpr int kTextPixelSize = 15;

QColor ToQColor(Colour colour) {
  return QColor(colour & 0xFF, (colour >> 8) & 0xFF, (colour >> 16) & 0xFF);
}

// The pixels of a line, end excluded, Bresenham-style, handed out in runs along the major axis.
template <typename Fill>
void ForEachLineRun(QPoint from, QPoint to, Fill fill) {
  const int dx = std::abs(to.x() - from.x()), sx = from.x() < to.x() ? 1 : -1;
  const int dy = -std::abs(to.y() - from.y()), sy = from.y() < to.y() ? 1 : -1;
  const bool shallow = dx >= -dy;
  int error = dx + dy;
  QPoint p = from;
  QRect run;
  while (p != to) {
    if (!run.isNull() && (shallow ? run.top() != p.y() : run.left() != p.x())) {
      fill(run);
      run = QRect();
    }
    run = run.isNull() ? QRect(p, p) : run.united(QRect(p, p));
    const int twice = 2 * error;
    if (twice >= dy) {
      error += dy;
      p.rx() += sx;
    }
    if (twice <= dx) {
      error += dx;
      p.ry() += sy;
    }
  }
  if (!run.isNull()) fill(run);
}

}  // namespace

QFont CanvasFont() {
  QFont font;
  font.setFamilies({QStringLiteral("IPAGothic")});
  font.setPixelSize(kTextPixelSize);
  font.setStyleStrategy(QFont::NoAntialias);
  return font;
}

ObjectId CanvasSurface::CreatePen(Colour colour) {
  objects_[nextId_] = {true, colour};
  return nextId_++;
}

ObjectId CanvasSurface::CreateSolidBrush(Colour colour) {
  objects_[nextId_] = {false, colour};
  return nextId_++;
}

ObjectId CanvasSurface::SelectObject(ObjectId object) {
  const auto found = objects_.find(object);
  if (found == objects_.end()) return 0;
  ObjectId& selected = found->second.pen ? pen_ : brush_;
  return std::exchange(selected, object);
}

void CanvasSurface::DeleteObject(ObjectId object) {
  if (object > 2 && object != pen_ && object != brush_) objects_.erase(object);
}

void CanvasSurface::FillRect(int left, int top, int right, int bottom, ObjectId brush) {
  const auto found = objects_.find(brush);
  if (found == objects_.end() || found->second.pen || right <= left || bottom <= top) return;
  const QRect area(left, top, right - left, bottom - top);
  painter_.fillRect(area, ToQColor(found->second.colour));
  Touch(area);
}

void CanvasSurface::RoundRect(int left, int top, int right, int bottom, int cornerWidth,
                              int cornerHeight) {
  const int width = right - left, height = bottom - top;
  if (width <= 0 || height <= 0) return;
  // A flat-capped pen outlines size() + 1 pixels: these cover exactly the box.
  painter_.setPen(QPen(QBrush(ToQColor(ColourOf(pen_))), 1, Qt::SolidLine, Qt::FlatCap));
  painter_.setBrush(ToQColor(ColourOf(brush_)));
  const QRect box(left, top, width - 1, height - 1);
  Touch(QRect(left, top, width, height));
  if (cornerWidth >= width && cornerHeight >= height) {
    painter_.drawEllipse(box);
  } else {
    painter_.drawRoundedRect(box, std::max(cornerWidth, 0) / 2.0, std::max(cornerHeight, 0) / 2.0,
                             Qt::AbsoluteSize);
  }
}

void CanvasSurface::LineTo(int x, int y) {
  const QColor colour = ToQColor(ColourOf(pen_));
  // Runs as fills: Qt's own lines draw or drop end points depending on cap and direction.
  ForEachLineRun(current_, {x, y}, [&](const QRect& run) {
    painter_.fillRect(run, colour);
    Touch(run);
  });
  current_ = {x, y};
}

void CanvasSurface::TextOut(int x, int y, std::string_view text) {
  const QString string = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
  const QFontMetrics metrics = painter_.fontMetrics();  // the source set the canvas font
  const QRect box(x, y, metrics.horizontalAdvance(string), metrics.height());
  if (box.isEmpty()) return;
  painter_.fillRect(box, Qt::white);
  Touch(box);
  painter_.setPen(Qt::black);
  painter_.drawText(QPoint(x, y + metrics.ascent()), string);
}

Surface* CanvasSource::GetDC() {
  if (out_.empty()) {
    painter_.begin(&device_);
    painter_.setRenderHint(QPainter::Antialiasing, false);
    painter_.setRenderHint(QPainter::TextAntialiasing, false);
    painter_.setFont(CanvasFont());
    dirty_ = QRect();
  }
  out_.push_back(std::make_unique<CanvasSurface>(painter_, dirty_));
  return out_.back().get();
}

void CanvasSource::ReleaseDC(Surface* surface) {
  const auto found =
      std::find_if(out_.begin(), out_.end(), [&](const auto& out) { return out.get() == surface; });
  if (found == out_.end()) return;
  out_.erase(found);
  if (!out_.empty()) return;
  painter_.end();
  if (painted_) painted_(dirty_);
}

}  // namespace fretwise
