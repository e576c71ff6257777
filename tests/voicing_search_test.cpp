// The chord finder's voicings: playable by the hand rule, sounding what was asked, none missing.
#include "voicings/voicing_search.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <set>
#include <sstream>

#include "pitch/pitch.h"
#include "playback/note_sets.h"
#include "voicings/answer.h"

namespace fretwise::voicings {

using namespace chords;

// Playable or not, and the fingers as players are taught them.
TEST(Playability, FingersAndBarresAsTaught) {
  // Fingers as the tool prints them ("x 3 2 0 1 0"), then the number of barres shown.
  const auto Fingers = [](const Frets& frets, int span = kDefaultSpan) -> std::string {
    const auto fingering = Finger(frets, 6, span);
    if (!fingering) return "none";
    const Fingering taught = TaughtFingering(frets, 6, *fingering);
    const Frets fingers = FingerNumbers(frets, 6, taught);
    std::string row;
    for (int s = 0; s < 6; ++s)
      row += (frets[s] == kMuted ? std::string("x") : std::to_string(fingers[s])) + " ";
    return row + "/" + std::to_string(taught.barreCount);
  };
  const std::pair<Frets, const char*> rows[] = {
      {{-1, 3, 2, 0, 1, 0}, "x 3 2 0 1 0 /0"},  // the open shapes
      {{3, 2, 0, 0, 0, 3}, "2 1 0 0 0 3 /0"},
      {{-1, -1, 0, 2, 3, 2}, "x x 0 1 3 2 /0"},
      {{-1, 0, 2, 2, 2, 0}, "x 0 1 2 3 0 /0"},
      {{0, 2, 2, 0, 0, 0}, "0 1 2 0 0 0 /0"},
      {{1, 3, 3, 2, 1, 1}, "1 3 4 2 1 1 /1"},  // one finger per fret up from the barre
      {{5, 7, 5, 5, 5, 5}, "1 3 1 1 1 1 /1"},
      {{-1, 3, 5, 5, -1, -1}, "x 1 3 4 x x /0"},
      {{-1, 5, 7, 7, 7, 5}, "x 1 3 3 3 1 /2"},  // the ring finger's partial barre
      {{-1, 2, 4, 4, 3, 2}, "x 1 3 4 2 1 /1"},
      {{-1, -1, 3, 2, 1, 1}, "x x 3 2 1 1 /1"},  // the index finger's partial barre
      {{-1, -1, 0, 2, 1, 1}, "x x 0 2 1 1 /1"},
      {{-1, 0, 2, 2, 2, 2}, "x 0 1 1 1 1 /1"},  // four strings on one fret: the index lies flat
      {{3, 0, 3, 3, 3, 3}, "2 0 1 1 1 1 /1"},
      {{3, 2, 3, 0, 3, 3}, "2 1 3 0 4 4 /1"},  // fingers side by side never cross on one fret
      {{-1, 5, 4, 5, 5, 5}, "x 2 1 3 3 3 /1"},
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

// Voicings of a chord symbol (or exact pitches) against every fret combination that sounds them:
// the same ones, once each, best first, each playable as fingered, checked as a player would: the
// span, two strings, four fingers, each on one fret with nothing open or lower under it. On six
// strings and on four (a ukulele, whose string 4 sounds above string 3), seven and three, with a
// capo and on a short neck.
TEST(VoicingSearch, ListsExactlyThePlayableVoicings) {
  const Tuning ukulele = {67, 60, 64, 69}, seven = {35, 40, 45, 50, 55, 59, 64};
  const std::tuple<const char*, std::vector<int>, SearchOptions, std::size_t> rows[] = {
      {"Am7/G", {}, {kStandardTuning, 4}, 11},
      {"D7", {}, {kDropDTuning, 4}, 11},
      {"Bbmaj7", {}, {kStandardTuning, 3}, 11},
      {"C/F", {}, {kStandardTuning, 5}, 11},
      {"F#m7b5", {}, {{36, 45, 50, 55, 59, 64}, 4}, 11},
      {"C", {}, {ukulele, 4, 15}, 11},
      {"G7", {}, {ukulele, 3, 15, 2}, 11},
      {"Bm", {}, {seven, 3}, 11},
      {"Bb7", {}, {{55, 62, 69}, 5, 17}, 1},
      {"", {48, 52, 55, 60, 64}, {kStandardTuning}, 2},
      {"", {38, 45, 50, 57}, {kDropDTuning}, 1},
      {"", {60, 64, 67, 72}, {ukulele, 4, 15}, 1},
      {"", {36, 48, 52}, {{36, 45, 50, 55, 59, 64}}, 1},
      {"", {30, 48}, {kStandardTuning}, 0},
      {"", {88, 60}, {kStandardTuning}, 0}};  // out of reach
  for (const auto& [text, midis, options, atLeast] : rows) {
    SCOPED_TRACE(text + testing::PrintToString(midis));
    const auto chord = ParseChordSymbol(*text ? text : "C");
    ASSERT_TRUE(chord);
    const PitchClassSet bass = chord->bass < 0 ? 0 : Bit(chord->bass), tones = chord->Tones();
    PitchClassSet allowed = midis.empty() ? tones | bass : 0;
    for (int m : midis) allowed |= Bit(PitchClass(m));
    const std::set<int> asked(midis.begin(), midis.end());
    const int strings = options.tuning.size(), capo = options.capo;
    const auto matches = [&](const Frets& frets) {
      std::vector<int> pitches = Pitches(frets, options.tuning);
      for (int& p : pitches) p += capo;
      if (!midis.empty()) return std::set<int>(pitches.begin(), pitches.end()) == asked;
      PitchClassSet sounding = 0;
      for (int p : pitches) sounding |= Bit(PitchClass(p));
      const int lowest = pitches.empty() ? 0 : *std::min_element(pitches.begin(), pitches.end());
      if (bass && Bit(PitchClass(lowest)) != bass) return false;
      const PitchClassSet added = bass & ~tones;  // a slash bass outside the chord
      return (sounding & ~(tones | bass)) == 0 &&
             Sounds(kQualities[chord->quality], Transpose(sounding & ~added, chord->root));
    };
    std::set<Frets> expected, got;
    Frets frets;
    frets.fill(kMuted);
    auto walk = [&](auto&& self, int s) -> void {
      if (s == strings && matches(frets) && Finger(frets, strings, options.span))
        expected.insert(frets);
      for (int f = kMuted; s < strings && f <= options.frets - capo; ++f)
        if (f == kMuted || (allowed & Bit(PitchClass(options.tuning[s] + capo + f))))
          frets[s] = std::int8_t(f), self(self, s + 1);
      if (s < strings) frets[s] = kMuted;
    };
    walk(walk, 0);
    EXPECT_GE(expected.size(), atLeast);
    const std::vector<Voicing> listed =
        midis.empty() ? VoicingsOfChord(*chord, options) : VoicingsOfPitches(midis, options);
    for (const auto& [frets, fingering, score, shape, shapeFrom] : listed) {
      got.insert(frets);
      const Frets fingers = FingerNumbers(frets, strings, fingering);
      int lowest = kMostFrets + 1, highest = 0;
      for (int s = 0; s < strings; ++s) {
        if (frets[s] > 0)
          lowest = std::min<int>(lowest, frets[s]), highest = std::max<int>(highest, frets[s]);
        ASSERT_EQ(fingers[s] > 0, frets[s] > 0);
        for (int t = s + 1; t < strings && frets[s] > 0; ++t)  // t shares the finger of s
          for (int u = s + 1; u <= t && fingers[t] == fingers[s]; ++u)
            ASSERT_TRUE(u == t ? frets[t] == frets[s] : frets[u] == kMuted || frets[u] >= frets[s]);
      }
      EXPECT_TRUE(std::ranges::count(frets, kMuted) - (kMostStrings - strings) <= strings - 2 &&
                  std::ranges::max(fingers) <= 4 &&
                  (highest == 0 || highest - lowest < options.span));
    }
    EXPECT_EQ(got.size(), listed.size()) << "a voicing listed twice";
    EXPECT_TRUE(got == expected) << got.size() << " listed, " << expected.size() << " expected";
    // Equal scores in the walk's order: the first string's fret first, muted before open before
    // fretted.
    EXPECT_TRUE(std::ranges::is_sorted(
        listed, {}, [](const Voicing& v) { return std::pair(v.score, v.frets); }));
  }
}

// What the finder hands a caller, read as the tool prints it: frets, fingers, barres at a fret over
// strings from-to, every name, then the sounding pitches string by string.
TEST(Answers, EachVoicingComplete) {
  const auto Shown = [](const Answer& a) {
    std::string text;
    for (int fret : a.frets) text += (fret == kMuted ? "x" : std::to_string(fret)) + " ";
    for (int finger : a.fingers) text += std::to_string(finger);
    for (const Barre& b : a.barres)
      text += " " + std::to_string(b.fret) + "(" + std::to_string(b.fromString) + "-" +
              std::to_string(b.toString) + ")";
    for (const ChordSymbol& name : a.names) text += " " + SymbolText(name);
    if (a.shape) text += " (" + SymbolText(*a.shape) + " shape)";
    for (int midi : a.pitches) text += " " + PitchName(midi);
    return text;
  };
  const std::vector<int> c6 = {48, 52, 55, 57}, outOfReach = {30, 48};
  const std::tuple<const char*, std::vector<Answer>, std::size_t, std::string> rows[] = {
      {"Am7, open first", AnswersOfChord(*ParseChordSymbol("Am7"), {}, 1), 1,
       "x 0 2 0 1 0 002010 Am7 C6/A C/A Fmaj9/A A2 E3 G3 C4 E4"},
      {"F, the full barre first", AnswersOfChord(*ParseChordSymbol("F"), {}, 1), 1,
       "1 3 3 2 1 1 134211 1(6-1) F F2 C3 F3 A3 C4 F4"},
      {"Am on a ukulele, no bass", AnswersOfChord(*ParseChordSymbol("Am"), {{67, 60, 64, 69}}, 1),
       1, "2 0 0 0 2000 Am C6 A4 C4 E4 A4"},
      {"E, the open shape first", AnswersOfChord(*ParseChordSymbol("E"), {}, 1), 1,
       "0 2 2 1 0 0 023100 E E2 B2 E3 G#3 B3 E4"},
      {"Am7, two barres", AnswersOfChord(*ParseChordSymbol("Am7"), {}, 19), 19,
       "5 3 5 5 5 3 413331 3(5-1) 5(4-2) Am7 C6/A C/A Fmaj9/A A2 C3 G3 C4 E4 G4"},
      {"C6", AnswersOfPitches(c6, {}), 1, "8 7 7 0 x x 211000 7(5-4) C6 Am7/C Fmaj9/C C3 E3 A3 G3"},
      {"C from fret 7", AnswersOfChord(*ParseChordSymbol("C"), {.position = 7}, 1), 1,
       "8 10 10 9 8 8 134211 8(6-1) C C3 G3 C4 E4 G4 C5"},
      {"A at capo 2, a G shape", AnswersOfChord(*ParseChordSymbol("A"), {.capo = 2}, 2), 2,
       "3 2 0 0 3 3 210034 A (G shape) A2 C#3 E3 A3 E4 A4"},
      {"out of reach", AnswersOfPitches(outOfReach, {}, 3), 0, ""}};
  for (const auto& [query, answers, count, last] : rows) {
    SCOPED_TRACE(query);
    EXPECT_EQ(answers.size(), count);
    EXPECT_EQ(answers.empty() ? "" : Shown(answers.back()), last);
  }
}

// The answers one at a time are the list's, in order, even when the reader searches meanwhile (the
// tool writes each as it comes).
TEST(Answers, OneAtATimeAsListed) {
  const auto Frets = [](const Answer& a) {
    std::string text = std::to_string(a.score);
    for (int fret : a.frets) text += " " + std::to_string(fret);
    for (int finger : a.fingers) text += std::to_string(finger);
    for (const ChordSymbol& name : a.names) text += " " + SymbolText(name);
    return text;
  };
  const ChordSymbol c9 = *ParseChordSymbol("C9");
  const std::vector<int> gm7 = {43, 50, 53, 58};
  const std::pair<SearchOptions, std::optional<int>> rows[] = {
      {{}, std::nullopt}, {{.position = 5}, std::nullopt}, {{.capo = 2}, 40},
      {{{67, 60, 64, 69}, kDefaultSpan, 15}, std::nullopt}, {{}, 0}};
  for (const auto& [options, max] : rows) {
    for (const bool chord : {true, false}) {
      const auto listed =
          chord ? AnswersOfChord(c9, options, max) : AnswersOfPitches(gm7, options, max);
      std::vector<std::string> each;
      const EachAnswer read = [&](const Answer& a) {
        if (each.size() == 1) {
          EXPECT_FALSE(VoicingsOfChord(*ParseChordSymbol("G7"), {}).empty());
        }
        each.push_back(Frets(a));
      };
      chord ? EachAnswerOfChord(c9, options, max, read)
            : EachAnswerOfPitches(gm7, options, max, read);
      ASSERT_EQ(each.size(), listed.size()) << chord;
      for (std::size_t i = 0; i < listed.size(); ++i) EXPECT_EQ(each[i], Frets(listed[i])) << i;
    }
  }
}

// The open chords players learn first come first where they know them: a fault here is a result a
// player calls wrong whatever the figures say.
TEST(Ranking, TheOpenChordsPlayersLearnFirst) {
  const Tuning ukulele = {67, 60, 64, 69};
  const std::tuple<Tuning, int, const char*> instruments[] = {
      {kStandardTuning, kDefaultFrets,
       "C x32010, A x02220, G 320003, E 022100, D xx0232, Am x02210, Em 022000, Dm xx0231, "
       "C7 x32310, G7 320001, D7 xx0212, A7 x02020, E7 020100, B7 x21202, Am7 x02010, "
       "Em7 020000, Dm7 xx0211, Cmaj7 x32000, Amaj7 x02120, Dmaj7 xx0222, Emaj7 021100, "
       "F 133211, Bm x24432, Bb x13331, Fm 133111, F#m 244222, Dsus4 xx0233, Asus2 x02200, "
       "Fmaj7 xx3210, C9 x32333, Cm x35543, Gm 355333, F#m7 242222, Cadd9 x32030, A9 x02423, "
       "C6 x32210, Asus4 x02230, Esus4 022200, Csus4 x33011, Bm7 x20202, E9 020102, D9 x54555, "
       "Bb7 x13131, Cm7 x35343, Gm7 353333, A6 x02222, C#m x46654, D11 xx0010"},
      {ukulele, 15,
       "C 0003, G 0232, F 2010, Am 2000, Dm 2210, G7 0212, A 2100, D 2220, E7 1202, Em 0432, "
       "C7 0001, A7 0100, Am7 0000, Cmaj7 0002, Bb 3211, Gm 0231, Bm 4222, D7 2223, B7 2322"}};
  for (const auto& [tuning, frets, table] : instruments) {
    std::istringstream rows(table);
    for (std::string symbol, first; rows >> symbol >> first;) {
      if (first.back() == ',') first.pop_back();
      SCOPED_TRACE(symbol);
      const auto list = VoicingsOfChord(*ParseChordSymbol(symbol), {tuning, kDefaultSpan, frets});
      ASSERT_FALSE(list.empty());
      std::string shown;
      for (int s = 0; s < tuning.size(); ++s)
        shown += list.front().frets[s] == kMuted ? 'x' : char('0' + list.front().frets[s]);
      EXPECT_EQ(shown, first);
    }
  }
}

// Tunings as the tool's --tuning reads them, the highest-numbered string first, and the neck's
// frets; the presets have an instrument to be heard on.
TEST(Tuning, PresetsAndPitches) {
  const std::pair<const char*, const char*> rows[] = {
      {"standard", "E2 A2 D3 G3 B3 E4 /22"},
      {"drop-d", "D2 A2 D3 G3 B3 E4 /22"},
      {"ukulele", "G4 C4 E4 A4 /15"},
      {"bass5", "B0 E1 A1 D2 G2 /20"},
      {"C2,A2, D3 G3  Bb3 e4", "C2 A2 D3 G3 A#3 E4 /22"},
      {"G4 C4 E4 A4", "G4 C4 E4 A4 /22"},
      {"D3 A3 D4", "D3 A3 D4 /22"},
      {"F#1 B1 E2 A2 D3 G3 B3 E4", "F#1 B1 E2 A2 D3 G3 B3 E4 /22"},
      {"E2 A2", "none"},
      {"C1 F#1 B1 E2 A2 D3 G3 B3 E4", "none"},
      {"E2 A2 D3 G3 B3 E9", "none"},
      {"E2 A2 D3 G3 B3 Ex", "none"},
      {"Standard", "none"}};
  for (const auto& [text, expected] : rows) {
    const auto preset = ParseTuning(text);
    std::string shown = preset ? "" : "none";
    for (int s = 0; preset && s < preset->tuning.size(); ++s)
      shown += (s ? " " : "") + PitchName(preset->tuning[s]);
    if (preset) shown += " /" + std::to_string(preset->frets);
    EXPECT_EQ(shown, expected) << text;
  }
  for (const Preset& preset : kPresets)
    EXPECT_TRUE(playback::InstrumentOfPreset(preset.name)) << preset.name;
}

}  // namespace fretwise::voicings
