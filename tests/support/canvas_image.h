// What a drawing on the Qt canvas changes on a grey image, as text, for the canvas tests.
#pragma once

#include <QImage>
#include <algorithm>
#include <string>

#include "canvas/canvas_surface.h"
#include "draw/drawing_pass.h"

namespace fretwise::test {

// Draws on a fresh surface over a grey image (grey: no test draws with it). Gives the smallest box
// holding every pixel no longer grey, and it as lines of text: '.' grey, 'k' black, 'w' white,
// 'r' red, 'g' green, '?' other.
inline std::pair<QRect, std::string> Changes(const std::function<void(Surface&)>& draw) {
  const QRgb colours[] = {0x808080, 0x000000, 0xFFFFFF, 0xFF0000, 0x00FF00};  // then any other
  QImage image(400, 400, QImage::Format_RGB32);
  image.fill(colours[0]);
  CanvasSource source(image);
  draw(DrawingPass(source).dc());
  QRect box;
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x)
      if ((image.pixel(x, y) & 0xFFFFFF) != colours[0]) box |= QRect(x, y, 1, 1);
  std::string picture;
  for (int y = box.top(); y <= box.bottom(); ++y, picture += '\n')
    for (int x = box.left(); x <= box.right(); ++x)
      picture += ".kwrg?"[std::ranges::find(colours, image.pixel(x, y) & 0xFFFFFF) - colours];
  return {box, picture};
}

}  // namespace fretwise::test
