// Chord boxes read back from their drawing as a player reads them: strings are the upright lines,
// frets the rows between the lines across, each mark is looked for on a string's line.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "chordbox/box_layout.h"

namespace fretwise::chordbox {
namespace {

struct Reading {
  std::vector<double> strings, frets;  // x of each upright line, y of each thin line across
  bool nut = false;
  std::vector<Point> crosses, rings, dots;
  std::vector<Bar> bars;
  std::vector<Text> texts;
};

Reading Sort(const Figure& figure) {
  Reading r;
  for (const Shape& shape : figure.shapes) {
    if (const auto* l = std::get_if<Line>(&shape)) {
      if (l->round)
        r.crosses.push_back({(l->from.x + l->to.x) / 2, (l->from.y + l->to.y) / 2});
      else if (l->from.x == l->to.x)
        r.strings.push_back(l->from.x);
      else if (l->width > 2)
        r.nut = true;
      else
        r.frets.push_back(l->from.y);
    }
    if (const auto* d = std::get_if<Disc>(&shape))
      (d->ring > 0 ? r.rings : r.dots).push_back(d->centre);
    if (const auto* b = std::get_if<Bar>(&shape)) r.bars.push_back(*b);
    if (const auto* t = std::get_if<Text>(&shape)) r.texts.push_back(*t);
  }
  std::ranges::sort(r.strings);
  std::ranges::sort(r.frets);
  return r;
}

std::string TextAt(const Reading& r, Point at) {
  for (const Text& t : r.texts)
    if (std::abs(t.at.x - at.x) < 0.01 && std::abs(t.at.y - at.y) < 0.01) return t.text;
  return "-";
}

// "name | frets from the left | fingers | barres | top | under the grid", strings numbered as a
// right-handed player does (the leftmost is the highest).
std::string Read(const Figure& figure) {
  const Reading r = Sort(figure);
  const int n = static_cast<int>(r.strings.size());
  int first = 1;
  std::string name, top = r.nut ? "nut" : "no nut", under;
  for (const Text& t : r.texts) {
    if (t.text.ends_with("fr")) {
      first = std::stoi(t.text);
      const bool beside = t.at.y > r.frets[0] && t.at.y < r.frets[1] && t.at.x < r.strings[0];
      top += " " + t.text + (beside ? "" : " off its row") +
             (t.maxWidth > 0 && t.maxWidth < t.at.x ? "" : " past the left edge");
    } else if (t.at.y > r.frets.back()) {
      under += " " + t.text;
    } else if (t.at.y < r.frets.front() - 8) {
      name = t.text;
      // Clear of the marks under it (each reaching 4 units from its centre) above the grid.
      for (const std::vector<Point>* marks : {&r.crosses, &r.rings})
        for (const Point m : *marks)
          if (m.y - 4 < t.at.y + t.size / 2 || m.y > r.frets.front()) name += " (over a mark)";
    }
  }
  const auto fretAt = [&](double y) {
    for (std::size_t k = 0; k + 1 < r.frets.size(); ++k)
      if (r.frets[k] < y && y < r.frets[k + 1]) return first + static_cast<int>(k);
    return -99;
  };
  const auto on = [&](const std::vector<Point>& marks, double x) {
    return std::ranges::find_if(marks, [&](Point p) { return p.x == x; });
  };
  std::string frets, fingers, barres;
  std::size_t placed = 0;  // marks found on a string
  for (const double x : r.strings) {
    std::string fret = "-", finger = "-";
    const auto bar = std::ranges::find_if(r.bars, [&](const Bar& b) {
      return std::min(b.from.x, b.to.x) <= x && x <= std::max(b.from.x, b.to.x);
    });
    if (on(r.crosses, x) != r.crosses.end())
      fret = "x", ++placed;
    else if (on(r.rings, x) != r.rings.end())
      fret = "0", ++placed;
    else if (const auto dot = on(r.dots, x); dot != r.dots.end())
      fret = std::to_string(fretAt(dot->y)), finger = TextAt(r, *dot), ++placed;
    else if (bar != r.bars.end())
      fret = std::to_string(fretAt(bar->from.y)),
      finger = TextAt(r, {(bar->from.x + bar->to.x) / 2, bar->from.y});
    frets += " " + fret, fingers += " " + finger;
  }
  const auto number = [&](double x) {  // of the string on that line; 0 for none
    return std::to_string(n - (std::ranges::find(r.strings, x) - r.strings.begin()));
  };
  for (const Bar& b : r.bars)
    barres += " barre " + std::to_string(fretAt(b.from.y)) + " (" + number(b.from.x) + "-" +
              number(b.to.x) + ")";
  if (placed != r.crosses.size() / 2 + r.rings.size() + r.dots.size()) frets += " (off a string)";
  for (const Point dot : r.dots)
    for (const Bar& b : r.bars)
      if (dot.y == b.from.y && b.from.x <= dot.x && dot.x <= b.to.x) frets += " (a dot on a bar)";
  top += ", " + std::to_string(r.frets.size() - 1) + " frets";
  return name + " |" + frets + " |" + fingers + " |" + barres + " | " + top + " |" + under;
}

ChordBox Box(std::string name, std::vector<int> frets, std::vector<int> fingers, int first = 1) {
  ChordBox box;
  box.name = name, box.strings = static_cast<int>(frets.size()), box.firstFret = first;
  for (std::size_t i = 0; i < frets.size(); ++i) box.notes.push_back({frets[i], fingers[i]});
  box.barres = BarresOfFingers(box.notes);
  return box;
}

ChordBox With(ChordBox box, auto change) {
  change(box);
  return box;
}

TEST(ChordBox, ReadsAsTheShapeItDraws) {
  const std::pair<ChordBox, std::string> rows[] = {
      {Box("C", {-1, 3, 2, 0, 1, 0}, {0, 3, 2, 0, 1, 0}),
       "C | x 3 2 0 1 0 | - 3 2 - 1 - | | nut, 4 frets |"},
      {Box("F", {1, 3, 3, 2, 1, 1}, {1, 3, 4, 2, 1, 1}),
       "F | 1 3 3 2 1 1 | 1 3 4 2 1 1 | barre 1 (6-1) | nut, 4 frets |"},
      {Box("Am7", {5, 7, 5, 5, 5, 5}, {1, 3, 1, 1, 1, 1}, 5),
       "Am7 | 5 7 5 5 5 5 | 1 3 1 1 1 1 | barre 5 (6-1) | no nut 5fr, 4 frets |"},
      {Box("Am7", {-1, 12, 10, 12, 10, 12}, {0, 2, 1, 3, 1, 4}, 10),
       "Am7 | x 12 10 12 10 12 | - 2 1 3 1 4 | barre 10 (4-2) | no nut 10fr, 4 frets |"},
      // A partial barre, and a muted string under a barre, which the hand damps.
      {Box("A", {-1, 0, 2, 2, 2, 0}, {0, 0, 1, 1, 1, 0}),
       "A | x 0 2 2 2 0 | - - 1 1 1 - | barre 2 (4-2) | nut, 4 frets |"},
      {Box("G7b9", {3, -1, 3, 4, 3, 4}, {1, 0, 1, 2, 1, 3}, 3),
       "G7b9 | 3 x 3 4 3 4 | 1 - 1 2 1 3 | barre 3 (6-2) | no nut 3fr, 4 frets |"},
      {Box("Cadd9", {-1, 3, 2, 0, 3, 5}, {0, 2, 1, 0, 3, 4}),
       "Cadd9 | x 3 2 0 3 5 | - 2 1 - 3 4 | | nut, 5 frets |"},
      {With(Box("C", {0, 0, 0, 3}, {0, 0, 0, 3}),
            [](auto& b) {
              b.tuning = {"G", "C", "E", "A"};
            }),
       "C | 0 0 0 3 | - - - 3 | | nut, 4 frets | G C E A"},
      {With(Box("D", {-1, -1, 0, 2, 3, 2}, {0, 0, 0, 1, 3, 2}), [](auto& b) { b.capo = 2; }),
       "D | x x 0 2 3 2 | - - - 1 3 2 | | nut, 4 frets | Capo 2"},
      {Box("C/G", {-1, 3, 3, 2, 0, 1, 0}, {0, 4, 3, 2, 0, 1, 0}),
       "C/G | x 3 3 2 0 1 0 | - 4 3 2 - 1 - | | nut, 4 frets |"},
      {Box("E5", {0, 2, 4, -1, -1, -1, -1, -1}, {0, 1, 3, 0, 0, 0, 0, 0}),
       "E5 | 0 2 4 x x x x x | - 1 3 - - - - - | | nut, 4 frets |"},
      {Box("E", {0, 1, 2}, {0, 1, 2}), "E | 0 1 2 | - 1 2 | | nut, 4 frets |"},
      {With(ChordBox(), [](auto& b) { b.name = "Xyz", b.strings = 4; }),
       "Xyz | - - - - | - - - - | | nut, 4 frets |"},
  };
  for (const auto& [box, reading] : rows) EXPECT_EQ(Read(LayOutBox(box)), reading);
}

// Every shape at its mirrored place; text unmirrored, its alignment turned around.
Figure Mirrored(Figure figure) {
  const auto flip = [&](Point& p) { p.x = figure.width - p.x; };
  for (Shape& shape : figure.shapes) {
    if (auto* l = std::get_if<Line>(&shape)) flip(l->from), flip(l->to);
    if (auto* d = std::get_if<Disc>(&shape)) flip(d->centre);
    if (auto* b = std::get_if<Bar>(&shape)) flip(b->from), flip(b->to);
    if (auto* t = std::get_if<Text>(&shape)) {
      flip(t->at);
      if (t->align == Align::kLeft)
        t->align = Align::kRight;
      else if (t->align == Align::kRight)
        t->align = Align::kLeft;
    }
  }
  return figure;
}

TEST(ChordBox, LeftHandedIsTheExactMirror) {
  for (ChordBox box : {Box("Am7", {5, 7, 5, 5, 5, 5}, {1, 3, 1, 1, 1, 1}, 5),
                       With(Box("C", {0, 0, 0, 3}, {0, 0, 0, 3}), [](auto& b) {
                         b.tuning = {"G", "C", "E", "A"}, b.capo = 1;
                       })}) {
    SCOPED_TRACE(box.name);
    const Figure right = LayOutBox(box);
    box.leftHanded = true;
    const Figure left = LayOutBox(box);
    EXPECT_EQ(left.shapes, Mirrored(right).shapes);
    EXPECT_NE(left.shapes, right.shapes);
  }
}

}  // namespace
}  // namespace fretwise::chordbox
