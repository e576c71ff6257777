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
  // Written with "(no3)": the quality without its third, which it sounds without ("C9(no3)").
  bool noThird = false;

  // The quality as the symbol asks for it: without its third when it says so.
  ChordQuality Quality() const {
    ChordQuality q = kQualities[quality];
    if (noThird) q.tones &= PitchClassSet(~ThirdOf(q)), q.optional &= PitchClassSet(~ThirdOf(q));
    return q;
  }
  PitchClassSet Tones() const { return TransposeUp(Quality().tones, root); }
  bool operator==(const ChordSymbol&) const = default;
};

// Reads a symbol: a root letter A-G with '#', 'b', '♯' or '♭', a quality or one of its usual
// synonyms ("M7", "Δ", "min", "-7", "ø", "°", "+", "aug7", "aug9", "sus"), then "/" and a bass
// note; "(no3)" before the slash leaves out the third of a quality that has one ("C9(no3)"). Gives
// nothing for anything else.
std::optional<ChordSymbol> ParseChordSymbol(std::string_view text);

// The canonical text of a symbol, the bass spelled in the root's key.
std::string SymbolText(const ChordSymbol& symbol);

}  // namespace fretwise::chords
