#include "cli/finder_report.h"

#include <algorithm>

#include "chords/chord_namer.h"
#include "chords/spelling.h"
#include "pitch/pitch.h"

namespace fretwise::cli {
namespace {

using voicings::kMuted;
using voicings::Voicing;

std::vector<Voicing> Search(const FinderQuery& query) {
  std::vector<Voicing> list = query.mode == FinderMode::kChord
                                  ? voicings::VoicingsOfChord(query.chord, query.search)
                                  : voicings::VoicingsOfPitches(query.pitches, query.search);
  if (query.max && int(list.size()) > *query.max) list.resize(*query.max);
  return list;
}

// The pitch as the chord's name spells it ("Ab2" in Ab, "Cb4" for B3 in a chord that writes Cb):
// the octave is the letter's.
std::string SpelledPitch(int midi, const chords::ChordSymbol& chord) {
  const std::string name = chords::NoteAbove(
      chord.rootName, PitchClass(midi), chords::RaisesFifth(chords::kQualities[chord.quality]));
  const int natural = kNaturalPitchClass[kLetters.find(name[0])];
  const int shift = name.size() == 1 ? 0 : name[1] == '#' ? 1 : -1;
  return name + std::to_string((midi - natural - shift) / 12 - 1);
}

void WritePitches(JsonWriter& json, std::span<const int> midis) {
  json.StartArray();
  for (int midi : midis) json.String(PitchName(midi));
  json.EndArray();
}

void WriteNames(JsonWriter& json, const std::vector<std::string>& names) {
  json.StartArray();
  for (const std::string& name : names) json.String(name);
  json.EndArray();
}

void WriteFrets(JsonWriter& json, const voicings::Frets& frets) {
  json.StartArray();
  for (int fret : frets) json.Int(fret);
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

void WriteVoicing(JsonWriter& json, const Voicing& v, const voicings::Tuning& tuning) {
  const std::vector<int> pitches = voicings::Pitches(v.frets, tuning);
  const std::vector<std::string> names = chords::NameChord(pitches);
  const voicings::Fingering& hand = v.fingering;
  json.StartObject();
  json.Key("barre");
  hand.barreCount > 0 ? WriteBarre(json, hand.barres[0]) : json.Null();
  json.Key("barres");
  json.StartArray();
  for (int b = 0; b < hand.barreCount; ++b) WriteBarre(json, hand.barres[b]);
  json.EndArray();
  json.Key("fingers");
  WriteFrets(json, voicings::FingerNumbers(v.frets, hand));
  json.Key("frets");
  WriteFrets(json, v.frets);
  json.Key("name");
  names.empty() ? json.Null() : json.String(names.front());
  json.Key("names");
  WriteNames(json, names);
  json.Key("pitches");
  WritePitches(json, pitches);
  json.Member("score", v.score);
  json.EndObject();
}

void WriteNameJson(JsonWriter& json, const FinderQuery& query) {
  const std::vector<chords::ChordSymbol> symbols = chords::NameSymbols(query.pitches);
  std::vector<std::string> names;
  for (const chords::ChordSymbol& symbol : symbols) {
    std::string text = chords::SymbolText(symbol);
    if (std::find(names.begin(), names.end(), text) == names.end()) names.push_back(text);
  }
  // Notes that make no chord keep the tool's sharps.
  const chords::ChordSymbol* best = symbols.empty() ? nullptr : &symbols.front();
  json.StartObject();
  json.Key("names");
  WriteNames(json, names);
  json.Key("query");
  json.StartObject();
  json.Key("notes");
  json.StartArray();
  for (int midi : query.pitches) json.String(best ? SpelledPitch(midi, *best) : PitchName(midi));
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
  json.Member("span", query.search.span);
  json.EndObject();
}

// "x 3 2 0 1 0": frets, or fingers, string 6 first.
void WriteRow(Output& out, const voicings::Frets& frets, const voicings::Frets& shown) {
  for (int s = 0; s < voicings::kStrings; ++s) {
    if (s > 0) out.Put(' ');
    frets[s] == kMuted ? out.Put('x') : out.AppendNumber(shown[s]);
  }
}

void WriteVoicingLine(Output& out, int rank, const Voicing& v, const voicings::Tuning& tuning) {
  out.AppendNumber(rank);
  out.Append(": ");
  WriteRow(out, v.frets, v.frets);
  out.Append("  fingers ");
  WriteRow(out, v.frets, voicings::FingerNumbers(v.frets, v.fingering));
  for (int b = 0; b < v.fingering.barreCount; ++b) {
    const voicings::Barre& barre = v.fingering.barres[b];
    out.Append(" barre ");
    out.AppendNumber(barre.fret);
    out.Append(" (");
    out.AppendNumber(barre.fromString);
    out.Put('-');
    out.AppendNumber(barre.toString);
    out.Put(')');
  }
  const std::vector<int> pitches = voicings::Pitches(v.frets, tuning);
  const auto names = chords::NameChord(pitches);
  out.Append("  ");
  out.Append(names.empty() ? std::string_view("-") : std::string_view(names.front()));
  out.Put(' ');
  for (int midi : pitches) {
    out.Put(' ');
    out.Append(PitchName(midi));
  }
  out.Put('\n');
}

}  // namespace

void WriteFinderJson(JsonWriter& json, const FinderQuery& query) {
  if (query.mode == FinderMode::kName) return WriteNameJson(json, query);
  json.StartObject();
  json.Key("query");
  WriteQuery(json, query);
  json.Key("tuning");
  WritePitches(json, query.search.tuning);
  json.Key("voicings");
  json.StartArray();
  for (const Voicing& v : Search(query)) WriteVoicing(json, v, query.search.tuning);
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
  const std::vector<Voicing> list = Search(query);
  for (std::size_t i = 0; i < list.size(); ++i) {
    WriteVoicingLine(out, int(i) + 1, list[i], query.search.tuning);
  }
  if (list.empty()) out.Append("No playable voicing.\n");
}

}  // namespace fretwise::cli
