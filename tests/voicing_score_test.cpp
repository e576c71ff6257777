// The chord finder's scores: each listed voicing's score is Score() of its traits as the ranking
// documents them, recounted here from the voicing alone.
#include <gtest/gtest.h>

#include <algorithm>

#include "voicings/ranking.h"
#include "voicings/voicing_search.h"

namespace fretwise::voicings {
namespace {

// The traits the search adds to TraitsOf: chord tones left out, strings short of a full sound and
// muted strings above the bass that the hand's position could have sounded.
Traits TraitsForChord(const Voicing& v, const chords::ChordSymbol& chord, const SearchOptions& o) {
  const bool slash = chord.bass != chords::kNoBass;
  const chords::PitchClassSet bass = slash ? chords::Bit(chord.bass) : 0;
  Traits t = TraitsOf(v.frets, v.fingering, o.tuning, slash ? chord.bass : chord.root);
  chords::PitchClassSet sounding = 0;
  for (int p : Pitches(v.frets, o.tuning)) sounding |= chords::Bit(chords::PitchClass(p));
  const chords::PitchClassSet intervals = chords::Transpose(sounding & ~(bass & ~chord.Tones()), chord.root);
  t.omitted = chords::Count(chords::kQualities[chord.quality].tones & ~intervals);
  t.thin = std::max(0, std::min(4, chords::Count(chord.Tones() | bass) + 1) - (kStrings - t.silent));
  bool aboveBass = false;
  for (int s = 0; s < kStrings; ++s) {
    if (v.frets[s] != kMuted) {
      aboveBass = true;
      continue;
    }
    const int top = t.position == 0 ? 0 : std::min(kHighestFret, t.position + o.span - 1);
    bool reachable = false;
    for (int f = 0; f <= top; ++f) {
      if (f > 0 && f < t.position) continue;
      reachable = reachable || (chord.Tones() | bass) & chords::Bit(chords::PitchClass(o.tuning[s] + f));
    }
    t.fillable += aboveBass && reachable;
  }
  return t;
}

TEST(VoicingScore, EachScoreIsTheRankingsScoreOfTheVoicingsTraits) {
  const std::pair<const char*, SearchOptions> rows[] = {
      {"C", {}}, {"Am7/G", {}}, {"D9", {kDropDTuning, 5}}, {"C13", {kStandardTuning, 3}},
      {"E5", {}}, {"C/F", {}}};
  for (const auto& [symbol, options] : rows) {
    SCOPED_TRACE(symbol);
    const auto chord = chords::ParseChordSymbol(symbol);
    ASSERT_TRUE(chord);
    for (const Voicing& v : VoicingsOfChord(*chord, options)) {
      ASSERT_EQ(v.score, Score(TraitsForChord(v, *chord, options))) << testing::PrintToString(v.frets);
    }
  }
}

}  // namespace
}  // namespace fretwise::voicings
