// Chord symbols as players write them: a root, a quality and an optional slash bass ("Am7/G").
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "chords/chord_quality.h"

namespace fretwise::chords {

inline constexpr int kNoBass = -1;

struct ChordSymbol {
  int root = 0;          // pitch class
  int quality = 0;       // index into kQualities
  int bass = kNoBass;    // pitch class of a slash bass, or kNoBass
  std::string rootName;  // as written ("Db", "C#")

  PitchClassSet Tones() const { return TransposeUp(kQualities[quality].tones, root); }
  bool operator==(const ChordSymbol&) const = default;
};

// Reads a symbol: a root letter A-G with '#', 'b', '♯' or '♭', a quality or one of its usual
// synonyms ("M7", "Δ", "min", "-7", "ø", "°", "+", "aug7", "aug9", "sus"), then "/" and a bass
// note. Gives nothing for anything else.
std::optional<ChordSymbol> ParseChordSymbol(std::string_view text);

// The canonical text of a symbol, the bass spelled in the root's key.
std::string SymbolText(const ChordSymbol& symbol);

}  // namespace fretwise::chords
