// A grey image to draw on, and the sets of pixels a drawing changed, for the canvas tests.
#pragma once

#include <QImage>
#include <functional>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "draw/canvas_surface.h"

namespace fretwise::test {

inline constexpr Colour kGreen = 0x00FF00;
inline constexpr Colour kBlue = 0xFF0000;

// (x, y) pairs.
using Pixels = std::set<std::pair<int, int>>;

// Neither white, black nor any colour the tests draw with.
inline QImage GreyImage(int width = 400, int height = 400) {
  QImage image(width, height, QImage::Format_RGB32);
  image.fill(QColor(0x80, 0x80, 0x80));
  return image;
}

inline Colour At(const QImage& image, int x, int y) {
  const QRgb rgb = image.pixel(x, y);
  return static_cast<Colour>(qRed(rgb) | qGreen(rgb) << 8 | qBlue(rgb) << 16);
}

inline Pixels Where(const QImage& image, const std::function<bool(Colour)>& keep) {
  Pixels pixels;
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x)
      if (keep(At(image, x, y))) pixels.insert({x, y});
  return pixels;
}

inline Pixels Where(const QImage& image, Colour colour) {
  return Where(image, [=](Colour c) { return c == colour; });
}

// Every pixel no longer grey.
inline Pixels Changed(const QImage& image) {
  return Where(image, [](Colour c) { return c != 0x808080; });
}

// Columns left..right-1, rows top..bottom-1.
inline Pixels Box(int left, int top, int right, int bottom) {
  Pixels pixels;
  for (int y = top; y < bottom; ++y)
    for (int x = left; x < right; ++x) pixels.insert({x, y});
  return pixels;
}

// The pixels marked `mark` in rows of text laid over the image from (left, top).
inline Pixels Marked(int left, int top, const std::vector<std::string>& rows, char mark) {
  Pixels pixels;
  for (int y = 0; y < static_cast<int>(rows.size()); ++y)
    for (int x = 0; x < static_cast<int>(rows[y].size()); ++x)
      if (rows[y][x] == mark) pixels.insert({left + x, top + y});
  return pixels;
}

// Draws on a fresh surface from a canvas source over the image.
inline void Draw(QImage& image, const std::function<void(Surface&)>& draw) {
  CanvasSource source(image);
  Surface* dc = source.GetDC();
  draw(*dc);
  source.ReleaseDC(dc);
}

}  // namespace fretwise::test
