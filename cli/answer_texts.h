// The texts of a query's answers, each made once per query: a chord's thousands of voicings share
// a few dozen names, lists of names and pitches.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "chords/chord_symbol.h"
#include "voicings/answer.h"

namespace fretwise::cli {

// The pitch as the chord's name spells it ("Ab2" in Ab, "Cb4" for B3 in a chord that writes Cb,
// and the slash bass's pitch class as the bass is written): the octave is the letter's.
std::string SpelledPitch(int midi, const chords::ChordSymbol& chord);

class AnswerTexts {
 public:
  const std::string& Name(const chords::ChordSymbol& symbol);

  // A short text kept where it is copied whole, eight bytes at a time, and then only `size` of
  // them counted: a voicing's pitches and numbers are a few bytes each, too short to be worth a
  // copy of their length.
  struct Cell {
    std::array<char, 8> text{};
    std::uint8_t size = 0;  // 0 while not made
  };

  // Every pitch's text as one chord spells it (Bb3 in C7, not A#3), made as first asked for;
  // with the tool's sharps when the notes make no chord.
  class Spelling {
   public:
    explicit Spelling(std::optional<chords::ChordSymbol> chord) : chord_(std::move(chord)) {}
    std::string_view Plain(int midi) {
      const Cell* cell = Quoted(midi);
      if (!cell) return other_ = Text(midi);
      return std::string_view(cell->text.data() + 1, cell->size - 2u);
    }
    // As JSON; nothing for a pitch whose text does not fit a cell (the tool's pitches all do).
    const Cell* Quoted(int midi) {
      const auto at = std::size_t(midi);
      if (at < quoted_.size() && quoted_[at].size > 0) return &quoted_[at];
      return MakeQuoted(midi);
    }
    std::string QuotedText(int midi);

   private:
    std::string Text(int midi) const;
    const Cell* MakeQuoted(int midi);
    std::optional<chords::ChordSymbol> chord_;
    // From C-1 to past the top of an eight-string neck: a pitch's text is its quoted text's
    // inside, a name's few dozen pitches touching one small table.
    std::array<Cell, 160> quoted_;
    std::string other_;  // a pitch outside those
  };

  // As JSON: the members "name" (null when the answer has none) and "names", each led by a
  // comma. With the spelling of what the first name spells the same (root, bass, raised fifth),
  // which the answer's pitches are all tones of.
  struct NamesJson {
    std::string members;
    Spelling* spelling = nullptr;
  };
  const NamesJson& Names(const voicings::Answer& answer);
  // As JSON: a name, and a barre ({"fret":7,"strings":[5,3]}). Read a few times for each voicing,
  // so that the texts already made are looked up inline.
  const std::string& QuotedName(const chords::ChordSymbol& symbol);
  const std::string& Barre(const voicings::Barre& barre) {
    const int code = BarreCode(barre);
    if (lastBarre_ && code == lastBarreCode_) return *lastBarre_;
    return MakeBarre(barre);
  }

 private:
  struct Hash {
    std::size_t operator()(const chords::ChordSymbol& s) const;
  };
  std::unordered_map<chords::ChordSymbol, std::string, Hash> names_, quotedNames_;
  std::unordered_map<std::uint32_t, NamesJson> lists_;  // by the answer's namesKey
  // The lists met lately, by a hash of their key: a chord's voicings alternate between a few
  // dozen lists, each found here without the map's division.
  struct Recent {
    std::uint32_t key = 0;
    const NamesJson* json = nullptr;
  };
  std::array<Recent, 64> recent_{};
  static std::size_t RecentSlot(std::uint32_t key) { return key * 2654435761u >> 26; }
  // By SpellingKey: what a spelling depends on.
  std::unordered_map<std::string, Spelling> spellings_;
  Spelling unnamed_{std::nullopt};
  const std::string& MakeBarre(const voicings::Barre& barre);
  static int BarreCode(const voicings::Barre& barre) {
    return (barre.fret * 256 + barre.fromString) * 256 + barre.toString;
  }
  std::unordered_map<int, std::string> barres_;  // by BarreCode
  // The last barre asked for: most voicings with a barre have one, and a run of them the same.
  int lastBarreCode_ = 0;
  const std::string* lastBarre_ = nullptr;
};

}  // namespace fretwise::cli
