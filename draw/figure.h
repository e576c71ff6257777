// A drawing as a list of shapes, for pictures that are scaled and smoothed: printed, written as
// vector files, or shown at any size. Unlike the surface port (pixel-exact for the window's view),
// a figure has its own units, any line width and text of any size and colour; the canvas paints
// it antialiased at whatever scale its target needs, text as text.
#pragma once

#include <string>
#include <utility>
#include <variant>
#include <vector>

#include "draw/surface.h"

namespace fretwise {

// In the figure's units: x to the right, y down, origin top-left.
struct Point {
  double x = 0;
  double y = 0;
  friend bool operator==(const Point&, const Point&) = default;
};

struct Line {
  Point from;
  Point to;
  double width = 1;
  Colour colour = kBlack;
  // Round ends; otherwise square ends that reach half the width past each end point, so that
  // lines meeting at a corner close it.
  bool round = false;
  friend bool operator==(const Line&, const Line&) = default;
};

// A filled disc, or with ring > 0 only its outline, that wide, centred on the radius.
struct Disc {
  Point centre;
  double radius = 1;
  Colour colour = kBlack;
  double ring = 0;
  friend bool operator==(const Disc&, const Disc&) = default;
};

// A filled bar with round ends: every point within radius of the segment from one end's centre
// to the other's.
struct Bar {
  Point from;
  Point to;
  double radius = 1;
  Colour colour = kBlack;
  friend bool operator==(const Bar&, const Bar&) = default;
};

enum class Align { kLeft, kCentre, kRight };

// One line of UTF-8 text. at.x is its left end, centre or right end (align); at.y is the middle
// of its capitals, so that digits and capitals sit centred on it. size is the font's pixel size.
// With maxWidth > 0 the text is drawn smaller when it would be wider than that.
struct Text {
  Point at;
  double size = 10;
  Align align = Align::kLeft;
  Colour colour = kBlack;
  std::string text;
  bool bold = false;
  double maxWidth = 0;
  friend bool operator==(const Text&, const Text&) = default;
};

using Shape = std::variant<Line, Disc, Bar, Text>;

// Painted in list order, later shapes over earlier ones, on a background of the painter's choice.
struct Figure {
  double width = 0;
  double height = 0;
  std::vector<Shape> shapes;

  // In place: GCC 12 sees a moved variant's other alternatives as maybe uninitialised.
  template <typename S>
  void Add(S shape) {
    shapes.emplace_back(std::in_place_type<S>, std::move(shape));
  }
};

// Adds figure's shapes to onto, scaled by scale and then moved so that figure's origin lies at at.
void Place(Figure& onto, const Figure& figure, Point at, double scale = 1);

}  // namespace fretwise
