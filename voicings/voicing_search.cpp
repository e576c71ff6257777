#include "voicings/voicing_search.h"

#include <algorithm>

#include "chords/chord_namer.h"
#include "voicings/ranking.h"
#include "voicings/shape_table.h"

namespace fretwise::voicings {
namespace {

using chords::Bit;
using chords::PitchClass;
using chords::PitchClassSet;

// What each string and fret contributes: a bit of the asked pitches (exact mode) or of the pitch
// classes (chord mode); 0 for a fret that sounds nothing asked. Twelve bits at most.
using Bits = std::uint16_t;
inline constexpr int kBitSets = 1 << 12;
inline constexpr std::int8_t kRejected = -1;

struct Query {
  std::array<std::array<Bits, kHighestFret + 1>, kStrings> bits{};
  Bits required = 0;
  // For each set of bits a voicing sounds: how many chord tones it leaves out, or kRejected.
  std::array<std::int8_t, kBitSets> omitted{};
  int bass = -1;  // the pitch class that must sound lowest, or -1
  int root = -1;  // the pitch class the ranking prefers lowest, or -1
  int fullSound = 4;  // strings a voicing sounds before it stops sounding thin
};

struct Option {
  int fret;
  int code;   // the string's digit in the shape index
  int pitch;  // kSilence for a muted string
  Bits bit;
};

inline constexpr int kSilence = 1 << 30;  // above every pitch, so that a muted string is never the bass

// Bits set in each set of twelve: the search counts missing notes at every step.
inline constexpr auto kBitCount = [] {
  std::array<std::int8_t, kBitSets> counts{};
  for (int set = 1; set < kBitSets; ++set) counts[set] = std::int8_t(counts[set >> 1] + (set & 1));
  return counts;
}();

// Walks the strings within one position of the hand: frets window..window+span-1 and the open
// strings, with the lowest fretted fret equal to `window` so that no voicing is found twice.
class Walker {
 public:
  Walker(const Query& query, const SearchOptions& options)
      : q_(query), options_(options), shapes_(ShapesFor(options.span)) {}

  std::vector<Voicing> Run() {
    found_.reserve(1024);
    for (window_ = 0; window_ <= kHighestFret; ++window_) {
      if (Prepare() && Viable(0, 0, window_ == 0)) Walk<0>(0, 0, window_ == 0, kSilence);
    }
    Sort();
    return std::move(found_);
  }

 private:
  // A stable counting sort by score: scores are small, the lists long.
  void Sort() {
    int most = 0;
    for (const Voicing& v : found_) most = std::max(most, v.score);
    std::vector<int> start(most + 2, 0);
    for (const Voicing& v : found_) ++start[v.score + 1];
    for (int i = 1; i <= most + 1; ++i) start[i] += start[i - 1];
    std::vector<Voicing> sorted(found_.size());
    for (const Voicing& v : found_) sorted[start[v.score]++] = v;
    found_ = std::move(sorted);
  }

  // The choices of each string in this window; false when the window cannot sound the chord.
  bool Prepare() {
    const int top = window_ == 0 ? 0 : std::min(kHighestFret, window_ + options_.span - 1);
    reach_[kStrings] = 0;
    reachable_ = 0;
    windowReach_[kStrings] = false;
    for (int s = kStrings - 1; s >= 0; --s) {
      int n = 0;
      const int open = options_.tuning[s];
      choices_[s][n++] = {kMuted, kShapeMuted, kSilence, 0};
      if (q_.bits[s][0]) choices_[s][n++] = {0, kShapeOpen, open, q_.bits[s][0]};
      for (int f = std::max(1, window_); f <= top; ++f) {
        if (q_.bits[s][f]) choices_[s][n++] = {f, kShapeFretted + f - window_, open + f, q_.bits[s][f]};
      }
      counts_[s] = n;
      if (n > 1) reachable_ |= 1u << s;
      reach_[s] = reach_[s + 1];
      for (int i = 0; i < n; ++i) reach_[s] |= choices_[s][i].bit;
      windowReach_[s] = windowReach_[s + 1] || (window_ > 0 && q_.bits[s][window_]);
    }
    return (reach_[0] & q_.required) == q_.required;
  }

  // Whether strings s and up can still complete a voicing: sound every required note (one per
  // string) and, unless one already does, fret the window's lowest fret.
  bool Viable(int s, Bits have, bool reachedWindow) const {
    const Bits missing = q_.required & ~have;
    return (missing & ~reach_[s]) == 0 && kBitCount[missing] <= kStrings - s &&
           (reachedWindow || windowReach_[s]);
  }

  // One string at a time; a template so that each string's step is unrolled.
  template <int S>
  void Walk(Bits have, int shape, bool reachedWindow, int bass) {
    if constexpr (S == kStrings) {
      Leaf(have, shape, bass);
    } else {
      for (int i = 0; i < counts_[S]; ++i) {
        const Option& option = choices_[S][i];
        const Bits next = have | option.bit;
        const bool reached = reachedWindow || option.fret == window_;
        if (!Viable(S + 1, next, reached)) continue;
        frets_[S] = std::int8_t(option.fret);
        Walk<S + 1>(next, shape * (options_.span + kShapeFretted) + option.code, reached,
                    std::min(bass, option.pitch));
      }
    }
  }

  void Leaf(Bits have, int shapeIndex, int bass) {
    const int omitted = q_.omitted[have];
    if (omitted == kRejected || (q_.bass >= 0 && PitchClass(bass) != q_.bass)) return;
    const Shape& shape = shapes_[shapeIndex];
    if (!shape.playable) return;
    Voicing& voicing = found_.emplace_back();
    voicing.frets = frets_;
    voicing.fingering = shape.fingering;
    for (int b = 0; b < shape.fingering.barreCount; ++b) {
      voicing.fingering.barres[b].fret = std::int8_t(voicing.fingering.barres[b].fret + window_ - 1);
    }
    Traits traits;
    traits.fingers = shape.fingering.count;
    traits.barres = shape.fingering.barreCount;
    traits.stretch = shape.stretch;
    traits.innerMutes = shape.innerMutes;
    traits.silent = shape.silent;
    traits.open = shape.open;
    if (shape.highest >= 0) traits.position = window_, traits.highest = window_ + shape.highest;
    traits.bassNotRoot = q_.root >= 0 && PitchClass(bass) != q_.root;
    traits.omitted = omitted;
    traits.thin = std::max(0, q_.fullSound - (kStrings - traits.silent));
    // Muted strings above the bass that this hand position could have sounded.
    traits.fillable = kBitCount[shape.mutedAboveBass & reachable_];
    voicing.score = Score(traits);
  }

  const Query& q_;
  const SearchOptions& options_;
  int window_ = 0;
  std::array<std::array<Option, kMostSpan + 2>, kStrings> choices_{};
  std::array<int, kStrings> counts_{};
  std::array<Bits, kStrings + 1> reach_{};
  std::array<bool, kStrings + 1> windowReach_{};
  Frets frets_{};
  unsigned reachable_ = 0;  // bit s: string s has a note to sound in this window
  std::span<const Shape> shapes_;
  std::vector<Voicing> found_;
};

std::vector<Voicing> Search(const Query& query, const SearchOptions& options) {
  if (options.span < kFewestSpan || options.span > kMostSpan) return {};
  return Walker(query, options).Run();
}

}  // namespace

std::vector<int> Pitches(const Frets& frets, const Tuning& tuning) {
  std::vector<int> pitches;
  for (int s = 0; s < kStrings; ++s) {
    if (frets[s] != kMuted) pitches.push_back(tuning[s] + frets[s]);
  }
  return pitches;
}

std::vector<Voicing> VoicingsOfPitches(std::span<const int> midis, const SearchOptions& options) {
  std::vector<int> asked(midis.begin(), midis.end());
  std::sort(asked.begin(), asked.end());
  asked.erase(std::unique(asked.begin(), asked.end()), asked.end());
  if (asked.empty() || int(asked.size()) > kStrings) return {};

  Query query;
  for (int s = 0; s < kStrings; ++s) {
    for (int f = 0; f <= kHighestFret; ++f) {
      const auto at = std::find(asked.begin(), asked.end(), options.tuning[s] + f);
      if (at != asked.end()) query.bits[s][f] = Bits(1u << (at - asked.begin()));
    }
  }
  query.required = Bits((1u << asked.size()) - 1);
  query.omitted.fill(kRejected);
  query.omitted[query.required] = 0;
  const auto names = chords::NameSymbols(asked);
  query.root = names.empty() ? -1 : names.front().root;
  return Search(query, options);
}

std::vector<Voicing> VoicingsOfChord(const chords::ChordSymbol& chord,
                                     const SearchOptions& options) {
  const chords::ChordQuality& quality = chords::kQualities[chord.quality];
  const PitchClassSet tones = chord.Tones();
  const bool slash = chord.bass != chords::kNoBass;
  const PitchClassSet bassBit = slash ? Bit(chord.bass) : 0;
  const PitchClassSet allowed = tones | bassBit;
  // A slash bass outside the chord is an added note, not one of its tones.
  const PitchClassSet added = bassBit & ~tones;

  Query query;
  for (int s = 0; s < kStrings; ++s) {
    for (int f = 0; f <= kHighestFret; ++f) {
      const PitchClassSet bit = Bit(PitchClass(options.tuning[s] + f));
      if (bit & allowed) query.bits[s][f] = bit;
    }
  }
  query.required = chords::TransposeUp(RequiredTones(quality), chord.root) | bassBit;
  query.omitted.fill(kRejected);
  // Every subset of the allowed pitch classes, walked as submasks.
  for (unsigned have = allowed;; have = (have - 1) & allowed) {
    const PitchClassSet intervals = chords::Transpose(PitchClassSet(have & ~added), chord.root);
    if ((have & query.required) == query.required && chords::Sounds(quality, intervals)) {
      query.omitted[have] = std::int8_t(chords::Count(quality.tones & ~intervals));
    }
    if (have == 0) break;
  }
  // A power chord sounds full on three strings.
  query.fullSound = std::min(4, chords::Count(tones | bassBit) + 1);
  query.bass = slash ? chord.bass : -1;
  // The slash bass, else the root, is the bass a player looks for.
  query.root = slash ? chord.bass : chord.root;
  return Search(query, options);
}

}  // namespace fretwise::voicings
