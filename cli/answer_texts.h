// The texts of a query's answers, each made once per query: a chord's thousands of voicings share
// a few dozen names, lists of names and pitches.
#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <unordered_map>
#include <vector>

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
  // As JSON: a pitch's name, a name, and a barre ({"fret":7,"strings":[5,3]}). Read a few times
  // for each voicing, so that the texts already made are looked up inline.
  const std::string& QuotedPitch(int midi) {
    const auto at = std::size_t(midi);
    if (at < quotedPitches_.size() && !quotedPitches_[at].empty()) return quotedPitches_[at];
    return MakeQuotedPitch(midi);
  }
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
  std::unordered_map<std::uint32_t, NamesJson> lists_;  // by voicings::NamesKey
  std::array<std::string, 160> pitches_;  // from C-1 to past the top of an eight-string neck
  std::array<std::string, 160> quotedPitches_;
  std::string other_;  // a pitch or barre outside those
  const std::string& MakeQuotedPitch(int midi);
  const std::string& MakeBarre(const voicings::Barre& barre);
  // By fret, then the strings numbered as players do (1 to 8), each with room for 0.
  static constexpr int kStringCodes = voicings::kMostStrings + 1;
  std::vector<std::string> barres_;
};

}  // namespace fretwise::cli
