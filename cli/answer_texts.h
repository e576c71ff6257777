// The texts of a query's answers, each made once per query: a chord's thousands of voicings share
// a few dozen names, lists of names and pitches.
#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <unordered_map>

#include "chords/chord_symbol.h"
#include "voicings/answer.h"

namespace fretwise::cli {

class AnswerTexts {
 public:
  const std::string& Name(const chords::ChordSymbol& symbol);
  const std::string& Pitch(int midi);

  // As JSON: the answer's first name (null when it has none) and the array of all its names.
  struct NamesJson {
    std::string first;
    std::string all;
  };
  const NamesJson& Names(const voicings::Answer& answer);
  // As JSON: a pitch's name, and a barre ({"fret":7,"strings":[5,3]}).
  const std::string& QuotedPitch(int midi);
  const std::string& QuotedName(const chords::ChordSymbol& symbol);
  const std::string& Barre(const voicings::Barre& barre);

 private:
  struct Hash {
    std::size_t operator()(const chords::ChordSymbol& s) const;
  };
  std::unordered_map<chords::ChordSymbol, std::string, Hash> names_, quotedNames_;
  std::unordered_map<std::uint32_t, NamesJson> lists_;  // by voicings::NamesKey
  std::array<std::string, 160> pitches_;  // from C-1 to past the top of an eight-string neck
  std::array<std::string, 160> quotedPitches_;
  std::string other_;  // a pitch outside those
  std::unordered_map<int, std::string> barres_;
};

}  // namespace fretwise::cli
