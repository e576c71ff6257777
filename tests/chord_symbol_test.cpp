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
      "C9#5 Caug9: C D E G# Bb; C9#11: C D E Gb G Bb; C13: C D E F G A Bb; Bb7: Bb D F Ab; "
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
  EXPECT_EQ(SymbolText(*ParseChordSymbol("Am7/G")) + SymbolText(*ParseChordSymbol("C6/9")),
            "Am7/GC69");
}

TEST(ChordNamer, BestNameFirstSpelledForTheKey) {
  // The pitches, then the leading names (none for a single note or a semitone).
  std::istringstream rows(
      "48 52 55: C; 52 55 60: C/E; 48 52 55 57: C6 Am7/C; 45 52 55 60 64: Am7 C/A; 46 50 53: Bb; "
      "49 52 56: C#m; 48 56 60 63: Ab/C; 47 50 53 56: Bdim7; 48: ; 48 49: ");
  for (std::string row; std::getline(rows >> std::ws, row, ';');) {
    std::istringstream pitches(row.substr(0, row.find(':')));
    std::string names, first = row.substr(row.find(':') + 1);
    const std::vector<int> midis(std::istream_iterator<int>(pitches), {});
    for (const std::string& name : NameChord(midis)) names += " " + name;
    EXPECT_TRUE(first == " " ? names.empty() : (names + " ").starts_with(first + " ")) << names;
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
