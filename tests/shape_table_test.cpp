// The shape tables made when building hold what the code that fingers a shape works out now.
#include "voicings/shape_table.h"

#include <gtest/gtest.h>

#include <tuple>

namespace fretwise::voicings {

TEST(ShapeTable, TheMadeTablesHoldWhatTheCodeWorksOut) {
  const auto traits = [](const Shape& s) {
    return std::tuple(s.points, s.highest, s.silent, s.mutedAboveBass, s.mutedBelowBass,
                      s.playable, s.fingers, s.barres);
  };
  const auto hand = [](const Fingering& f) {
    std::vector<std::tuple<int, int, int>> barres;
    for (int b = 0; b < f.barreCount; ++b)
      barres.emplace_back(f.barres[b].fret, f.barres[b].fromString, f.barres[b].toString);
    return std::pair(int(f.count), barres);
  };
  // A guitar's at least; every number of strings whose table is made.
  EXPECT_EQ(MadeShapesFor(6, kDefaultSpan).shapes.size(), 46'656u);
  for (int strings = kFewestStrings; strings <= kMostStrings; ++strings) {
    const MadeShapes made = MadeShapesFor(strings, kDefaultSpan);
    ASSERT_EQ(made.shapes.size(), made.fingerings.size());
    for (std::size_t index = 0; index < made.shapes.size(); ++index) {
      Fingering fingering;
      const Frets frets = FretsOfShape(int(index), strings, kDefaultSpan);
      const Shape shape = ShapeOf(frets, strings, kDefaultSpan, fingering);
      ASSERT_EQ(traits(made.shapes[index]), traits(shape)) << strings << " strings, " << index;
      if (shape.playable) {
        ASSERT_EQ(hand(made.fingerings[index]), hand(fingering)) << strings << " strings, " << index;
      }
    }
  }
}

}  // namespace fretwise::voicings
