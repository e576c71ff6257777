#include "cli/answer_texts.h"

#include <functional>
#include <utility>

#include "cli/json_writer.h"
#include "pitch/pitch.h"

namespace fretwise::cli {

std::size_t AnswerTexts::Hash::operator()(const chords::ChordSymbol& s) const {
  return std::hash<std::string>()(s.rootName) ^
         std::size_t(s.root | s.quality << 4 | (s.bass + 1) << 20 | int(s.noThird) << 25);
}

const std::string& AnswerTexts::Name(const chords::ChordSymbol& symbol) {
  auto [at, added] = names_.try_emplace(symbol);
  if (added) at->second = chords::SymbolText(symbol);
  return at->second;
}

const std::string& AnswerTexts::Pitch(int midi) {
  if (midi < 0 || midi >= int(pitches_.size())) return other_ = PitchName(midi);
  std::string& text = pitches_[std::size_t(midi)];
  if (text.empty()) text = PitchName(midi);
  return text;
}

const AnswerTexts::NamesJson& AnswerTexts::Names(const voicings::Answer& answer) {
  auto [at, added] = lists_.try_emplace(voicings::NamesKey(answer.pitches));
  if (!added) return at->second;
  NamesJson& json = at->second;
  json.first = answer.names.empty() ? "null" : JsonWriter::Quoted(Name(answer.names.front()));
  std::string all(1, '[');
  for (const chords::ChordSymbol& name : answer.names) {
    if (all.size() > 1) all += ',';
    all += JsonWriter::Quoted(Name(name));
  }
  json.all = std::move(all) + ']';
  return json;
}

const std::string& AnswerTexts::MakeQuotedPitch(int midi) {
  if (midi < 0 || midi >= int(quotedPitches_.size())) return other_ = JsonWriter::Quoted(Pitch(midi));
  return quotedPitches_[std::size_t(midi)] = JsonWriter::Quoted(Pitch(midi));
}

const std::string& AnswerTexts::QuotedName(const chords::ChordSymbol& symbol) {
  auto [at, added] = quotedNames_.try_emplace(symbol);
  if (added) at->second = JsonWriter::Quoted(Name(symbol));
  return at->second;
}

const std::string& AnswerTexts::MakeBarre(const voicings::Barre& barre) {
  std::string text = "{\"fret\":" + std::to_string(barre.fret) + ",\"strings\":[" +
                     std::to_string(barre.fromString) + "," + std::to_string(barre.toString) + "]}";
  const bool kept = barre.fret >= 0 && barre.fret <= voicings::kMostFrets && barre.fromString >= 0 &&
                    barre.fromString < kStringCodes && barre.toString >= 0 &&
                    barre.toString < kStringCodes;
  if (!kept) return other_ = std::move(text);
  barres_.resize((voicings::kMostFrets + 1) * kStringCodes * kStringCodes);
  return barres_[std::size_t((barre.fret * kStringCodes + barre.fromString) * kStringCodes +
                             barre.toString)] = std::move(text);
}

}  // namespace fretwise::cli
