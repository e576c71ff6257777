#include "finder/finder_query.h"

#include <algorithm>

#include "chords/chord_namer.h"
#include "pitch/pitch.h"

namespace fretwise::finder {
namespace {

constexpr std::size_t kLongestQuoted = 40;  // bytes of the player's text a reason repeats

std::string Quoted(std::string_view text) {
  if (text.size() > kLongestQuoted) {
    std::size_t cut = kLongestQuoted;
    while (cut > 0 && (static_cast<unsigned char>(text[cut]) & 0xC0) == 0x80) --cut;
    return "「" + std::string(text.substr(0, cut)) + "…」";
  }
  return "「" + std::string(text) + "」";
}

std::vector<std::string_view> Words(std::string_view text) {
  std::vector<std::string_view> words;
  for (std::size_t start = 0; start < text.size();) {
    // The ideographic space is three bytes; single spaces and tabs one.
    const std::size_t end = std::min(text.find_first_of(" \t", start), text.find("\u3000", start));
    if (end > start) words.push_back(text.substr(start, end - start));
    if (end == std::string_view::npos) break;
    start = end + (text[end] == ' ' || text[end] == '\t' ? 1 : 3);
  }
  return words;
}

// Why a word that is not a chord symbol is not one: its root, its quality or its slash bass.
std::string SymbolReason(std::string_view symbol) {
  const std::string lead = Quoted(symbol) + "はコード名ではありません: ";
  const auto root = ReadNoteName(symbol);
  if (!root) return lead + "根音 (A〜G) で始めます";
  const std::string_view rest = symbol.substr(root->length);
  const auto slash = rest.rfind('/');
  if (slash != std::string_view::npos &&
      chords::ParseChordSymbol(symbol.substr(0, root->length + slash))) {
    return lead + "/ の後ろはベースの音名 (A〜G) です";
  }
  return lead + Quoted(rest.substr(0, slash)) + "という種類はありません";
}

}  // namespace

ReadQuery ReadFinderText(std::string_view text) {
  const std::vector<std::string_view> words = Words(text);
  if (words.empty()) return {{}, "コード名か音名を入力してください (Am7、C/E、C3 E3 G3)"};
  if (words.size() == 1) {
    std::string symbol(words.front());
    if (symbol[0] >= 'a' && symbol[0] <= 'g') symbol[0] = char(symbol[0] - 'a' + 'A');
    if (auto chord = chords::ParseChordSymbol(symbol))
      return {FinderQuery{std::move(chord), {}}, {}};
    if (!ParsePitch(symbol)) return {{}, SymbolReason(symbol)};
  }
  std::vector<int> midis;
  for (const std::string_view word : words) {
    const auto midi = ParsePitch(word);
    if (!midi) return {{}, Quoted(word) + "は音名ではありません (C3、F#4、Bb2 のように)"};
    midis.push_back(*midi);
  }
  return {ExactPitches(std::move(midis)), {}};
}

FinderQuery ExactPitches(std::vector<int> midis) {
  std::ranges::sort(midis);
  midis.erase(std::unique(midis.begin(), midis.end()), midis.end());
  return {std::nullopt, std::move(midis)};
}

std::vector<std::string> NamesOf(const FinderQuery& query) {
  if (!query.chord) return chords::NameChord(query.pitches);
  const chords::ChordSymbol& chord = *query.chord;
  // The tones in one octave above the bass, as a close voicing sounds them.
  const int bass = chord.bass == chords::kNoBass ? chord.root : chord.bass;
  std::vector<int> pitches = {48 + bass};
  for (int pc = 0; pc < 12; ++pc)
    if ((chord.Tones() & Bit(pc)) && pc != bass)
      pitches.push_back(48 + bass + PitchClass(pc - bass));
  std::vector<std::string> names = {chords::SymbolText(chord)};
  for (std::string& name : chords::NameChord(pitches))
    if (name != names.front()) names.push_back(std::move(name));
  return names;
}

std::string FieldText(const FinderQuery& query) {
  if (query.chord) return chords::SymbolText(*query.chord);
  std::string text;
  for (const int midi : query.pitches) text += (text.empty() ? "" : " ") + PitchName(midi);
  return text;
}

}  // namespace fretwise::finder
