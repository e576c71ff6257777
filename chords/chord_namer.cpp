#include "chords/chord_namer.h"

#include <algorithm>

#include "chords/spelling.h"

namespace fretwise::chords {
namespace {

struct RankedName {
  ChordSymbol symbol;
  int cost;
};

// Lower is a better name; the quality's place in kQualities is the base. Any name with the root in
// the bass comes before every inversion (C6 before Am7/C, Am7 before C6/A). A triad over a foreign
// bass counts as an inversion of the triad, so C/Bb comes before C7/Bb, as players write a bass
// line, and E/F before the rare Fmmaj7b5 (rare qualities cost kRareCost). A missing third costs
// more than a missing fifth, ninth or eleventh.
constexpr int kInversionCost = 52;
constexpr int kRareCost = 55;
constexpr int kMissingThirdCost = 60;
constexpr int kMissingToneCost = 45;  // the first; each further one adds
constexpr int kFurtherMissingToneCost = 5;

void AddNames(PitchClassSet set, int bass, bool foreignBass, std::vector<RankedName>& out) {
  // Roots from the bass down, so that of two names that cost the same the one whose bass is the
  // lower chord tone comes first (C7b5/E, the third in the bass, before F#7b5/E), in every key.
  for (int below = 0; below < 12; ++below) {
    const int root = PitchClass(bass - below);
    if (!(set & Bit(root))) continue;
    const PitchClassSet intervals = Transpose(set, root);
    for (std::size_t q = 0; q < kQualities.size(); ++q) {
      const ChordQuality& quality = kQualities[q];
      if (!Sounds(quality, intervals)) continue;
      // Over a foreign bass players write only a major or minor triad (C/F, Cm/Bb).
      if (foreignBass && (q > 1 || (quality.tones & Bit(PitchClass(bass - root))))) continue;
      ChordSymbol symbol;
      symbol.root = root;
      symbol.quality = int(q);
      symbol.rootName = RootName(root, IsMinor(quality));
      symbol.bass = bass == root ? kNoBass : bass;
      const PitchClassSet missing = quality.tones & ~intervals;
      const PitchClassSet thirds = interval::m3 | interval::M3;
      const int others = Count(missing & ~thirds);
      const int cost = int(q) + (quality.rare ? kRareCost : 0) +
                       (others ? kMissingToneCost + (others - 1) * kFurtherMissingToneCost : 0) +
                       ((missing & thirds) ? kMissingThirdCost : 0) +
                       (bass == root ? 0 : kInversionCost);
      out.push_back({symbol, cost});
    }
  }
}

}  // namespace

std::vector<ChordSymbol> NameSymbols(std::span<const int> midis) {
  if (midis.empty()) return {};
  PitchClassSet set = 0;
  for (int midi : midis) set |= Bit(PitchClass(midi));
  const int bass = PitchClass(*std::min_element(midis.begin(), midis.end()));

  std::vector<RankedName> candidates;
  AddNames(set, bass, false, candidates);
  // A bass note outside the chord above it: C/F.
  if (Count(set) >= 4) AddNames(set & ~Bit(bass), bass, true, candidates);
  std::stable_sort(candidates.begin(), candidates.end(),
                   [](const RankedName& a, const RankedName& b) { return a.cost < b.cost; });
  std::vector<ChordSymbol> names;
  for (const RankedName& c : candidates) names.push_back(c.symbol);
  return names;
}

std::vector<ChordSymbol> DistinctNames(std::span<const int> midis) {
  std::vector<ChordSymbol> names;
  std::vector<std::string> texts;
  for (ChordSymbol& symbol : NameSymbols(midis)) {
    std::string text = SymbolText(symbol);
    if (std::find(texts.begin(), texts.end(), text) != texts.end()) continue;
    texts.push_back(std::move(text));
    names.push_back(std::move(symbol));
  }
  return names;
}

std::vector<std::string> NameChord(std::span<const int> midis) {
  std::vector<std::string> texts;
  for (const ChordSymbol& symbol : DistinctNames(midis)) texts.push_back(SymbolText(symbol));
  return texts;
}

}  // namespace fretwise::chords
