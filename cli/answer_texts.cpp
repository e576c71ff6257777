#include "cli/answer_texts.h"

#include <algorithm>
#include <functional>
#include <utility>

#include "chords/chord_quality.h"
#include "chords/spelling.h"
#include "cli/json_writer.h"
#include "pitch/pitch.h"

namespace fretwise::cli {

namespace {

bool RaisedFifth(const chords::ChordSymbol& chord) {
  return chords::RaisesFifth(chords::kQualities[chord.quality]);
}

// What SpelledPitch reads of a chord: its root as written, its bass and whether it raises its
// fifth. Chords that agree on these spell every pitch alike.
std::string SpellingKey(const chords::ChordSymbol& chord) {
  return chord.rootName + char('A' + chord.bass + 1) + char('0' + RaisedFifth(chord));
}

}  // namespace

std::string SpelledPitch(int midi, const chords::ChordSymbol& chord) {
  const bool raised = RaisedFifth(chord);
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

std::string AnswerTexts::Spelling::Text(int midi) const {
  return chord_ ? SpelledPitch(midi, *chord_) : PitchName(midi);
}

std::string AnswerTexts::Spelling::QuotedText(int midi) { return JsonWriter::Quoted(Text(midi)); }

const AnswerTexts::Cell* AnswerTexts::Spelling::MakeQuoted(int midi) {
  const std::string text = QuotedText(midi);
  const auto at = std::size_t(midi);
  if (at >= quoted_.size() || text.size() > Cell{}.text.size()) return nullptr;
  Cell& cell = quoted_[at];
  std::copy(text.begin(), text.end(), cell.text.begin());
  cell.size = std::uint8_t(text.size());
  return &cell;
}

const AnswerTexts::NamesJson& AnswerTexts::Names(const voicings::Answer& answer) {
  Recent& recent = recent_[RecentSlot(answer.namesKey)];
  if (recent.json && recent.key == answer.namesKey) return *recent.json;
  auto [at, added] = lists_.try_emplace(answer.namesKey);
  recent = {answer.namesKey, &at->second};
  if (!added) return at->second;
  NamesJson& json = at->second;
  if (answer.names.empty()) {
    json.spelling = &unnamed_;
    json.members = ",\"name\":null,\"names\":[]";
    return json;
  }
  const chords::ChordSymbol& first = answer.names.front();
  json.spelling = &spellings_.try_emplace(SpellingKey(first), first).first->second;
  std::string members = ",\"name\":" + QuotedName(first) + ",\"names\":[";
  for (const chords::ChordSymbol& name : answer.names) {
    if (&name != &first) members += ',';
    members += QuotedName(name);
  }
  json.members = std::move(members) + ']';
  return json;
}

const std::string& AnswerTexts::QuotedName(const chords::ChordSymbol& symbol) {
  auto [at, added] = quotedNames_.try_emplace(symbol);
  if (added) at->second = JsonWriter::Quoted(Name(symbol));
  return at->second;
}

const std::string& AnswerTexts::MakeBarre(const voicings::Barre& barre) {
  auto [at, added] = barres_.try_emplace(BarreCode(barre));
  if (added) {
    at->second = "{\"fret\":" + std::to_string(barre.fret) + ",\"strings\":[" +
                 std::to_string(barre.fromString) + "," + std::to_string(barre.toString) + "]}";
  }
  lastBarreCode_ = at->first;
  return *(lastBarre_ = &at->second);
}

}  // namespace fretwise::cli
