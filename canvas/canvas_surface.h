// The drawing surface on Qt: a QPainter on a QImage (Format_RGB32, shown by the window) or on a
// QSvgGenerator, so the same drawing code can write SVG. No antialiasing and no scaling.
#pragma once

#include <QFont>
#include <QPainter>
#include <QPoint>
#include <QRect>
#include <functional>
#include <map>
#include <memory>
#include <vector>

#include "draw/surface.h"

class QPaintDevice;

namespace fretwise {

// IPAGothic, unantialiased, at the pixel size that makes a 16-pixel text line.
QFont CanvasFont();

// Draws through a painter that is active on its device for as long as the surface is used. The
// surface starts with stock pen 1 (black, 1 pixel) and stock brush 2 (white) selected; the pens
// and brushes it makes are numbered from 3 and are its own.
class CanvasSurface final : public Surface {
 public:
  // Every pixel the surface touches is added to dirty.
  CanvasSurface(QPainter& painter, QRect& dirty) : painter_(painter), dirty_(dirty) {}

  ObjectId CreatePen(Colour colour) override;
  ObjectId CreateSolidBrush(Colour colour) override;
  // An id the surface does not know selects nothing and returns 0.
  ObjectId SelectObject(ObjectId object) override;
  // Unknown ids, the stock objects and the selected ones are left alone.
  void DeleteObject(ObjectId object) override;
  void FillRect(int left, int top, int right, int bottom, ObjectId brush) override;
  void RoundRect(int left, int top, int right, int bottom, int cornerWidth,
                 int cornerHeight) override;
  void MoveTo(int x, int y) override { current_ = {x, y}; }
  void LineTo(int x, int y) override;
  void TextOut(int x, int y, std::string_view text) override;

 private:
  struct Object {
    bool pen;
    Colour colour;
  };
  Colour ColourOf(ObjectId id) const { return objects_.at(id).colour; }

  void Touch(const QRect& area) { dirty_ |= area; }

  QPainter& painter_;
  QRect& dirty_;
  std::map<ObjectId, Object> objects_{{1, {true, kBlack}}, {2, {false, kWhite}}};
  ObjectId nextId_ = 3;
  ObjectId pen_ = 1;
  ObjectId brush_ = 2;
  QPoint current_;
};

// Hands out surfaces on one device. A device takes only one painter at a time, so the surfaces
// share one: it begins at the first GetDC that finds no surface out and ends when the last one
// out is released. Each GetDC gives a fresh surface with its own objects, selection and current
// point. After the painter ends, the optional callback runs with the area the surfaces drew on
// since the painter began (the window shows that part of the canvas there).
class CanvasSource final : public SurfaceSource {
 public:
  using Painted = std::function<void(const QRect& dirty)>;
  explicit CanvasSource(QPaintDevice& device, Painted painted = {})
      : device_(device), painted_(std::move(painted)) {}
  CanvasSource(const CanvasSource&) = delete;
  CanvasSource& operator=(const CanvasSource&) = delete;

  Surface* GetDC() override;
  // A surface this source did not hand out, or already took back, is ignored.
  void ReleaseDC(Surface* surface) override;

 private:
  QPaintDevice& device_;
  Painted painted_;
  QPainter painter_;
  QRect dirty_;
  std::vector<std::unique_ptr<CanvasSurface>> out_;
};

}  // namespace fretwise
