#include "chordpro/chordpro.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <charconv>
#include <map>

#include "chords/chord_symbol.h"

namespace fretwise::chordpro {
namespace {

using chordbox::ChordBox;
using chordbox::StringNote;

constexpr std::string_view kSpace = " \t\r\n";
// The words a define's values run up to.
constexpr std::array<std::string_view, 9> kShapeKeywords = {
    "base-fret", "frets", "fingers", "keys", "copy", "copyall", "display", "format", "diagram"};
constexpr std::array<std::string_view, 4> kMutedTokens = {"x", "X", "N", "-1"};
// Base and relative frets alike; past any neck.
constexpr int kHighestFret = 24;

std::string_view Trim(std::string_view text) {
  const std::size_t first = text.find_first_not_of(kSpace);
  if (first == std::string_view::npos) return {};
  return text.substr(first, text.find_last_not_of(kSpace) - first + 1);
}

std::vector<std::string_view> Words(std::string_view text) {
  std::vector<std::string_view> words;
  for (std::size_t at = text.find_first_not_of(kSpace); at != std::string_view::npos;) {
    const std::size_t end = std::min(text.find_first_of(kSpace, at), text.size());
    words.push_back(text.substr(at, end - at));
    at = text.find_first_not_of(kSpace, end);
  }
  return words;
}

std::optional<int> Number(std::string_view word) {
  int value = 0;
  const auto [end, error] = std::from_chars(word.data(), word.data() + word.size(), value);
  if (error != std::errc() || end != word.data() + word.size()) return std::nullopt;
  return value;
}

bool IsKeyword(std::string_view word) {
  return std::ranges::find(kShapeKeywords, word) != kShapeKeywords.end();
}

// A directive's name, lower case, and its value: "{t: Song}" is {"t", "Song"}.
std::pair<std::string, std::string_view> Directive(std::string_view line) {
  const std::size_t close = line.rfind('}');
  const std::string_view inside =
      line.substr(1, close == std::string_view::npos ? line.npos : close - 1);
  const std::size_t split = std::min(inside.find_first_of(": \t"), inside.size());
  std::string name(Trim(inside.substr(0, split)));
  std::ranges::transform(name, name.begin(), [](unsigned char c) { return std::tolower(c); });
  const std::string_view value = split < inside.size() ? inside.substr(split + 1) : "";
  return {name, Trim(value)};
}

}  // namespace

std::optional<ChordBox> ReadShape(std::string_view body) {
  const std::vector<std::string_view> words = Words(body);
  if (words.empty()) return std::nullopt;
  std::map<std::string_view, std::vector<std::string_view>> values;
  std::string_view keyword;
  for (std::size_t i = 1; i < words.size(); ++i) {
    if (IsKeyword(words[i]))
      keyword = words[i], values[keyword];
    else if (!keyword.empty())
      values[keyword].push_back(words[i]);
    else
      return std::nullopt;
  }
  const auto& frets = values["frets"];
  const auto& fingers = values["fingers"];
  const auto& base = values["base-fret"];
  const std::optional<int> first = base.empty() ? 1 : Number(base.size() == 1 ? base[0] : "");
  const int strings = static_cast<int>(frets.size());
  if (!first || *first < 1 || *first > kHighestFret || strings < chordbox::kFewestStrings ||
      strings > chordbox::kMostStrings || (!fingers.empty() && fingers.size() != frets.size()))
    return std::nullopt;
  ChordBox box;
  box.name = words[0];
  box.strings = strings;
  box.firstFret = *first;
  for (int i = 0; i < strings; ++i) {
    StringNote note;
    if (std::ranges::find(kMutedTokens, frets[i]) == kMutedTokens.end()) {
      const std::optional<int> fret = Number(frets[i]);
      if (!fret || *fret < 0 || *fret > kHighestFret) return std::nullopt;
      note.fret = *fret == 0 ? 0 : *first + *fret - 1;
    }
    const std::optional<int> finger = fingers.empty() ? 0 : Number(fingers[i]);
    if (note.fret > 0 && finger && *finger >= 1 && *finger <= 4) note.finger = *finger;
    box.notes.push_back(note);
  }
  box.barres = chordbox::BarresOfFingers(box.notes);
  return box;
}

Song ReadSong(std::string_view text) {
  if (text.starts_with("\xEF\xBB\xBF")) text.remove_prefix(3);
  Song song;
  std::vector<std::string> used;
  std::map<std::string, ChordBox, std::less<>> shapes;
  const auto use = [&](std::string_view name) {
    if (!name.empty() && std::ranges::find(used, name) == used.end()) used.emplace_back(name);
  };
  bool inTab = false;
  for (std::size_t at = 0; at <= text.size();) {
    const std::size_t end = std::min(text.find('\n', at), text.size());
    const std::string_view line = Trim(text.substr(at, end - at));
    at = end + 1;
    if (line.starts_with('#')) continue;
    if (line.starts_with('{')) {
      const auto [name, value] = Directive(line);
      if ((name == "title" || name == "t") && song.title.empty()) song.title = value;
      if (name == "start_of_tab" || name == "sot") inTab = true;
      if (name == "end_of_tab" || name == "eot") inTab = false;
      if (name == "define" || name == "chord") {
        if (std::optional<ChordBox> shape = ReadShape(value)) shapes[shape->name] = *shape;
        if (name == "chord" && !Words(value).empty()) use(Words(value).front());
      }
      continue;
    }
    for (std::size_t open = line.find('['); !inTab && open != line.npos;
         open = line.find('[', open + 1)) {
      const std::size_t close = line.find(']', open);
      if (close == line.npos) break;
      use(Trim(line.substr(open + 1, close - open - 1)));
    }
  }
  for (const std::string& name : used) {
    const auto shape = shapes.find(name);
    if (shape != shapes.end())
      song.chords.push_back({name, shape->second});
    else if (!name.starts_with('*') && chords::ParseChordSymbol(name))
      song.chords.push_back({name, std::nullopt});
  }
  return song;
}

std::string DefineLine(const ChordBox& box) {
  if (box.notes.empty()) return {};
  std::string frets, fingers;
  for (const StringNote& note : box.notes) {
    frets += ' ';
    frets += note.fret == chordbox::kMuted ? "x"
             : note.fret == 0              ? "0"
                                           : std::to_string(note.fret - box.firstFret + 1);
    fingers += ' ' + std::to_string(note.finger);
  }
  return "{define: " + box.name + " base-fret " + std::to_string(box.firstFret) + " frets" + frets +
         " fingers" + fingers + "}";
}

}  // namespace fretwise::chordpro
