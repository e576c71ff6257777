// The texts of a query's answers, each made once per query: a chord's thousands of voicings share
// a few dozen names, lists of names and pitches.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
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

  // Every pitch's text as one chord spells it (Bb3 in C7, not A#3), made as first asked for;
  // with the tool's sharps when the notes make no chord.
  class Spelling {
   public:
    explicit Spelling(std::optional<chords::ChordSymbol> chord) : chord_(std::move(chord)) {}
    const std::string& Plain(int midi);
    const std::string& Quoted(int midi) {
      const auto at = std::size_t(midi);
      if (at < quoted_.size() && !quoted_[at].empty()) return quoted_[at];
      return MakeQuoted(midi);
    }

   private:
    const std::string& MakeQuoted(int midi);
    std::optional<chords::ChordSymbol> chord_;
    std::array<std::string, 160> plain_,
        quoted_;         // from C-1 to past the top of an eight-string neck
    std::string other_;  // a pitch outside those
  };

  // As JSON: the answer's first name (null when it has none) and the array of all its names.
  // With the spelling of the first name, which the answer's pitches are all tones of.
  struct NamesJson {
    std::string first;
    std::string all;
    Spelling* spelling = nullptr;
  };
  const NamesJson& Names(const voicings::Answer& answer);
  // As JSON: a name, and a barre ({"fret":7,"strings":[5,3]}). Read a few times for each voicing,
  // so that the texts already made are looked up inline.
  const std::string& QuotedName(const chords::ChordSymbol& symbol);
  const std::string& Barre(const voicings::Barre& barre) {
    const auto at = std::size_t(barre.fret * kStringCodes + barre.fromString) * kStringCodes +
                    std::size_t(barre.toString);
    if (at < barres_.size() && !barres_[at].empty()) return barres_[at];
    return MakeBarre(barre);
  }

 private:
  struct Hash {
    std::size_t operator()(const chords::ChordSymbol& s) const;
  };
  std::unordered_map<chords::ChordSymbol, std::string, Hash> names_, quotedNames_;
  std::unordered_map<std::uint32_t, NamesJson> lists_;  // by the answer's namesKey
  // The last list asked for: a chord's voicings come in runs with the same names.
  std::uint32_t lastKey_ = 0;
  const NamesJson* last_ = nullptr;
  std::unordered_map<chords::ChordSymbol, Spelling, Hash> spellings_;  // by first name
  Spelling unnamed_{std::nullopt};
  std::string other_;  // a barre outside those
  const std::string& MakeBarre(const voicings::Barre& barre);
  // By fret, then the strings numbered as players do (1 to 8), each with room for 0.
  static constexpr int kStringCodes = voicings::kMostStrings + 1;
  std::vector<std::string> barres_;
};

}  // namespace fretwise::cli
