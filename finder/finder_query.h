// What the finder shows, read from the chord-symbol field or taken from the panel's ticks, and the
// names it goes by.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "chords/chord_symbol.h"

namespace fretwise::finder {

// A chord by its symbol, or exactly some pitches (each string sounding one of them).
struct FinderQuery {
  std::optional<chords::ChordSymbol> chord;  // nothing in exact-pitch mode
  std::vector<int> pitches;                  // MIDI numbers, ascending, each once
};

struct ReadQuery {
  std::optional<FinderQuery> query;
  std::string reason;  // why the text shows nothing, for a player; empty when it does
};

// A chord symbol ("Am7", "C/E"; a lower-case root letter is read as its capital) or pitches
// separated by spaces ("C3 E3 G3").
ReadQuery ReadFinderText(std::string_view text);

// The pitches ascending, each once.
FinderQuery ExactPitches(std::vector<int> midis);

// Every name of what the query sounds, best first. A symbol comes first as written in its
// canonical form, then the other names of its tones over the same bass (Am7, then C6/A); pitches
// have the names chords::NameChord gives them, none when no chord fits.
std::vector<std::string> NamesOf(const FinderQuery& query);

// The query as the field shows it: the symbol, or the pitches with sharps ("C3 E3 G#3").
std::string FieldText(const FinderQuery& query);

}  // namespace fretwise::finder
