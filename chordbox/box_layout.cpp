#include "chordbox/box_layout.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "chordbox/box_sizes.h"

namespace fretwise::chordbox {
namespace {

constexpr const BoxSizes& s = kBox;

// Where things go in one box. Columns count from the left of a right-handed box, where column
// 0 holds the highest-numbered string. Lines lie on half units, so that one unit to a pixel they
// cover whole pixels.
struct Grid {
  int strings = 6;
  int first = 1;
  int rows = kFewestFretsShown;
  double gap = 0;   // between strings
  double left = 0;  // column 0's x
  double top = 0;   // the top fret line's y
  double dot = 0;   // a dot's radius

  double X(int column) const { return left + column * gap; }
  double Right() const { return X(strings - 1); }
  double Bottom() const { return top + rows * s.rowHeight; }
  double RowY(int fret) const { return top + (fret - first + 0.5) * s.rowHeight; }
  int Column(int stringNumber) const { return strings - stringNumber; }
};

Grid GridOf(const ChordBox& box) {
  Grid g;
  const int told = box.notes.empty() ? box.strings : static_cast<int>(box.notes.size());
  g.strings = std::clamp(told, kFewestStrings, kMostStrings);
  g.first = std::max(1, box.firstFret);
  g.rows = FretsShown(box.notes, g.first);
  g.gap = std::min(s.widestGap, std::floor((s.width - 2 * s.sideMargin) / (g.strings - 1)));
  g.left = std::floor((s.width - g.gap * (g.strings - 1)) / 2) + 0.5;
  g.top = std::floor(s.top + s.nameHeight + 2 * s.markRadius + s.markGap + s.nut) + 0.5;
  g.dot = std::min(s.dotRadius, g.gap * s.dotShare);
  return g;
}

void AddGrid(Figure& f, const Grid& g) {
  for (int column = 0; column < g.strings; ++column)
    f.Add(Line{{g.X(column), g.top}, {g.X(column), g.Bottom()}, s.line, s.ink});
  for (int row = 0; row <= g.rows; ++row) {
    const double y = g.top + row * s.rowHeight;
    f.Add(Line{{g.X(0), y}, {g.Right(), y}, s.line, s.ink});
  }
  const auto fretText = [](int fret) { return std::to_string(fret) + "fr"; };
  if (g.first == 1) {
    // Square ends: inset by half its thickness, the nut ends flush with the outer strings.
    const double inset = (s.nut - s.line) / 2, y = g.top + s.line / 2 - s.nut / 2;
    f.Add(Line{{g.X(0) + inset, y}, {g.Right() - inset, y}, s.nut, s.ink});
  } else {
    // Two digits ("12fr") are drawn smaller rather than past the box's left edge.
    const double right = g.X(0) - g.dot - s.labelGap;
    f.Add(Text{{right, g.RowY(g.first)},
               s.labelSize,
               Align::kRight,
               s.ink,
               fretText(g.first),
               false,
               right - s.line});
  }
}

void AddFingered(Figure& f, const Grid& g, Point centre, int finger) {
  if (finger < 1) return;
  f.Add(Text{centre, g.dot * s.fingerShare, Align::kCentre, s.paper, std::to_string(finger), true});
}

bool UnderBarre(const ChordBox& box, const Grid& g, int column, int fret) {
  return std::any_of(box.barres.begin(), box.barres.end(), [&](const Barre& b) {
    return b.fret == fret && g.Column(b.fromString) <= column && column <= g.Column(b.toString);
  });
}

void AddNotes(Figure& f, const ChordBox& box, const Grid& g) {
  const double markY = g.top - s.line / 2 - s.nut - s.markGap - s.markRadius;
  const double r = s.crossArm;
  for (int column = 0; column < g.strings && column < static_cast<int>(box.notes.size());
       ++column) {
    const StringNote& note = box.notes[column];
    const double x = g.X(column);
    if (note.fret == kMuted) {
      f.Add(Line{{x - r, markY - r}, {x + r, markY + r}, s.markLine, s.ink, true});
      f.Add(Line{{x - r, markY + r}, {x + r, markY - r}, s.markLine, s.ink, true});
    } else if (note.fret == 0) {
      f.Add(Disc{{x, markY}, s.markRadius, s.ink, s.markLine});
    } else if (note.fret >= g.first && !UnderBarre(box, g, column, note.fret)) {
      f.Add(Disc{{x, g.RowY(note.fret)}, g.dot, s.ink});
      AddFingered(f, g, {x, g.RowY(note.fret)}, note.finger);
    }
  }
  for (const Barre& b : box.barres) {
    const int from = g.Column(b.fromString), to = g.Column(b.toString);
    if (from < 0 || to >= g.strings || from >= to || b.fret < g.first) continue;
    const double y = g.RowY(b.fret);
    f.Add(Bar{{g.X(from), y}, {g.X(to), y}, g.dot, s.ink});
    const int finger = from < static_cast<int>(box.notes.size()) ? box.notes[from].finger : 0;
    AddFingered(f, g, {(g.X(from) + g.X(to)) / 2, y}, finger);
  }
}

// The rows under the grid; gives the box's height.
double AddFoot(Figure& f, const ChordBox& box, const Grid& g) {
  double y = g.Bottom() + s.line / 2;
  if (!box.tuning.empty()) {
    for (int column = 0; column < g.strings && column < static_cast<int>(box.tuning.size());
         ++column)
      f.Add(Text{{g.X(column), y + s.tuningRow / 2 + 1},
                 s.tuningSize,
                 Align::kCentre,
                 s.ink,
                 box.tuning[column]});
    y += s.tuningRow;
  }
  if (box.capo > 0) {
    f.Add(Text{{s.width / 2, y + s.capoRow / 2 + 1},
               s.capoSize,
               Align::kCentre,
               s.ink,
               "Capo " + std::to_string(box.capo)});
    y += s.capoRow;
  }
  return y + s.bottom;
}

void Mirror(Figure& f) {
  const auto flip = [&](Point& p) { p.x = f.width - p.x; };
  for (Shape& shape : f.shapes) {
    if (auto* line = std::get_if<Line>(&shape)) flip(line->from), flip(line->to);
    if (auto* disc = std::get_if<Disc>(&shape)) flip(disc->centre);
    if (auto* bar = std::get_if<Bar>(&shape)) flip(bar->from), flip(bar->to);
    if (auto* text = std::get_if<Text>(&shape)) {
      flip(text->at);
      if (text->align != Align::kCentre)
        text->align = text->align == Align::kLeft ? Align::kRight : Align::kLeft;
    }
  }
}

}  // namespace

Figure LayOutBox(const ChordBox& box) {
  const Grid g = GridOf(box);
  Figure f{s.width, 0, {}};
  f.Add(Text{{s.width / 2, s.top + s.nameHeight / 2},
             s.nameSize,
             Align::kCentre,
             s.ink,
             box.name,
             true,
             s.width - 4});
  AddGrid(f, g);
  AddNotes(f, box, g);
  f.height = AddFoot(f, box, g);
  if (box.leftHanded) Mirror(f);
  return f;
}

}  // namespace fretwise::chordbox
