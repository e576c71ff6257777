// Chord symbols as players write them, and the names the finder gives a set of pitches.
#include <gtest/gtest.h>

#include <iterator>
#include <sstream>

#include "chords/chord_namer.h"

namespace fretwise::chords {
namespace {

// The pitch classes of a symbol as note names from its root: "C E G Bb".
std::string Spelled(const ChordSymbol& symbol) {
  std::string text;
  for (int step = 0; step < 12; ++step) {
    const int pitchClass = (symbol.root + step) % 12;
    if (symbol.Tones() & Bit(pitchClass)) {
      text += (text.empty() ? "" : " ") +
              NoteAbove(symbol.rootName, pitchClass, RaisesFifth(kQualities[symbol.quality]));
    }
  }
  return text;
}

TEST(ChordSymbol, QualitiesAndSynonymsSoundTheirTones) {
  // The spellings of one chord, then the tones they sound.
  std::istringstream rows(
      "C: C E G; Cm Cmin C-: C Eb G; Cdim C\u00B0: C Eb Gb; Cdim7: C Eb Gb A; Caug C+: C E G#; "
      "C5: C G; C6: C E G A; Cm6: C Eb G A; C69: C D E G A; Cm69: C D Eb G A; C7: C E G Bb; "
      "Cm7 C-7: C Eb G Bb; Cmaj7 CM7 C\u0394: C E G B; Cmmaj7: C Eb G B; "
      "Cm7b5 C\u00F8: C Eb Gb Bb; C7b5: C E Gb Bb; C7#5 Caug7: C E G# Bb; Cmaj7b5: C E Gb B; "
      "Cmaj7#5: C E G# B; Csus2: C D G; Csus4 Csus: C F G; C7sus4: C F G Bb; Cadd9: C D E G; "
      "Cmadd9: C D Eb G; Cadd11: C E F G; C9: C D E G Bb; Cm9: C D Eb G Bb; Cmaj9: C D E G B; "
      "Cmmaj9: C D Eb G B; C7b9: C Db E G Bb; C7#9: C Eb E G Bb; C9b5: C D E Gb Bb; "
      "C9#5 Caug9: C D E G# Bb; C9#11: C D E Gb G Bb; C11: C D E F G Bb; Cm11: C D Eb F G Bb; "
      "Cmaj11: C D E F G B; C13: C D E F G A Bb; Cmaj13: C D E F G A B; Bb7: Bb D F Ab; "
      "F\u266F: F# A# C#; E\u266Dm: Eb Gb Bb");
  int spellings = 0;
  for (std::string row; std::getline(rows >> std::ws, row, ';');) {
    const std::string tones = row.substr(row.find(": ") + 2);
    std::istringstream texts(row.substr(0, row.find(": ")));
    for (std::string text; texts >> text; ++spellings) {
      const auto symbol = ParseChordSymbol(text);
      EXPECT_EQ(symbol ? Spelled(*symbol) : "-", tones) << text;
    }
  }
  EXPECT_EQ(spellings, 53);
}

TEST(ChordSymbol, SlashBassAndJunk) {
  EXPECT_EQ(ParseChordSymbol("Am7/G")->bass, 7);
  EXPECT_EQ(SymbolText(*ParseChordSymbol("Am7/G")) + SymbolText(*ParseChordSymbol("C6/9")),
            "Am7/GC69");
  for (const char* junk : {"", "H", "c", "Cx", "C/", "C/H", "Cm7/Gb5", "C maj7", "C#m77", "/E",
                           "Cmaj7 ", "C##", "Cdim9", "6/9"})
    EXPECT_FALSE(ParseChordSymbol(junk)) << junk;
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
  for (unsigned set = 1; set < (1u << 12); ++set) {
    if (Count(PitchClassSet(set)) < 2 || Count(PitchClassSet(set)) > 5 || !(set & 1)) continue;
    std::vector<int> midis;  // the bass C3, the rest above it
    for (int pc = 0; pc < 12; ++pc) {
      if (set & (1u << pc)) midis.push_back(48 + pc + (pc == 0 ? 0 : 12));
    }
    for (const std::string& text : NameChord(midis)) {
      SCOPED_TRACE(text);
      ++names;
      const auto symbol = ParseChordSymbol(text);
      ASSERT_TRUE(symbol);
      EXPECT_EQ(symbol->bass == kNoBass ? symbol->root : symbol->bass, 0) << "C is the bass";
      const PitchClassSet above = (symbol->Tones() & Bit(0)) ? set : set & ~Bit(0);
      EXPECT_TRUE(Sounds(kQualities[symbol->quality], Transpose(above, symbol->root)));
    }
  }
  EXPECT_GT(names, 300);
}

}  // namespace
}  // namespace fretwise::chords
