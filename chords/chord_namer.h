// Names for a set of sounding pitches.
#pragma once

#include <span>
#include <string>
#include <vector>

#include "chords/chord_symbol.h"

namespace fretwise::chords {

// Every symbol whose chord the pitches (MIDI numbers, any order) sound, best first: a root in the
// bass before an inversion, fewer left-out tones, the plainer quality, and a bass outside the chord
// (C/F) last; of names that rank the same, the lower chord tone in the bass first, so that the
// order is the same in every key. The lowest pitch, when it is not the root, becomes the slash
// bass. Roots are spelled as players write the key (Bb, not A#; C#m, not Dbm). Empty when nothing
// fits.
//
// With Bass::kNone the pitches have no bass: on a re-entrant tuning (a ukulele's G4 C4 E4 A4) the
// lowest pitch is often the third or the fifth, and players name the chord by its root without a
// slash (2 0 0 0 is Am, not C6 or Am/C).
enum class Bass { kLowestPitch, kNone };
std::vector<ChordSymbol> NameSymbols(std::span<const int> midis, Bass bass = Bass::kLowestPitch);

// The same with one symbol per written name, best first: what players are shown. `texts`, when
// given, receives their texts (SymbolText's), which telling names apart has made already.
std::vector<ChordSymbol> DistinctNames(std::span<const int> midis, Bass bass = Bass::kLowestPitch,
                                       std::vector<std::string>* texts = nullptr);

// The texts of DistinctNames.
std::vector<std::string> NameChord(std::span<const int> midis);

}  // namespace fretwise::chords
