// What the hand does for every shape of one position: the search looks each voicing up here
// instead of fingering it anew.
#pragma once

#include <span>

#include "voicings/playability.h"

namespace fretwise::voicings {

// A shape gives each string a code: kShapeMuted, kShapeOpen, or kShapeFretted + k for fret
// window + k (k from 0 to span - 1). The codes of strings 6 to 1 are the digits of the shape's
// index in base span + 2, string 6 the most significant.
inline constexpr int kShapeMuted = 0;
inline constexpr int kShapeOpen = 1;
inline constexpr int kShapeFretted = 2;

struct Shape {
  // Barre frets counted from 1 for the window's lowest fret.
  Fingering fingering;
  bool playable = false;
  std::int8_t stretch = 0;
  std::int8_t innerMutes = 0;
  std::int8_t silent = 0;
  std::int8_t open = 0;
  std::int8_t highest = -1;       // k of the highest fretted string, -1 when none is fretted
  std::uint8_t mutedAboveBass = 0;  // bit s (0 for string 6): muted, and above a sounding string
  // Its share of the score (fingers, barres, stretch, muted and open strings), with the highest
  // fret below 5 and at 5 or above.
  std::array<std::int16_t, 2> points{};
};

// Every shape for a span (kFewestSpan to kMostSpan), built once on first use.
std::span<const Shape> ShapesFor(int span);

}  // namespace fretwise::voicings
