// What the hand does for every shape of one position: the search looks each voicing up here
// instead of fingering it anew.
#pragma once

#include <vector>

#include "voicings/playability.h"
#include "voicings/ranking.h"

namespace fretwise::voicings {

// A shape gives each string a code: kShapeMuted, kShapeOpen, or kShapeFretted + k for fret
// window + k (k from 0 to span - 1). The codes of the strings are the digits of the shape's index
// in base span + 2, the highest-numbered string's the most significant.
inline constexpr int kShapeMuted = 0;
inline constexpr int kShapeOpen = 1;
inline constexpr int kShapeFretted = 2;

// What the walk reads at each voicing, kept small so that the table stays in the cache.
struct Shape {
  // Its share of the score (fingers, barres, stretch, muted and open strings) in each band of the
  // highest fret (see FretBand).
  std::array<std::int16_t, kFretBands> points{};
  std::int8_t highest = -1;  // k of the highest fretted string, -1 when none is fretted
  std::int8_t silent = 0;    // muted strings
  // Bit s (0 for the highest-numbered string): muted, and after a sounding string in string order.
  std::uint8_t mutedAboveBass = 0;
  std::uint8_t mutedBelowBass = 0;  // the same before the first sounding string
  bool playable = false;
  std::int8_t fingers = 0;  // the fingering's count and barre count
  std::int8_t barres = 0;
};

struct ShapeTable {
  std::vector<Shape> shapes;
  // The hand on each shape, read only for the voicings listed; barre frets counted from 1 for the
  // window's lowest fret.
  std::vector<Fingering> fingerings;
};

// Every shape for a number of strings and a span (kFewestSpan to kMostSpan), built once on first
// use; nothing where the table would pass kMostShapes, and the search works each shape out as it
// meets it.
inline constexpr int kMostShapes = 1 << 20;
const ShapeTable* ShapesFor(int strings, int span);

// One shape of the table, worked out from its frets with the window starting at fret 1.
Shape ShapeOf(const Frets& frets, int strings, int span, Fingering& fingering);
// The same from frets whose lowest fretted fret is `position`.
Shape ShapeAtPosition(Frets frets, int position, int strings, int span, Fingering& fingering);

}  // namespace fretwise::voicings
