#include "voicings/shape_table.h"

#include <array>
#include <mutex>
#include <vector>

#include "voicings/ranking.h"

namespace fretwise::voicings {
namespace {

ShapeTable Build(int strings, int span) {
  const int base = span + kShapeFretted;
  int count = 1;
  for (int s = 0; s < strings; ++s) count *= base;
  ShapeTable table{std::vector<Shape>(count), std::vector<Fingering>(count)};
  Frets frets;
  frets.fill(kMuted);
  for (int index = 0; index < count; ++index) {
    for (int s = strings - 1, rest = index; s >= 0; --s, rest /= base) {
      const int code = rest % base;
      // The window starts at fret 1 here; the search moves the barres up.
      frets[s] = std::int8_t(code == kShapeMuted ? kMuted : code == kShapeOpen ? 0 : code - 1);
    }
    table.shapes[index] = ShapeOf(frets, strings, span, table.fingerings[index]);
  }
  return table;
}

constexpr int Shapes(int strings, int span) {
  int count = 1;
  for (int s = 0; s < strings; ++s) count *= span + kShapeFretted;
  return count;
}

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

const ShapeTable* ShapesFor(int strings, int span) {
  if (strings < kFewestStrings || strings > kMostStrings || span < kFewestSpan ||
      span > kMostSpan || Shapes(strings, span) > kMostShapes)
    return nullptr;
  constexpr int kSpans = kMostSpan - kFewestSpan + 1;
  constexpr int kTables = (kMostStrings - kFewestStrings + 1) * kSpans;
  static std::array<std::once_flag, kTables> built;
  static std::array<ShapeTable, kTables> tables;
  const int at = (strings - kFewestStrings) * kSpans + span - kFewestSpan;
  std::call_once(built[at], [&] { tables[at] = Build(strings, span); });
  return &tables[at];
}

}  // namespace fretwise::voicings
