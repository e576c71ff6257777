#include "cli/answer_texts.h"

#include <functional>
#include <utility>

#include "chords/chord_quality.h"
#include "chords/spelling.h"
#include "cli/json_writer.h"
#include "pitch/pitch.h"

namespace fretwise::cli {

std::string SpelledPitch(int midi, const chords::ChordSymbol& chord) {
  const bool raised = chords::RaisesFifth(chords::kQualities[chord.quality]);
  const std::string name = PitchClass(midi) == chord.bass
                               ? chords::BassName(chord.rootName, chord.bass, raised)
                               : chords::NoteAbove(chord.rootName, PitchClass(midi), raised);
  const int natural = kNaturalPitchClass[kLetters.find(name[0])];
  const int shift = name.size() == 1 ? 0 : name[1] == '#' ? 1 : -1;
  return name + std::to_string((midi - natural - shift) / 12 - 1);
}

std::size_t AnswerTexts::Hash::operator()(const chords::ChordSymbol& s) const {
  return std::hash<std::string>()(s.rootName) ^
         std::size_t(s.root | s.quality << 4 | (s.bass + 1) << 20 | int(s.noThird) << 25);
}

const std::string& AnswerTexts::Name(const chords::ChordSymbol& symbol) {
  auto [at, added] = names_.try_emplace(symbol);
  if (added) at->second = chords::SymbolText(symbol);
  return at->second;
}

const std::string& AnswerTexts::Spelling::Plain(int midi) {
  const auto at = std::size_t(midi);
  std::string& text = at < plain_.size() ? plain_[at] : other_;
  if (text.empty() || &text == &other_)
    text = chord_ ? SpelledPitch(midi, *chord_) : PitchName(midi);
  return text;
}

const std::string& AnswerTexts::Spelling::MakeQuoted(int midi) {
  const auto at = std::size_t(midi);
  if (at >= quoted_.size()) return other_ = JsonWriter::Quoted(Plain(midi));
  return quoted_[at] = JsonWriter::Quoted(Plain(midi));
}

const AnswerTexts::NamesJson& AnswerTexts::Names(const voicings::Answer& answer) {
  if (last_ && lastKey_ == answer.namesKey) return *last_;
  auto [at, added] = lists_.try_emplace(answer.namesKey);
  lastKey_ = answer.namesKey;
  last_ = &at->second;
  if (!added) return at->second;
  NamesJson& json = at->second;
  json.spelling =
      answer.names.empty()
          ? &unnamed_
          : &spellings_.try_emplace(answer.names.front(), answer.names.front()).first->second;
  json.first = answer.names.empty() ? "null" : QuotedName(answer.names.front());
  std::string all(1, '[');
  for (const chords::ChordSymbol& name : answer.names) {
    if (all.size() > 1) all += ',';
    all += QuotedName(name);
  }
  json.all = std::move(all) + ']';
  return json;
}

const std::string& AnswerTexts::QuotedName(const chords::ChordSymbol& symbol) {
  auto [at, added] = quotedNames_.try_emplace(symbol);
  if (added) at->second = JsonWriter::Quoted(Name(symbol));
  return at->second;
}

const std::string& AnswerTexts::MakeBarre(const voicings::Barre& barre) {
  std::string text = "{\"fret\":" + std::to_string(barre.fret) + ",\"strings\":[" +
                     std::to_string(barre.fromString) + "," + std::to_string(barre.toString) + "]}";
  const bool kept = barre.fret >= 0 && barre.fret <= voicings::kMostFrets &&
                    barre.fromString >= 0 && barre.fromString < kStringCodes &&
                    barre.toString >= 0 && barre.toString < kStringCodes;
  if (!kept) return other_ = std::move(text);
  barres_.resize((voicings::kMostFrets + 1) * kStringCodes * kStringCodes);
  return barres_[std::size_t((barre.fret * kStringCodes + barre.fromString) * kStringCodes +
                             barre.toString)] = std::move(text);
}

}  // namespace fretwise::cli
