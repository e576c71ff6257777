#include "cli/finder_report.h"

#include "chords/chord_namer.h"
#include "chords/spelling.h"
#include "pitch/pitch.h"
#include "voicings/answer.h"

namespace fretwise::cli {
namespace {

using voicings::Answer;
using voicings::kMuted;

std::vector<Answer> Answers(const FinderQuery& query) {
  return query.mode == FinderMode::kChord
             ? voicings::AnswersOfChord(query.chord, query.search, query.max)
             : voicings::AnswersOfPitches(query.pitches, query.search, query.max);
}

// The pitch as the chord's name spells it ("Ab2" in Ab, "Cb4" for B3 in a chord that writes Cb,
// and the slash bass's pitch class as the bass is written): the octave is the letter's.
std::string SpelledPitch(int midi, const chords::ChordSymbol& chord) {
  const bool raised = chords::RaisesFifth(chords::kQualities[chord.quality]);
  const std::string name = PitchClass(midi) == chord.bass
                               ? chords::BassName(chord.rootName, chord.bass, raised)
                               : chords::NoteAbove(chord.rootName, PitchClass(midi), raised);
  const int natural = kNaturalPitchClass[kLetters.find(name[0])];
  const int shift = name.size() == 1 ? 0 : name[1] == '#' ? 1 : -1;
  return name + std::to_string((midi - natural - shift) / 12 - 1);
}

void WritePitches(JsonWriter& json, std::span<const int> midis) {
  json.StartArray();
  for (int midi : midis) json.String(PitchName(midi));
  json.EndArray();
}

// The names' texts; the first, when it is written already, as `first`.
void WriteNames(JsonWriter& json, const std::vector<chords::ChordSymbol>& names,
                const std::string* first = nullptr) {
  json.StartArray();
  for (const chords::ChordSymbol& name : names) {
    json.String(first && &name == &names.front() ? *first : chords::SymbolText(name));
  }
  json.EndArray();
}

void WriteNumbers(JsonWriter& json, const std::vector<int>& numbers) {
  json.StartArray();
  for (int number : numbers) json.Int(number);
  json.EndArray();
}

void WriteBarre(JsonWriter& json, const voicings::Barre& b) {
  json.StartObject();
  json.Member("fret", b.fret);
  json.Key("strings");
  json.StartArray();
  json.Int(b.fromString);
  json.Int(b.toString);
  json.EndArray();
  json.EndObject();
}

void WriteAnswer(JsonWriter& json, const Answer& a) {
  json.StartObject();
  json.Key("barre");
  a.barres.empty() ? json.Null() : WriteBarre(json, a.barres.front());
  json.Key("barres");
  json.StartArray();
  for (const voicings::Barre& barre : a.barres) WriteBarre(json, barre);
  json.EndArray();
  json.Key("fingers");
  WriteNumbers(json, a.fingers);
  json.Key("frets");
  WriteNumbers(json, a.frets);
  const std::string name = a.names.empty() ? std::string() : chords::SymbolText(a.names.front());
  json.Key("name");
  a.names.empty() ? json.Null() : json.String(name);
  json.Key("names");
  WriteNames(json, a.names, &name);
  json.Key("pitches");
  WritePitches(json, a.pitches);
  json.Member("score", a.score);
  if (a.shape) json.Member("shape", chords::SymbolText(*a.shape));
  json.EndObject();
}

void WriteNameJson(JsonWriter& json, const FinderQuery& query) {
  const std::vector<chords::ChordSymbol> names = chords::DistinctNames(query.pitches);
  json.StartObject();
  json.Key("names");
  WriteNames(json, names);
  json.Key("query");
  json.StartObject();
  json.Key("notes");
  json.StartArray();
  for (int midi : query.pitches) {
    // Notes that make no chord keep the tool's sharps.
    json.String(names.empty() ? PitchName(midi) : SpelledPitch(midi, names.front()));
  }
  json.EndArray();
  json.EndObject();
  json.EndObject();
}

void WriteQuery(JsonWriter& json, const FinderQuery& query) {
  json.StartObject();
  if (query.mode == FinderMode::kChord) json.Member("chord", chords::SymbolText(query.chord));
  json.Key("max");
  query.max ? json.Int(*query.max) : json.Null();
  if (query.mode != FinderMode::kChord) {
    json.Key("notes");
    WritePitches(json, query.pitches);
  }
  if (query.search.position != voicings::kAnywhere) json.Member("position", query.search.position);
  json.Member("span", query.search.span);
  json.EndObject();
}

// "x 3 2 0 1 0": frets, or fingers, in the answer's string order.
void WriteRow(Output& out, const std::vector<int>& frets, const std::vector<int>& shown) {
  for (std::size_t s = 0; s < frets.size(); ++s) {
    if (s > 0) out.Put(' ');
    frets[s] == kMuted ? out.Put('x') : out.AppendNumber(shown[s]);
  }
}

void WriteAnswerLine(Output& out, int rank, const Answer& a) {
  out.AppendNumber(rank);
  out.Append(": ");
  WriteRow(out, a.frets, a.frets);
  out.Append("  fingers ");
  WriteRow(out, a.frets, a.fingers);
  for (const voicings::Barre& barre : a.barres) {
    out.Append(" barre ");
    out.AppendNumber(barre.fret);
    out.Append(" (");
    out.AppendNumber(barre.fromString);
    out.Put('-');
    out.AppendNumber(barre.toString);
    out.Put(')');
  }
  out.Append("  ");
  out.Append(a.names.empty() ? std::string("-") : chords::SymbolText(a.names.front()));
  if (a.shape) {
    out.Append(" (");
    out.Append(chords::SymbolText(*a.shape));
    out.Append(" shape)");
  }
  out.Put(' ');
  for (int midi : a.pitches) {
    out.Put(' ');
    out.Append(PitchName(midi));
  }
  out.Put('\n');
}

}  // namespace

void WriteFinderJson(JsonWriter& json, const FinderQuery& query) {
  if (query.mode == FinderMode::kName) return WriteNameJson(json, query);
  json.StartObject();
  if (query.search.capo > 0) json.Member("capo", query.search.capo);
  json.Key("query");
  WriteQuery(json, query);
  json.Key("tuning");
  WritePitches(json, query.search.tuning);
  json.Key("voicings");
  json.StartArray();
  for (const Answer& a : Answers(query)) WriteAnswer(json, a);
  json.EndArray();
  json.EndObject();
}

void WriteFinderText(Output& out, const FinderQuery& query) {
  if (query.mode == FinderMode::kName) {
    const auto names = chords::NameChord(query.pitches);
    for (const std::string& name : names) {
      out.Append(name);
      out.Put('\n');
    }
    if (names.empty()) out.Append("No chord fits these notes.\n");
    return;
  }
  const std::vector<Answer> answers = Answers(query);
  for (std::size_t i = 0; i < answers.size(); ++i) WriteAnswerLine(out, int(i) + 1, answers[i]);
  if (answers.empty()) out.Append("No playable voicing.\n");
}

}  // namespace fretwise::cli
