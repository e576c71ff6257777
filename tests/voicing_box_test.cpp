// The finder's voicings as the chord boxes that draw them.
#include "voicingbox/voicing_box.h"

#include <gtest/gtest.h>

namespace fretwise::voicingbox {
namespace {

// "frets | fingers | barres | top row | tuning | capo", strings from the highest-numbered.
std::string Shown(const chordbox::ChordBox& box) {
  std::string frets, fingers, barres, tuning;
  for (const chordbox::StringNote& note : box.notes) {
    frets += note.fret == chordbox::kMuted ? " x" : " " + std::to_string(note.fret);
    fingers += " " + std::to_string(note.finger);
  }
  for (const chordbox::Barre& b : box.barres)
    barres += " " + std::to_string(b.fret) + " (" + std::to_string(b.fromString) + "-" +
              std::to_string(b.toString) + ")";
  for (const std::string& name : box.tuning) tuning += " " + name;
  return box.name + ":" + frets + " |" + fingers + " |" + barres + " | " +
         std::to_string(box.firstFret) + " |" + tuning +
         (box.capo ? " | capo " + std::to_string(box.capo) : "");
}

TEST(VoicingBox, DrawsTheVoicingsFretsFingersAndBarres) {
  const voicings::Tuning ukulele = {67, 60, 64, 69};
  const std::tuple<voicings::Frets, voicings::Tuning, std::string, int> rows[] = {
      {{-1, 3, 2, 0, 1, 0}, voicings::kStandardTuning, "C: x 3 2 0 1 0 | 0 3 2 0 1 0 | | 1 |", 0},
      {{0, 0, 0, 3}, ukulele, "C: 0 0 0 3 | 0 0 0 3 | | 1 | G C E A", 0},
      {{3, 2, 0, 0, 0, 3},
       voicings::kStandardTuning,
       "C: 3 2 0 0 0 3 | 2 1 0 0 0 3 | | 1 | | capo 5",
       5},
      {{1, 3, 3, 2, 1, 1},
       voicings::kStandardTuning,
       "C: 1 3 3 2 1 1 | 1 3 4 2 1 1 | 1 (6-1) | 1 |",
       0},
      {{-1, 5, 7, 7, 6, 5},
       voicings::kStandardTuning,
       "C: x 5 7 7 6 5 | 0 1 3 4 2 1 | 5 (5-1) | 5 |",
       0},
      {{0, 0, 0, 2, 3, 2},
       voicings::kDropDTuning,
       "C: 0 0 0 2 3 2 | 0 0 0 1 3 2 | | 1 | D A D G B E",
       0},
  };
  for (auto [frets, tuning, shown, capo] : rows) {
    for (int s = tuning.size(); s < voicings::kMostStrings; ++s) frets[s] = voicings::kMuted;
    const voicings::Voicing voicing{
        frets, *voicings::Finger(frets, tuning.size(), voicings::kDefaultSpan)};
    EXPECT_EQ(Shown(BoxOf(voicing, "C", tuning, false, capo)), shown);
  }
  EXPECT_TRUE(BoxOf({}, "C", voicings::kStandardTuning, true).leftHanded);
}

}  // namespace
}  // namespace fretwise::voicingbox
