// Chord symbols as players write them, and the names the finder gives a set of pitches.
#include <gtest/gtest.h>

#include <iterator>
#include <sstream>

#include "chords/chord_namer.h"
#include "chords/spelling.h"

namespace fretwise::chords {

TEST(ChordSymbol, QualitiesSynonymsAndSlashesSoundTheirTonesAndJunkNone) {
  // Ways of writing one chord, then the tones they sound, spelled from the root: a raised fifth
  // as a sharp, a lowered one as a flat; "-" for what is no chord.
  std::istringstream rows(
      "C: C E G; Cm Cmin C-: C Eb G; Cdim C\u00B0: C Eb Gb; Cdim7: C Eb Gb A; Caug C+: C E G#; "
      "C5: C G; Cm7 C-7: C Eb G Bb; Cmaj7 CM7 C\u0394: C E G B; Cm7b5 C\u00F8: C Eb Gb Bb; "
      "C7#5 Caug7: C E G# Bb; Csus4 Csus: C F G; C7b9: C Db E G Bb; C7#9: C Eb E G Bb; "
      "C9#5 Caug9: C D E G# Bb; C9#11: C D E Gb G Bb; C13: C D E G A Bb; C7b13: C E G Ab Bb; "
      "C7#5#9 C7#9#5: C Eb E G# Bb; C6/9 C69: C D E G A; Bb7: Bb D F Ab; "
      "F\u266F: F# A# C#; E\u266Dm: Eb Gb Bb; H c Cx C/ C/H Cm7/Gb5 C#m77 /E C## Cdim9 6/9: -");
  for (std::string row; std::getline(rows >> std::ws, row, ';');) {
    std::istringstream texts(row.substr(0, row.find(": ")));
    for (std::string text; texts >> text;) {
      const auto symbol = ParseChordSymbol(text);
      std::string tones = symbol ? "" : " -";  // the pitch classes as names from the root
      for (int step = 0; symbol && step < 12; ++step)
        if (const int pc = (symbol->root + step) % 12; symbol->Tones() & Bit(pc))
          tones += " " + NoteAbove(symbol->rootName, pc, RaisesFifth(kQualities[symbol->quality]));
      EXPECT_EQ(tones.erase(0, 1), row.substr(row.find(": ") + 2)) << text;
    }
  }
  for (const char* junk : {"", "C maj7", "Cmaj7 "}) EXPECT_FALSE(ParseChordSymbol(junk)) << junk;
  EXPECT_EQ(ParseChordSymbol("Am7/G")->bass, 7);
  EXPECT_EQ(SymbolText(*ParseChordSymbol("Am7/G")) + SymbolText(*ParseChordSymbol("C69/E")),
            "Am7/GC6/9/E");
}

TEST(ChordNamer, BestNameFirstAsAPlayerWritesIt) {
  // The pitches, then the leading names as a player writes them, spelling included; none for a
  // single note or a semitone.
  std::istringstream rows(
      "C3 E3 G3: C; E3 G3 C4: C/E; C3 E3 G3 A3: C6 Am7/C; A2 E3 G3 C4 E4: Am7 C6/A C/A; "
      "A#2 D3 F3: Bb; C#3 E3 G#3: C#m; G#2 B2 D#3: G#m; A#2 C#3 F3: Bbm; C3 G#3 C4 D#4: Ab/C; "
      "B2 D3 F3 G#3: Bdim7; C#3 E3 G3 A#3: C#dim7; F#3 A3 C4: F#dim; D#3 F#3 A3 C#4: D#m7b5; "
      "C3 E3 G3 B3: Cmaj7; C3 E3 A3: C6; C3 E3 G3 A3 D4: C6/9; E3 B3 D4 G#4: E7; "
      // A 9#11 needs its ninth; an eleventh without its third is a suspended chord; a thirteenth
      // with a major third and a natural eleventh is not a plain 13.
      "C3 E3 G3 A#3 F#4: C7#11; C3 E3 A#3 D4 F#4 A4: C13#11; C3 A#3 D4 F4: C9sus4; "
      "C3 E3 F3 A#3 A4: Fmaj11/C; C3 E3 G#3 A#3 D#4: C7#5#9; C3 D#3 F#3 A#3 D4: Cm9b5; "
      "C3 E3 G3 A#3 C#4: C7b9; C3 E3 G3 G#3 A#3: C7b13; C3 E3 G#3 A#3 C#4: C7#5b9; "
      // A slash keeps every upper tone; a bass is never B#, Cb, E# or Fb.
      "C3 D3 F#3 A3: D7/C D/C; C3 E3 G#3 D4: E7#5/C; E3 G#3 C4 D#4: Emaj7#5 Ab/E; "
      "C3: ; C3 C#3: ");
  for (std::string row; std::getline(rows >> std::ws, row, ';');) {
    std::istringstream pitches(row.substr(0, row.find(':')));
    std::vector<int> midis;
    for (std::string pitch; pitches >> pitch;) midis.push_back(*ParsePitch(pitch));
    std::string names, first = row.substr(row.find(':') + 1);
    for (const std::string& name : NameChord(midis)) names += " " + name;
    EXPECT_TRUE(first == " " ? names.empty() : (names + " ").starts_with(first + " "))
        << row << " gives" << names;
  }
}

// Every name of every set of two to five pitch classes over each bass reads back as a symbol whose
// chord those pitches sound.
TEST(ChordNamer, EveryNameReadsBackAsAChordThePitchesSound) {
  int names = 0;
  for (unsigned set = 1; set < (1u << 12); set += 2) {  // with C
    if (Count(PitchClassSet(set)) < 2 || Count(PitchClassSet(set)) > 5) continue;
    std::vector<int> midis;  // the bass C3, the rest above it
    for (int pc = 0; pc < 12; ++pc)
      if (set & (1u << pc)) midis.push_back(48 + pc + (pc == 0 ? 0 : 12));
    for (const std::string& text : NameChord(midis)) {
      SCOPED_TRACE(text + " " + std::to_string(++names));
      const auto symbol = ParseChordSymbol(text);  // over C
      ASSERT_TRUE(symbol && (symbol->bass == kNoBass ? symbol->root : symbol->bass) == 0);
      const PitchClassSet above = (symbol->Tones() & Bit(0)) ? set : set & ~Bit(0);
      EXPECT_TRUE(Sounds(kQualities[symbol->quality], Transpose(above, symbol->root)));
    }
  }
  EXPECT_GT(names, 300);
}

}  // namespace fretwise::chords
