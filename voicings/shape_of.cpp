// What the hand does on one shape: the same code fills the shape table when the tool is built and
// works out, as a search meets them, the shapes of hands the built table does not hold.
#include <array>

#include "voicings/ranking.h"
#include "voicings/shape_table.h"

namespace fretwise::voicings {
namespace {

// Any pitches: the shape's traits do not depend on them.
constexpr std::array<int, kMostStrings> kAnyPitches{};

}  // namespace

Shape ShapeOf(const Frets& frets, int strings, int span, Fingering& fingering) {
  Shape shape;
  shape.playable = FingerInto(frets, strings, span, fingering);
  if (!shape.playable) return shape;
  Traits traits = TraitsOf(frets, fingering, Tuning(std::span(kAnyPitches).first(strings)), -1);
  shape.silent = std::int8_t(traits.silent);
  shape.fingers = fingering.count;
  shape.barres = fingering.barreCount;
  shape.highest = std::int8_t(traits.highest - 1);
  traits.position = 0;
  for (int band = 0; band < kFretBands; ++band) {
    traits.highest = kBandHighest[band];
    shape.points[band] = std::int16_t(Score(traits));
  }
  bool aboveBass = false;
  for (int s = 0; s < strings; ++s) {
    if (frets[s] != kMuted)
      aboveBass = true;
    else if (aboveBass)
      shape.mutedAboveBass |= std::uint8_t(1u << s);
    else
      shape.mutedBelowBass |= std::uint8_t(1u << s);
  }
  return shape;
}

Shape ShapeAtPosition(Frets frets, int position, int strings, int span, Fingering& fingering) {
  for (int s = 0; s < strings; ++s) {
    if (frets[s] > 0) frets[s] = std::int8_t(frets[s] - position + 1);
  }
  return ShapeOf(frets, strings, span, fingering);
}

Frets FretsOfShape(int index, int strings, int span) {
  Frets frets;
  frets.fill(kMuted);
  const int base = span + kShapeFretted;
  for (int s = strings - 1; s >= 0; --s, index /= base) {
    const int code = index % base;
    frets[s] = std::int8_t(code == kShapeMuted ? kMuted : code == kShapeOpen ? 0 : code - 1);
  }
  return frets;
}

}  // namespace fretwise::voicings
