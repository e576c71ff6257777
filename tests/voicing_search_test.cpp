// The chord finder's voicings: playable by the hand rule, sounding what was asked, none missing.
#include "voicings/voicing_search.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>

namespace fretwise::voicings {
namespace {

// Fingers as the tool prints them ("x 3 2 0 1 0"), then the number of barres.
std::string Fingers(const Frets& frets, int span = kDefaultSpan) {
  const auto fingering = Finger(frets, span);
  if (!fingering) return "none";
  const Frets fingers = FingerNumbers(frets, *fingering);
  std::string row;
  for (int s = 0; s < kStrings; ++s)
    row += (frets[s] == kMuted ? std::string("x") : std::to_string(fingers[s])) + " ";
  return row + "/" + std::to_string(fingering->barreCount);
}

TEST(Playability, FingersAndBarres) {
  const std::pair<Frets, const char*> rows[] = {
      {{1, 3, 3, 2, 1, 1}, "1 3 4 2 1 1 /1"},
      {{3, 0, 3, 3, 3, 3}, "1 0 2 2 2 2 /1"},
      {{7, 7, 5, 5, 8, 8}, "2 2 1 1 3 4 /2"},   // two barres bring six strings to four fingers
      {{8, -1, 8, 8, 8, 8}, "1 x 1 1 1 1 /1"},  // the hand damps string 5 under the barre
      {{2, 1, 2, 0, 2, 1}, "none"},             // the open string and lower frets break barres
      {{8, 10, 8, 7, 8, 10}, "none"},
      {{-1, 3, 2, 0, 1, 4}, "x 3 2 0 1 4 /0"},
      {{0, 0, 0, 0, 0, 0}, "0 0 0 0 0 0 /0"},
      {{-1, 1, 2, 3, 4, 5}, "none"},       // stretch of five
      {{-1, -1, -1, -1, -1, 3}, "none"}};  // one string sounds
  for (const auto& [frets, fingers] : rows) EXPECT_EQ(Fingers(frets), fingers);
  EXPECT_EQ(Fingers({-1, 1, 2, 3, 5, 0}, 5) + Fingers({-1, 1, 2, 3, 5, 0}, 4) +
                Fingers({-1, 3, 2, 0, 1, 4}, 3),
            "x 1 2 3 4 0 /0nonenone");
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
      if (f == kMuted || (allowed & chords::Bit(chords::PitchClass(options.tuning[s] + f))))
        frets[s] = f, self(self, s + 1);
    }
  };
  walk(walk, 0);
  return found;
}

// The voicings listed are the expected ones, once each, best first, and each is playable as
// fingered, checked as a player would: the span, two strings sounding, at most four fingers, and
// each finger on one fret with nothing open or lower under it.
void ExpectTheSame(const std::vector<Voicing>& listed, const std::set<Frets>& expected, int span) {
  std::set<Frets> got;
  for (const auto& [frets, fingering, score] : listed) {
    got.insert(frets);
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
    EXPECT_TRUE(sounding >= 2 && most <= 4 && (highest == 0 || highest - lowest < span)) << span;
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
    const chords::PitchClassSet bass = chord->bass < 0 ? 0 : chords::Bit(chord->bass),
                                tones = chord->Tones();
    const auto expected = BruteForce({tuning, span}, tones | bass, [&](const Frets& frets) {
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
    ExpectTheSame(VoicingsOfChord(*chord, {tuning, span}), expected, span);
  }
}

TEST(VoicingSearch, ExactPitchesListExactlyThePlayableVoicings) {
  // The pitches, the tuning, and how many voicings sound them at least.
  const std::tuple<std::vector<int>, Tuning, std::size_t> rows[] = {
      {{48, 52, 55, 60, 64}, kStandardTuning, 2},
      {{38, 45, 50, 57}, kDropDTuning, 1},
      {{36, 48, 52}, {36, 45, 50, 55, 59, 64}, 1},
      {{30, 48}, kStandardTuning, 0},
      {{88, 60}, kStandardTuning, 0}};  // out of reach
  for (const auto& [midis, tuning, atLeast] : rows) {
    SCOPED_TRACE(testing::PrintToString(midis));
    chords::PitchClassSet allowed = 0;
    for (int m : midis) allowed |= chords::Bit(chords::PitchClass(m));
    const std::set<int> asked(midis.begin(), midis.end());
    const auto expected = BruteForce({tuning, kDefaultSpan}, allowed, [&](const Frets& frets) {
      const std::vector<int> pitches = Pitches(frets, tuning);
      return std::set<int>(pitches.begin(), pitches.end()) == asked;
    });
    EXPECT_GE(expected.size(), atLeast);
    ExpectTheSame(VoicingsOfPitches(midis, {tuning, kDefaultSpan}), expected, kDefaultSpan);
  }
}

}  // namespace
}  // namespace fretwise::voicings
