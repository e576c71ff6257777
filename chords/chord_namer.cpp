#include "chords/chord_namer.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cstdint>

#include "chords/spelling.h"

namespace fretwise::chords {
namespace {

struct RankedName {
  ChordSymbol symbol;
  int cost;
};

// Lower is a better name; the quality's place in kQualities is the base. Any name with the root in
// the bass comes before every inversion (C6 before Am7/C, Am7 before C6/A, Cmaj7 before Em/C),
// and an inversion before a chord over a bass outside it (D7/C before D/C: a slash name keeps every
// upper tone). A left-out fifth costs next to nothing, and so does the eleventh of a thirteenth,
// which players leave out; a left-out root (a rootless voicing) costs a little; a left-out ninth
// costs nearly an inversion, so that C7sus4/G comes before a Gm11 without its ninth; a left-out
// third more.
constexpr int kInversionCost = 60;
constexpr int kForeignBassCost = 40;
constexpr int kMissingFifthCost = 2;
constexpr int kMissingRootCost = 70;
constexpr int kMissingNinthCost = 50;
constexpr int kMissingThirdCost = 90;

int MissingCost(PitchClassSet missing) {
  using namespace interval;
  return (missing & R ? kMissingRootCost : 0) + (missing & P5 ? kMissingFifthCost : 0) +
         (missing & n11 ? kMissingFifthCost : 0) + (missing & n9 ? kMissingNinthCost : 0);
}

// The qualities each set of intervals sounds, as bits of their places in kQualities, worked out
// when compiling: naming tries twelve roots, and looks at only those qualities for each.
constexpr std::size_t kQualityWords = (kQualities.size() + 63) / 64;
constexpr auto kSounding = [] {
  std::array<std::array<std::uint64_t, kQualityWords>, 1 << 12> sounding{};
  for (unsigned intervals = 0; intervals < sounding.size(); ++intervals)
    for (std::size_t q = 0; q < kQualities.size(); ++q)
      if (Sounds(kQualities[q], PitchClassSet(intervals)))
        sounding[intervals][q / 64] |= std::uint64_t(1) << (q % 64);
  return sounding;
}();

// The first quality from `from` on that the intervals sound, or kQualities.size() when none.
std::size_t NextSounding(PitchClassSet intervals, std::size_t from) {
  for (std::size_t word = from / 64; word < kQualityWords; ++word) {
    std::uint64_t bits = kSounding[intervals][word];
    if (word == from / 64) bits &= ~std::uint64_t(0) << (from % 64);
    if (bits != 0) return 64 * word + std::size_t(std::countr_zero(bits));
  }
  return kQualities.size();
}

void AddNames(PitchClassSet set, int bass, bool foreignBass, std::vector<RankedName>& out) {
  // Roots from the bass down, so that of two names that cost the same the one whose bass is the
  // lower chord tone comes first (C7b5/E, the third in the bass, before F#7b5/E), in every key.
  for (int below = 0; below < 12; ++below) {
    const int root = PitchClass(bass - below);
    const PitchClassSet intervals = Transpose(set, root);
    for (std::size_t q = NextSounding(intervals, 0); q < kQualities.size();
         q = NextSounding(intervals, q + 1)) {
      const ChordQuality& quality = kQualities[q];
      // A name that leaves out its third says so, and only where the quality may leave it out
      // (C9(no3)); a suspended quality is the better name.
      const bool noThird = (ThirdOf(quality) & ~intervals) != 0;
      if (noThird && (!(ThirdOf(quality) & quality.optional) || !(intervals & interval::R)))
        continue;
      // A rootless name needs the bass to be a chord tone, and over a foreign bass the root sounds.
      if (!(intervals & interval::R) &&
          (foreignBass || !(quality.tones & Bit(PitchClass(bass - root)))))
        continue;
      if (foreignBass && (quality.tones & Bit(PitchClass(bass - root)))) continue;
      ChordSymbol symbol;
      symbol.root = root;
      symbol.quality = int(q);
      symbol.rootName = RootName(root, quality);
      symbol.bass = bass == root ? kNoBass : bass;
      symbol.noThird = noThird;
      const int cost = int(q) + MissingCost(quality.tones & ~intervals) +
                       (noThird ? kMissingThirdCost : 0) + (bass == root ? 0 : kInversionCost) +
                       (foreignBass ? kForeignBassCost : 0);
      out.push_back({symbol, cost});
    }
  }
}

}  // namespace

std::vector<ChordSymbol> NameSymbols(std::span<const int> midis, Bass bass) {
  if (midis.empty()) return {};
  PitchClassSet set = 0;
  for (int midi : midis) set |= Bit(PitchClass(midi));
  const int lowest = PitchClass(*std::min_element(midis.begin(), midis.end()));

  std::vector<RankedName> candidates;
  if (bass == Bass::kLowestPitch) {
    AddNames(set, lowest, false, candidates);
    // A bass note outside the chord above it: C/F.
    if (Count(set) >= 4) AddNames(set & ~Bit(lowest), lowest, true, candidates);
  } else {
    // Every root as if it were in the bass, in the order of the lowest pitch's roots.
    std::vector<RankedName> each;
    for (int below = 0; below < 12; ++below) {
      const int root = PitchClass(lowest - below);
      each.clear();
      AddNames(set, root, false, each);
      for (const RankedName& name : each)
        if (name.symbol.bass == kNoBass) candidates.push_back(name);
    }
  }
  std::stable_sort(candidates.begin(), candidates.end(),
                   [](const RankedName& a, const RankedName& b) { return a.cost < b.cost; });
  std::vector<ChordSymbol> names;
  for (const RankedName& c : candidates) names.push_back(c.symbol);
  return names;
}

std::vector<ChordSymbol> DistinctNames(std::span<const int> midis, Bass bass,
                                       std::vector<std::string>* made) {
  std::vector<ChordSymbol> names;
  std::vector<std::string> own;
  std::vector<std::string>& texts = made ? *made : own;
  texts.clear();
  for (ChordSymbol& symbol : NameSymbols(midis, bass)) {
    std::string text = SymbolText(symbol);
    if (std::find(texts.begin(), texts.end(), text) != texts.end()) continue;
    texts.push_back(std::move(text));
    names.push_back(std::move(symbol));
  }
  return names;
}

std::vector<std::string> NameChord(std::span<const int> midis) {
  std::vector<std::string> texts;
  DistinctNames(midis, Bass::kLowestPitch, &texts);
  return texts;
}

}  // namespace fretwise::chords
