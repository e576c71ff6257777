#include "chords/chord_symbol.h"

#include <algorithm>
#include <array>

#include "chords/spelling.h"

namespace fretwise::chords {
namespace {

struct Synonym {
  std::string_view text;
  std::string_view suffix;  // canonical, as in kQualities
};

// Other ways players write the qualities; the canonical suffixes are read as they are.
constexpr std::array<Synonym, 50> kSynonyms = {{{"M", ""},
                                                {"maj", ""},
                                                {"min", "m"},
                                                {"-", "m"},
                                                {"mi", "m"},
                                                {"\u00B0", "dim"},
                                                {"o", "dim"},
                                                {"\u00B07", "dim7"},
                                                {"o7", "dim7"},
                                                {"+", "aug"},
                                                {"sus", "sus4"},
                                                {"7sus", "7sus4"},
                                                {"min7", "m7"},
                                                {"-7", "m7"},
                                                {"mi7", "m7"},
                                                {"M7", "maj7"},
                                                {"\u0394", "maj7"},
                                                {"\u03947", "maj7"},
                                                {"ma7", "maj7"},
                                                {"\u00F8", "m7b5"},
                                                {"\u00F87", "m7b5"},
                                                {"-7b5", "m7b5"},
                                                {"m7(b5)", "m7b5"},
                                                {"7(b5)", "7b5"},
                                                {"aug7", "7#5"},
                                                {"+7", "7#5"},
                                                {"7+5", "7#5"},
                                                {"aug9", "9#5"},
                                                {"+9", "9#5"},
                                                {"mM7", "mmaj7"},
                                                {"m(maj7)", "mmaj7"},
                                                {"-maj7", "mmaj7"},
                                                {"min6", "m6"},
                                                {"-6", "m6"},
                                                {"69", "6/9"},
                                                {"m69", "m6/9"},
                                                {"min9", "m9"},
                                                {"-9", "m9"},
                                                {"M9", "maj9"},
                                                {"\u03949", "maj9"},
                                                {"min11", "m11"},
                                                {"-11", "m11"},
                                                {"M13", "maj13"},
                                                {"add2", "add9"},
                                                {"m(add9)", "madd9"},
                                                {"9sus", "9sus4"},
                                                {"7b9#5", "7#5b9"},
                                                {"7#9#5", "7#5#9"},
                                                {"m9(b5)", "m9b5"},
                                                {"\u00F89", "m9b5"}}};

std::optional<int> QualityIndex(std::string_view text) {
  for (const Synonym& s : kSynonyms) {
    if (s.text == text) text = s.suffix;
  }
  const auto found = std::find_if(kQualities.begin(), kQualities.end(),
                                  [&](const ChordQuality& q) { return q.suffix == text; });
  if (found == kQualities.end()) return std::nullopt;
  return int(found - kQualities.begin());
}

}  // namespace

std::optional<ChordSymbol> ParseChordSymbol(std::string_view text) {
  const auto root = ReadNoteName(text);
  if (!root) return std::nullopt;
  ChordSymbol symbol;
  symbol.root = root->pitchClass;
  // The written letter and accidental, with the signs ♯ and ♭ as '#' and 'b'.
  symbol.rootName = std::string(1, text[0]);
  if (root->length > 1) {
    const std::string_view sign = text.substr(1, root->length - 1);
    symbol.rootName += (sign == "b" || sign == "\u266D") ? "b" : "#";
  }
  std::string_view rest = text.substr(root->length);
  constexpr std::string_view kNoThird = "(no3)";
  if (const auto at = rest.find(kNoThird); at != std::string_view::npos) {
    const auto quality = QualityIndex(rest.substr(0, at));
    const std::string_view after = rest.substr(at + kNoThird.size());
    if (!quality || ThirdOf(kQualities[*quality]) == 0 || (!after.empty() && after[0] != '/'))
      return std::nullopt;
    auto symbol =
        ParseChordSymbol(std::string(text.substr(0, root->length + at)) + std::string(after));
    if (symbol) symbol->noThird = true;
    return symbol;
  }

  // "6/9" is a quality, not a slash chord.
  if (const auto whole = QualityIndex(rest)) {
    symbol.quality = *whole;
    return symbol;
  }
  const auto slash = rest.rfind('/');
  if (slash == std::string_view::npos) return std::nullopt;
  const auto quality = QualityIndex(rest.substr(0, slash));
  const std::string_view bassText = rest.substr(slash + 1);
  const auto bass = ReadNoteName(bassText);
  if (!quality || !bass || bass->length != bassText.size()) return std::nullopt;
  symbol.quality = *quality;
  symbol.bass = bass->pitchClass;
  return symbol;
}

std::string SymbolText(const ChordSymbol& symbol) {
  const ChordQuality& quality = kQualities[symbol.quality];
  std::string text;
  // "(no3)", and a slash and a bass of two letters at most.
  text.reserve(symbol.rootName.size() + quality.suffix.size() + (symbol.noThird ? 5 : 0) +
               (symbol.bass != kNoBass ? 3 : 0));
  text += symbol.rootName;
  text += quality.suffix;
  if (symbol.noThird) text += "(no3)";
  if (symbol.bass != kNoBass) {
    text += '/';
    text += BassName(symbol.rootName, symbol.bass, RaisesFifth(quality));
  }
  return text;
}

}  // namespace fretwise::chords
