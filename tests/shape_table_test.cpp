// The shape tables made when building hold what the code that fingers a shape works out now.
#include "voicings/shape_table.h"

#include <gtest/gtest.h>

#include <tuple>

#include "chords/chord_symbol.h"
#include "voicings/answer.h"

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

// The fingers and barres a chord's answers read from the made tables are those the rules give each
// voicing: up the neck, at a capo, and for a lone note beside open strings (its fret's finger).
TEST(ShapeTable, AnswersFingeredFromTheTablesAreFingeredAsByTheRules) {
  struct Case {
    const char* chord;
    Tuning tuning;
    int capo;
  };
  const Case cases[] = {{"C13", kStandardTuning, 0},
                        {"Am7", kStandardTuning, 3},
                        {"E", kStandardTuning, 0},
                        {"C", ParseTuning("ukulele")->tuning, 0},
                        {"D7", kDropDTuning, 0}};
  for (const Case& c : cases) {
    const SearchOptions options{.tuning = c.tuning, .capo = c.capo};
    const std::vector<Voicing> voicings =
        VoicingsOfChord(*chords::ParseChordSymbol(c.chord), options);
    const std::vector<Answer> answers = AnswersOfChord(*chords::ParseChordSymbol(c.chord), options);
    ASSERT_EQ(answers.size(), voicings.size()) << c.chord;
    for (std::size_t i = 0; i < voicings.size(); ++i) {
      const Answer one = AnswerOf(voicings[i], options);
      ASSERT_EQ(answers[i].frets, one.frets) << c.chord << " " << i;
      EXPECT_EQ(answers[i].fingers, one.fingers) << c.chord << " " << i;
      ASSERT_EQ(answers[i].barres.size(), one.barres.size()) << c.chord << " " << i;
      for (std::size_t b = 0; b < one.barres.size(); ++b) {
        EXPECT_EQ(std::tuple(answers[i].barres[b].fret, answers[i].barres[b].fromString,
                             answers[i].barres[b].toString),
                  std::tuple(one.barres[b].fret, one.barres[b].fromString, one.barres[b].toString))
            << c.chord << " " << i;
      }
    }
  }
}

}  // namespace fretwise::voicings
