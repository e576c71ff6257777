#include "cli/finder_report.h"

#include <algorithm>
#include <charconv>
#include <functional>
#include <optional>
#include <span>
#include <unordered_map>

#include "chords/chord_namer.h"
#include "chords/spelling.h"
#include "cli/answer_texts.h"
#include "pitch/pitch.h"
#include "voicings/answer.h"

namespace fretwise::cli {
namespace {

using voicings::Answer;
using voicings::kMuted;

// The query's voicings, each completed in turn into `each`.
void EachAnswer(const FinderQuery& query, const std::function<void(const Answer&)>& each) {
  std::vector<voicings::Voicing> found =
      query.mode == FinderMode::kChord ? voicings::VoicingsOfChord(query.chord, query.search)
                                       : voicings::VoicingsOfPitches(query.pitches, query.search);
  if (query.max && int(found.size()) > *query.max)
    found.resize(std::size_t(std::max(0, *query.max)));
  voicings::EachAnswer(found, query.search, each);
}

void WritePitches(JsonWriter& json, std::span<const int> midis) {
  json.StartArray();
  for (int midi : midis) json.String(PitchName(midi));
  json.EndArray();
}

// Bytes put into room the output has made for them.
struct Bytes {
  char* at;
  void Put(char c) { *at++ = c; }
  void Append(std::string_view text) { at = std::copy(text.begin(), text.end(), at); }
  void Number(int n) {
    if (n >= 0 && n < 10) return Put(char('0' + n));
    at = std::to_chars(at, at + kLongestNumber, n).ptr;
  }
  // An array of texts made by `text` for each item.
  template <typename Item, typename Text>
  void List(const std::vector<Item>& items, Text text) {
    Put('[');
    for (std::size_t i = 0; i < items.size(); ++i) {
      if (i > 0) Put(',');
      Append(text(items[i]));
    }
    Put(']');
  }
  void Numbers(const std::vector<int>& numbers) {
    Put('[');
    for (std::size_t i = 0; i < numbers.size(); ++i) {
      if (i > 0) Put(',');
      Number(numbers[i]);
    }
    Put(']');
  }
  static constexpr std::size_t kLongestNumber = 11;  // -2147483648
};

// The answer as JSON (keys sorted, as the writer's objects), written at once: a query's thousands
// of answers would otherwise spend as long on the writer's checks as on their bytes.
void WriteAnswer(JsonWriter& json, const Answer& a, AnswerTexts& texts) {
  const AnswerTexts::NamesJson& names = texts.Names(a);
  const std::string* shape = a.shape ? &texts.QuotedName(*a.shape) : nullptr;
  // Keys and punctuation, then what the values can take.
  std::size_t most = 128 + names.first.size() + names.all.size() + (shape ? shape->size() : 0) +
                     (a.frets.size() + a.fingers.size() + 1) * (Bytes::kLongestNumber + 1);
  for (const voicings::Barre& barre : a.barres) most += 2 * texts.Barre(barre).size() + 1;
  AnswerTexts::Spelling& spelling = *names.spelling;
  for (int midi : a.pitches) most += spelling.Quoted(midi).size() + 1;
  json.RawInPlace(most, [&](char* at) {
    Bytes out{at};
    out.Append("{\"barre\":");
    out.Append(a.barres.empty() ? std::string_view("null") : texts.Barre(a.barres.front()));
    out.Append(",\"barres\":");
    out.List(a.barres, [&](const voicings::Barre& barre) { return texts.Barre(barre); });
    out.Append(",\"fingers\":");
    out.Numbers(a.fingers);
    out.Append(",\"frets\":");
    out.Numbers(a.frets);
    out.Append(",\"name\":");
    out.Append(names.first);
    out.Append(",\"names\":");
    out.Append(names.all);
    out.Append(",\"pitches\":");
    out.List(a.pitches, [&](int midi) -> const std::string& { return spelling.Quoted(midi); });
    out.Append(",\"score\":");
    out.Number(a.score);
    if (shape) {
      out.Append(",\"shape\":");
      out.Append(*shape);
    }
    out.Put('}');
    return out.at;
  });
}

// The names of a set of notes, kept by what they depend on (voicings::NamesKey) for the lines of a
// --batch that name the same chord again, as a script naming a song's chords does.
struct Named {
  std::vector<std::string> texts;
  std::optional<chords::ChordSymbol> best;
};

const Named& NamesOf(std::span<const int> pitches) {
  static std::unordered_map<std::uint32_t, Named> named;  // at most 12 bass notes * 4,096 sets
  auto [at, added] = named.try_emplace(voicings::NamesKey(pitches));
  if (added) {
    const std::vector<chords::ChordSymbol> names =
        chords::DistinctNames(pitches, chords::Bass::kLowestPitch, &at->second.texts);
    if (!names.empty()) at->second.best = names.front();
  }
  return at->second;
}

void WriteNameJson(JsonWriter& json, const FinderQuery& query) {
  const Named& names = NamesOf(query.pitches);
  json.StartObject();
  json.Key("names");
  json.StartArray();
  for (const std::string& text : names.texts) json.String(text);
  json.EndArray();
  json.Key("query");
  json.StartObject();
  json.Key("notes");
  json.StartArray();
  for (int midi : query.pitches) {
    // Notes that make no chord keep the tool's sharps.
    json.String(names.best ? SpelledPitch(midi, *names.best) : PitchName(midi));
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

void WriteAnswerLine(Output& out, int rank, const Answer& a, AnswerTexts& texts) {
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
  out.Append(a.names.empty() ? std::string_view("-") : texts.Name(a.names.front()));
  if (a.shape) {
    out.Append(" (");
    out.Append(texts.Name(*a.shape));
    out.Append(" shape)");
  }
  out.Put(' ');
  AnswerTexts::Spelling& spelling = *texts.Names(a).spelling;
  for (int midi : a.pitches) {
    out.Put(' ');
    out.Append(spelling.Plain(midi));
  }
  out.Put('\n');
}

}  // namespace

void WriteFinderJson(JsonWriter& json, const FinderQuery& query, const AfterEachVoicing& after) {
  if (query.mode == FinderMode::kName) return WriteNameJson(json, query);
  json.StartObject();
  if (query.search.capo > 0) json.Member("capo", query.search.capo);
  json.Key("query");
  WriteQuery(json, query);
  json.Key("tuning");
  WritePitches(json, query.search.tuning);
  json.Key("voicings");
  json.StartArray();
  AnswerTexts texts;
  EachAnswer(query, [&](const Answer& a) {
    WriteAnswer(json, a, texts);
    if (after) after();
  });
  json.EndArray();
  json.EndObject();
}

void WriteFinderText(Output& out, const FinderQuery& query, const AfterEachVoicing& after) {
  if (query.mode == FinderMode::kName) {
    const auto names = chords::NameChord(query.pitches);
    for (const std::string& name : names) {
      out.Append(name);
      out.Put('\n');
    }
    if (names.empty()) out.Append("No chord fits these notes.\n");
    return;
  }
  AnswerTexts texts;
  int rank = 0;
  EachAnswer(query, [&](const Answer& a) {
    WriteAnswerLine(out, ++rank, a, texts);
    if (after) after();
  });
  if (rank == 0) out.Append("No playable voicing.\n");
}

}  // namespace fretwise::cli
