#include "voicings/shape_table.h"

#include <algorithm>
#include <vector>

#include "voicings/ranking.h"

namespace fretwise::voicings {
namespace {

Shape ShapeOf(const Frets& frets, int span, Fingering& fingering) {
  Shape shape;
  shape.playable = FingerInto(frets, span, fingering);
  if (!shape.playable) return shape;
  Traits traits = TraitsOf(frets, fingering, kStandardTuning, -1);
  shape.silent = std::int8_t(traits.silent);
  shape.fingers = fingering.count;
  shape.barres = fingering.barreCount;
  shape.highest = std::int8_t(traits.highest - 1);
  traits.position = 0;
  traits.highest = 0;
  shape.points[0] = std::int16_t(Score(traits));
  traits.highest = kHighestFret;
  shape.points[1] = std::int16_t(Score(traits));
  bool aboveBass = false;
  for (int s = 0; s < kStrings; ++s) {
    if (frets[s] != kMuted)
      aboveBass = true;
    else if (aboveBass)
      shape.mutedAboveBass |= std::uint8_t(1u << s);
  }
  return shape;
}

ShapeTable Build(int span) {
  const int base = span + kShapeFretted;
  int count = 1;
  for (int s = 0; s < kStrings; ++s) count *= base;
  ShapeTable table{std::vector<Shape>(count), std::vector<Fingering>(count)};
  for (int index = 0; index < count; ++index) {
    Frets frets{};
    for (int s = kStrings - 1, rest = index; s >= 0; --s, rest /= base) {
      const int code = rest % base;
      // The window starts at fret 1 here; the search moves the barres up.
      frets[s] = std::int8_t(code == kShapeMuted ? kMuted : code == kShapeOpen ? 0 : code - 1);
    }
    table.shapes[index] = ShapeOf(frets, span, table.fingerings[index]);
  }
  return table;
}

template <int Span>
const ShapeTable& Table() {
  static const ShapeTable table = Build(Span);
  return table;
}

}  // namespace

const ShapeTable& ShapesFor(int span) {
  // One table per span, built the first time that span is asked for.
  using Getter = const ShapeTable& (*)();
  static constexpr Getter kTables[] = {Table<2>, Table<3>, Table<4>, Table<5>, Table<6>};
  static_assert(kFewestSpan == 2 && std::size(kTables) == kMostSpan - kFewestSpan + 1);
  return kTables[std::clamp(span, kFewestSpan, kMostSpan) - kFewestSpan]();
}

}  // namespace fretwise::voicings
