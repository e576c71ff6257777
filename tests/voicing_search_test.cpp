// The chord finder's voicings: playable by the hand rule, sounding what was asked, none missing.
#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "voicings/voicing_search.h"

namespace fretwise::voicings {
namespace {

std::string Row(const Frets& frets, const Frets& shown) {
  std::string row;
  for (int s = 0; s < kStrings; ++s) {
    row += (s ? " " : "") + (frets[s] == kMuted ? std::string("x") : std::to_string(shown[s]));
  }
  return row;
}

struct Hand {
  Frets frets;
  const char* fingers;  // as the tool prints them, or nullptr when no hand plays it
  int barres;
};

TEST(Playability, FingersAndBarres) {
  const Hand rows[] = {
      {{-1, 3, 2, 0, 1, 0}, "x 3 2 0 1 0", 0},
      {{1, 3, 3, 2, 1, 1}, "1 3 4 2 1 1", 1},
      {{-1, 3, 5, 5, 5, 3}, "x 1 2 3 4 1", 1},
      {{7, 7, 5, 5, 8, 8}, "2 2 1 1 3 4", 2},     // two barres bring six strings to four fingers
      {{8, -1, 8, 8, 8, 8}, "1 x 1 1 1 1", 1},    // the hand damps string 5 under the barre
      {{3, 0, 3, 3, 3, 3}, "1 0 2 2 2 2", 1},
      {{2, 1, 2, 0, 2, 1}, nullptr, 0},           // the open string and lower frets break barres
      {{8, 10, 8, 7, 8, 10}, nullptr, 0},         // nor a lower fret
      {{-1, 3, 2, 0, 1, 4}, "x 3 2 0 1 4", 0},
      {{-1, 1, 2, 3, 4, 5}, nullptr, 0},          // five frets of stretch
      {{-1, -1, -1, -1, -1, 3}, nullptr, 0},      // one string sounds
      {{0, 0, 0, 0, 0, 0}, "0 0 0 0 0 0", 0},
  };
  for (const Hand& row : rows) {
    SCOPED_TRACE(Row(row.frets, row.frets));
    const auto fingering = Finger(row.frets, kDefaultSpan);
    ASSERT_EQ(fingering.has_value(), row.fingers != nullptr);
    if (!fingering) continue;
    EXPECT_EQ(Row(row.frets, FingerNumbers(row.frets, *fingering)), row.fingers);
    EXPECT_EQ(fingering->barreCount, row.barres);
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
    if (frets[s] > 0) lowest = std::min<int>(lowest, frets[s]), highest = std::max<int>(highest, frets[s]);
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

void ExpectTheSame(const std::vector<Voicing>& listed, const std::set<Frets>& expected,
                   int span) {
  std::set<Frets> got;
  for (const Voicing& v : listed) {
    ExpectPlayableAsFingered(v.frets, v.fingering, span);
    got.insert(v.frets);
  }
  EXPECT_EQ(got.size(), listed.size()) << "a voicing listed twice";
  EXPECT_TRUE(got == expected) << got.size() << " listed, " << expected.size() << " expected";
  EXPECT_TRUE(std::is_sorted(listed.begin(), listed.end(), [](const Voicing& a, const Voicing& b) {
    return a.score < b.score;
  }));
}

struct ChordCase {
  const char* symbol;
  Tuning tuning;
  int span;
};

TEST(VoicingSearch, ChordSymbolListsExactlyThePlayableVoicings) {
  const ChordCase rows[] = {{"C", kStandardTuning, 4},    {"Am7/G", kStandardTuning, 4},
                            {"D7", kDropDTuning, 4},      {"Bbmaj7", kStandardTuning, 3},
                            {"C/F", kStandardTuning, 5},  {"F#m7b5", {36, 45, 50, 55, 59, 64}, 4}};
  for (const ChordCase& row : rows) {
    SCOPED_TRACE(row.symbol);
    const auto chord = chords::ParseChordSymbol(row.symbol);
    ASSERT_TRUE(chord);
    const chords::ChordQuality& q = chords::kQualities[chord->quality];
    const chords::PitchClassSet bass = chord->bass < 0 ? 0 : chords::Bit(chord->bass);
    const chords::PitchClassSet tones = chord->Tones();
    const SearchOptions options{row.tuning, row.span};
    const auto expected = BruteForce(options, tones | bass, [&](const Frets& frets) {
      const std::vector<int> pitches = Pitches(frets, row.tuning);
      chords::PitchClassSet sounding = 0;
      for (int p : pitches) sounding |= chords::Bit(chords::PitchClass(p));
      const int lowest = pitches.empty() ? 0 : *std::min_element(pitches.begin(), pitches.end());
      if (bass && chords::Bit(chords::PitchClass(lowest)) != bass) return false;
      const chords::PitchClassSet added = bass & ~tones;  // a slash bass outside the chord
      return (sounding & ~(tones | bass)) == 0 &&
             chords::Sounds(q, chords::Transpose(sounding & ~added, chord->root));
    });
    EXPECT_GT(expected.size(), 10u);
    ExpectTheSame(VoicingsOfChord(*chord, options), expected, row.span);
  }
}

struct PitchCase {
  std::vector<int> midis;
  Tuning tuning;
  std::size_t atLeast;
};

TEST(VoicingSearch, ExactPitchesListExactlyThePlayableVoicings) {
  const PitchCase rows[] = {{{48, 52, 55, 60, 64}, kStandardTuning, 2},
                            {{40, 47, 52, 56, 59, 64}, kStandardTuning, 1},
                            {{38, 45, 50, 57}, kDropDTuning, 1},
                            {{36, 48, 52}, {36, 45, 50, 55, 59, 64}, 1},
                            {{60, 64, 67}, kStandardTuning, 5},
                            {{30, 48}, kStandardTuning, 0},        // below string 6
                            {{88, 60}, kStandardTuning, 0}};       // above fret 22
  for (const PitchCase& row : rows) {
    SCOPED_TRACE(testing::PrintToString(row.midis));
    chords::PitchClassSet allowed = 0;
    for (int m : row.midis) allowed |= chords::Bit(chords::PitchClass(m));
    const SearchOptions options{row.tuning, kDefaultSpan};
    const std::set<int> asked(row.midis.begin(), row.midis.end());
    const auto expected = BruteForce(options, allowed, [&](const Frets& frets) {
      const std::vector<int> pitches = Pitches(frets, row.tuning);
      return std::set<int>(pitches.begin(), pitches.end()) == asked;
    });
    EXPECT_GE(expected.size(), row.atLeast);
    ExpectTheSame(VoicingsOfPitches(row.midis, options), expected, kDefaultSpan);
  }
}

}  // namespace
}  // namespace fretwise::voicings
