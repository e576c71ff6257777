#include "cli/report.h"

#include "chords/chord_namer.h"
#include "fingering/fret_table.h"
#include "notes/note_token.h"

namespace fretwise::cli {
namespace {

// "x", "0" or the fret of one string cell; a tuned-down string 6 shows its fret in the new tuning.
void WriteStringMark(Output& out, const StringCell& cell) {
  if (cell.used()) {
    out.AppendNumber(cell.fret);
  } else {
    out.Put('x');
  }
}

// The best name of the ticked notes, or nothing.
std::optional<std::string> ChordName(const TickSet& ticks) {
  std::vector<int> pitches;
  for (int slot : kScanOrder) {
    if (ticks.IsTicked(slot)) pitches.push_back(kLowestMidi + TokenCode(kSlots[slot].token));
  }
  const auto names = chords::NameChord(pitches);
  if (names.empty()) return std::nullopt;
  return names.front();
}

void WriteNotes(JsonWriter& json, const TickSet& ticks) {
  json.StartArray();
  for (int slot : kScanOrder) {
    if (!ticks.IsTicked(slot)) continue;
    const std::string_view token = kSlots[slot].token;
    json.StartObject();
    json.Member("pitch", ScientificName(TokenCode(token)));
    json.Member("slot", slot);
    json.Member("token", token);
    json.EndObject();
  }
  json.EndArray();
}

void WriteCandidate(JsonWriter& json, const Candidate& c) {
  json.StartObject();
  json.Key("cells");
  json.StartArray();
  for (const StringCell& cell : c.cells) json.String(CellText(cell));
  json.EndArray();
  json.Member("highestFret", c.highestFret);
  json.Key("soundFiles");
  json.StartArray();
  for (const std::string& file : c.soundFiles) json.String(file);
  json.EndArray();
  json.Key("tuning");
  c.tuning ? json.String(std::string_view(&c.tuning, 1)) : json.Null();
  json.Key("window");
  json.StartArray();
  json.Int(c.windowStart);
  json.Int(c.windowStart + 4);
  json.EndArray();
  json.EndObject();
}

}  // namespace

void WriteTextReport(Output& out, const TickSet& ticks, const CandidateList& list) {
  out.Append("Chord: ");
  out.Append(ChordName(ticks).value_or("(none)"));
  out.Put('\n');
  int number = 0;
  for (const Candidate& c : list.candidates) {
    out.Append("Candidate ");
    out.AppendNumber(++number);
    out.Append(": frets ");
    out.AppendNumber(c.windowStart);
    out.Put('-');
    out.AppendNumber(c.windowStart + 4);
    out.Append("\n  strings 6-1:");
    for (int s = kStringCount - 1; s >= 0; --s) {
      out.Put(' ');
      WriteStringMark(out, c.cells[s]);
    }
    out.Put('\n');
    if (c.tuning) {
      out.Append("  string 6 tuned down to ");
      out.Put(c.tuning);
      out.Put('\n');
    }
    out.Append("  sound files:");
    for (const std::string& file : c.soundFiles) {
      out.Put(' ');
      out.Append(file);
    }
    out.Put('\n');
  }
  if (list.message) {
    out.Append(*list.message);
    out.Put('\n');
  }
}

void WriteJsonReport(JsonWriter& json, const TickSet& ticks, const CandidateList& list) {
  json.StartObject();
  json.Key("candidates");
  json.StartArray();
  for (const Candidate& c : list.candidates) WriteCandidate(json, c);
  json.EndArray();
  json.Key("message");
  list.message ? json.String(*list.message) : json.Null();
  json.Key("name");
  const auto name = ChordName(ticks);
  name ? json.String(*name) : json.Null();
  json.Key("notes");
  WriteNotes(json, ticks);
  json.EndObject();
}

}  // namespace fretwise::cli
