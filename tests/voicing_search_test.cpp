// The chord finder's voicings: playable by the hand rule, sounding what was asked, none missing.
#include "voicings/voicing_search.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>

namespace fretwise::voicings {
namespace {

std::string Row(const Frets& frets, const Frets& shown) {
  std::string row;
  for (int s = 0; s < kStrings; ++s) {
    row += (s ? " " : "") + (frets[s] == kMuted ? std::string("x") : std::to_string(shown[s]));
  }
  return row;
}

TEST(Playability, FingersAndBarres) {
  const std::tuple<Frets, const char*, int> rows[] = {
      // fingers as the tool prints, barres
      {{-1, 3, 2, 0, 1, 0}, "x 3 2 0 1 0", 0},
      {{1, 3, 3, 2, 1, 1}, "1 3 4 2 1 1", 1},
      {{-1, 3, 5, 5, 5, 3}, "x 1 2 3 4 1", 1},
      {{7, 7, 5, 5, 8, 8}, "2 2 1 1 3 4", 2},   // two barres bring six strings to four fingers
      {{8, -1, 8, 8, 8, 8}, "1 x 1 1 1 1", 1},  // the hand damps string 5 under the barre
      {{3, 0, 3, 3, 3, 3}, "1 0 2 2 2 2", 1},
      {{2, 1, 2, 0, 2, 1}, "none", 0},    // the open string and lower frets break barres
      {{8, 10, 8, 7, 8, 10}, "none", 0},  // nor a lower fret
      {{-1, 3, 2, 0, 1, 4}, "x 3 2 0 1 4", 0},
      {{-1, 1, 2, 3, 4, 5}, "none", 0},      // five frets of stretch
      {{-1, -1, -1, -1, -1, 3}, "none", 0},  // one string sounds
      {{0, 0, 0, 0, 0, 0}, "0 0 0 0 0 0", 0},
  };
  for (const auto& [frets, fingers, barres] : rows) {
    const auto fingering = Finger(frets, kDefaultSpan);
    SCOPED_TRACE(Row(frets, frets));
    EXPECT_EQ(fingering ? Row(frets, FingerNumbers(frets, *fingering)) : "none", fingers);
    EXPECT_EQ(fingering ? fingering->barreCount : 0, barres);
  }
  EXPECT_TRUE(Finger({-1, 1, 2, 3, 5, 0}, 5));
  EXPECT_FALSE(Finger({-1, 1, 2, 3, 5, 0}, 4));
  EXPECT_FALSE(Finger({-1, 3, 2, 0, 1, 4}, 3));
}

// The rule, checked on a fingering as a player would: the span, two strings sounding, at most four
// fingers, and each finger on one fret with nothing open or lower under it.
void ExpectPlayableAsFingered(const Frets& frets, const Fingering& fingering, int span) {
  const Frets fingers = FingerNumbers(frets, fingering);
  int lowest = kHighestFret + 1, highest = 0, sounding = 0, most = 0;
  for (int s = 0; s < kStrings; ++s) {
    sounding += frets[s] != kMuted;
    if (frets[s] > 0)
      lowest = std::min<int>(lowest, frets[s]), highest = std::max<int>(highest, frets[s]);
    ASSERT_EQ(fingers[s] > 0, frets[s] > 0);
    most = std::max<int>(most, fingers[s]);
    for (int t = s + 1; t < kStrings && frets[s] > 0; ++t) {
      if (fingers[t] != fingers[s]) continue;
      ASSERT_EQ(frets[t], frets[s]);
      for (int u = s + 1; u < t; ++u) ASSERT_TRUE(frets[u] == kMuted || frets[u] >= frets[s]);
    }
  }
  EXPECT_GE(sounding, 2);
  EXPECT_LE(most, 4);
  if (highest > 0) {
    EXPECT_LT(highest - lowest, span);
  }
}

// Every combination of frets that sounds only the allowed pitch classes, checked one by one.
template <class Matches>
std::set<Frets> BruteForce(const SearchOptions& options, chords::PitchClassSet allowed,
                           Matches matches) {
  std::set<Frets> found;
  Frets frets{};
  auto walk = [&](auto&& self, int s) -> void {
    if (s == kStrings) {
      if (matches(frets) && Finger(frets, options.span)) found.insert(frets);
      return;
    }
    for (int f = kMuted; f <= kHighestFret; ++f) {
      if (f != kMuted && !(allowed & chords::Bit(chords::PitchClass(options.tuning[s] + f)))) {
        continue;
      }
      frets[s] = f;
      self(self, s + 1);
    }
  };
  walk(walk, 0);
  return found;
}

void ExpectTheSame(const std::vector<Voicing>& listed, const std::set<Frets>& expected, int span) {
  std::set<Frets> got;
  for (const Voicing& v : listed) {
    ExpectPlayableAsFingered(v.frets, v.fingering, span);
    got.insert(v.frets);
  }
  EXPECT_EQ(got.size(), listed.size()) << "a voicing listed twice";
  EXPECT_TRUE(got == expected) << got.size() << " listed, " << expected.size() << " expected";
  EXPECT_TRUE(std::is_sorted(listed.begin(), listed.end(),
                             [](const Voicing& a, const Voicing& b) { return a.score < b.score; }));
}

TEST(VoicingSearch, ChordSymbolListsExactlyThePlayableVoicings) {
  const std::tuple<const char*, Tuning, int> rows[] = {{"Am7/G", kStandardTuning, 4},
                                                       {"D7", kDropDTuning, 4},
                                                       {"Bbmaj7", kStandardTuning, 3},
                                                       {"C/F", kStandardTuning, 5},
                                                       {"F#m7b5", {36, 45, 50, 55, 59, 64}, 4}};
  for (const auto& [text, tuning, span] : rows) {
    SCOPED_TRACE(text);
    const auto chord = chords::ParseChordSymbol(text);
    ASSERT_TRUE(chord);
    const chords::ChordQuality& q = chords::kQualities[chord->quality];
    const chords::PitchClassSet bass = chord->bass < 0 ? 0 : chords::Bit(chord->bass);
    const chords::PitchClassSet tones = chord->Tones();
    const SearchOptions options{tuning, span};
    const auto expected = BruteForce(options, tones | bass, [&](const Frets& frets) {
      const std::vector<int> pitches = Pitches(frets, tuning);
      chords::PitchClassSet sounding = 0;
      for (int p : pitches) sounding |= chords::Bit(chords::PitchClass(p));
      const int lowest = pitches.empty() ? 0 : *std::min_element(pitches.begin(), pitches.end());
      if (bass && chords::Bit(chords::PitchClass(lowest)) != bass) return false;
      const chords::PitchClassSet added = bass & ~tones;  // a slash bass outside the chord
      return (sounding & ~(tones | bass)) == 0 &&
             chords::Sounds(q, chords::Transpose(sounding & ~added, chord->root));
    });
    EXPECT_GT(expected.size(), 10u);
    ExpectTheSame(VoicingsOfChord(*chord, options), expected, span);
  }
}

TEST(VoicingSearch, ExactPitchesListExactlyThePlayableVoicings) {
  // The pitches, the tuning, and how many voicings sound them at least.
  const std::tuple<std::vector<int>, Tuning, std::size_t> rows[] = {
      {{48, 52, 55, 60, 64}, kStandardTuning, 2},
      {{38, 45, 50, 57}, kDropDTuning, 1},
      {{36, 48, 52}, {36, 45, 50, 55, 59, 64}, 1},
      {{30, 48}, kStandardTuning, 0},   // below string 6
      {{88, 60}, kStandardTuning, 0}};  // above fret 22
  for (const auto& [midis, tuning, atLeast] : rows) {
    SCOPED_TRACE(testing::PrintToString(midis));
    chords::PitchClassSet allowed = 0;
    for (int m : midis) allowed |= chords::Bit(chords::PitchClass(m));
    const SearchOptions options{tuning, kDefaultSpan};
    const std::set<int> asked(midis.begin(), midis.end());
    const auto expected = BruteForce(options, allowed, [&](const Frets& frets) {
      const std::vector<int> pitches = Pitches(frets, tuning);
      return std::set<int>(pitches.begin(), pitches.end()) == asked;
    });
    EXPECT_GE(expected.size(), atLeast);
    ExpectTheSame(VoicingsOfPitches(midis, options), expected, kDefaultSpan);
  }
}

}  // namespace
}  // namespace fretwise::voicings
