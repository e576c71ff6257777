#include "cli/finder_report.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cstring>
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
void EachAnswer(const FinderQuery& query, const voicings::EachAnswer& each) {
  if (query.mode == FinderMode::kChord)
    return voicings::EachAnswerOfChord(query.chord, query.search, query.max, each);
  voicings::EachAnswerOfPitches(query.pitches, query.search, query.max, each);
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
  // A cell's eight bytes, of which its size count: the room has kCellSlack more than it needs.
  void Append(const AnswerTexts::Cell& cell) {
    std::memcpy(at, cell.text.data(), cell.text.size());
    at += cell.size;
  }
  void Number(int n) {
    if (n >= 0 && n < 10) return Put(char('0' + n));
    const auto cell = std::size_t(n - kFirstListed);
    if (cell >= kListed.size()) {
      at = std::to_chars(at, at + kLongestNumber, n).ptr;
      return;
    }
    Append(kListed[cell]);
    --at;  // its comma
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
  // Each number with its comma from a cell, the last comma then made the bracket; into a copy of
  // `at` from numbers read before: bytes written through a char pointer could be anything, the
  // member and the vector's ends included, which would be read again at every byte.
  void Numbers(const std::vector<int>& numbers) {
    if (numbers.empty()) return Append("[]");
    Bytes out{at};
    out.Put('[');
    for (const int *n = numbers.data(), *end = n + numbers.size(); n != end; ++n) {
      const auto cell = std::size_t(*n - kFirstListed);
      if (cell < kListed.size()) {
        out.Append(kListed[cell]);
      } else {
        out.Number(*n);
        out.Put(',');
      }
    }
    out.at[-1] = ']';
    at = out.at;
  }
  static constexpr std::size_t kLongestNumber = 11;  // -2147483648
  static constexpr std::size_t kCellSlack = sizeof(AnswerTexts::Cell::text);
  // The numbers of a list of frets or fingers with their commas, from a muted string's -1 up;
  // Number's too, its comma taken back.
  static constexpr int kFirstListed = -1;
  static constexpr auto kListed = [] {
    std::array<AnswerTexts::Cell, 100 - kFirstListed> cells{};
    for (int n = kFirstListed; n < 100; ++n) {
      auto& [text, size] = cells[std::size_t(n - kFirstListed)];
      text = n < 0    ? std::array<char, 8>{'-', char('0' - n), ','}
             : n < 10 ? std::array<char, 8>{char('0' + n), ','}
                      : std::array<char, 8>{char('0' + n / 10), char('0' + n % 10), ','};
      size = std::uint8_t(n < 0 || n >= 10 ? 3 : 2);
    }
    return cells;
  }();
};

// The answer as JSON (keys sorted, as the writer's objects), written at once: a query's thousands
// of answers would otherwise spend as long on the writer's checks as on their bytes.
void WriteAnswer(JsonWriter& json, const Answer& a, AnswerTexts& texts) {
  const AnswerTexts::NamesJson& names = texts.Names(a);
  const std::string* shape = a.shape ? &texts.QuotedName(*a.shape) : nullptr;
  // Keys and punctuation, then the most the values can take: a barre's text, a pitch's (a letter,
  // two accidentals, an octave, quotes and a comma).
  constexpr std::size_t kLongestBarre = 40, kLongestPitch = 5 + Bytes::kLongestNumber + 1;
  const std::size_t most =
      128 + names.members.size() + (shape ? shape->size() : 0) +
      (a.frets.size() + a.fingers.size() + 1) * (Bytes::kLongestNumber + 1) +
      (2 * a.barres.size() + 1) * kLongestBarre + a.pitches.size() * kLongestPitch +
      Bytes::kCellSlack;
  AnswerTexts::Spelling& spelling = *names.spelling;
  json.RawInPlace(most, [&](char* at) {
    Bytes out{at};
    out.Append("{\"barre\":");
    out.Append(a.barres.empty() ? std::string_view("null") : texts.Barre(a.barres.front()));
    out.Append(",\"barres\":");
    out.List(a.barres,
             [&](const voicings::Barre& barre) -> const std::string& { return texts.Barre(barre); });
    out.Append(",\"fingers\":");
    out.Numbers(a.fingers);
    out.Append(",\"frets\":");
    out.Numbers(a.frets);
    out.Append(names.members);
    out.Append(",\"pitches\":[");
    for (std::size_t i = 0; i < a.pitches.size(); ++i) {
      if (i > 0) out.Put(',');
      const AnswerTexts::Cell* cell = spelling.Quoted(a.pitches[i]);
      cell ? out.Append(*cell) : out.Append(spelling.QuotedText(a.pitches[i]));
    }
    out.Append("],\"score\":");
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
