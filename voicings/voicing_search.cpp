#include "voicings/voicing_search.h"

#include <algorithm>

#include "chords/chord_namer.h"
#include "voicings/ranking.h"

namespace fretwise::voicings {
namespace {

using chords::Bit;
using chords::PitchClass;
using chords::PitchClassSet;

// What each string and fret contributes to the query: a bit of the asked pitches (exact mode) or
// of the pitch classes (chord mode); 0 for a fret that sounds nothing asked.
using Bits = std::uint16_t;
using FretBits = std::array<std::array<Bits, kHighestFret + 1>, kStrings>;

struct Option {
  int fret;
  Bits bit;
};

// `accept(have, lowest pitch)` gives the number of chord tones left out, or -1 to reject.
// Walks the strings within one position of the hand: frets window..window+span-1 and the open
// strings, with the lowest fretted fret equal to `window` so that no voicing is found twice.
template <class Accept>
class Walker {
 public:
  Walker(const FretBits& bits, Bits required, const SearchOptions& options, int root,
         Accept accept)
      : bits_(bits), required_(required), options_(options), root_(root), accept_(accept) {}

  std::vector<Voicing> Run() {
    for (window_ = 0; window_ <= kHighestFret; ++window_) {
      const int top = window_ == 0 ? 0 : std::min(kHighestFret, window_ + options_.span - 1);
      reach_[kStrings] = 0;
      for (int s = kStrings - 1; s >= 0; --s) {
        int n = 0;
        choices_[s][n++] = {kMuted, 0};
        if (bits_[s][0]) choices_[s][n++] = {0, bits_[s][0]};
        for (int f = std::max(1, window_); f <= top; ++f) {
          if (bits_[s][f]) choices_[s][n++] = {f, bits_[s][f]};
        }
        counts_[s] = n;
        reach_[s] = reach_[s + 1];
        for (int i = 0; i < n; ++i) reach_[s] |= choices_[s][i].bit;
      }
      if ((reach_[0] & required_) == required_) Walk(0, 0, window_ == 0);
    }
    std::sort(found_.begin(), found_.end(), [](const Voicing& a, const Voicing& b) {
      return a.score != b.score ? a.score < b.score : a.frets < b.frets;
    });
    return std::move(found_);
  }

 private:
  void Walk(int s, Bits have, bool reachedWindow) {
    if (((have | reach_[s]) & required_) != required_) return;
    if (s == kStrings) {
      if (reachedWindow) Leaf(have);
      return;
    }
    for (int i = 0; i < counts_[s]; ++i) {
      frets_[s] = choices_[s][i].fret;
      Walk(s + 1, have | choices_[s][i].bit, reachedWindow || frets_[s] == window_);
    }
  }

  void Leaf(Bits have) {
    int bass = 1 << 30;
    for (int s = 0; s < kStrings; ++s) {
      if (frets_[s] != kMuted) bass = std::min(bass, options_.tuning[s] + frets_[s]);
    }
    const int omitted = accept_(have, bass);
    if (omitted < 0) return;
    const auto fingering = Finger(frets_, options_.span);
    if (!fingering) return;
    found_.push_back(
        {frets_, *fingering, Score(frets_, *fingering, options_.tuning, root_, omitted)});
  }

  const FretBits& bits_;
  const Bits required_;
  const SearchOptions& options_;
  const int root_;
  Accept accept_;
  int window_ = 0;
  std::array<std::array<Option, kMostSpan + 2>, kStrings> choices_{};
  std::array<int, kStrings> counts_{};
  std::array<Bits, kStrings + 1> reach_{};
  Frets frets_{};
  std::vector<Voicing> found_;
};

template <class Accept>
std::vector<Voicing> Search(const FretBits& bits, Bits required, const SearchOptions& options,
                            int root, Accept accept) {
  if (options.span < kFewestSpan || options.span > kMostSpan) return {};
  return Walker<Accept>(bits, required, options, root, accept).Run();
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

  FretBits bits{};
  for (int s = 0; s < kStrings; ++s) {
    for (int f = 0; f <= kHighestFret; ++f) {
      const auto at = std::find(asked.begin(), asked.end(), options.tuning[s] + f);
      if (at != asked.end()) bits[s][f] = Bits(1u << (at - asked.begin()));
    }
  }
  const Bits all = Bits((1u << asked.size()) - 1);
  const auto names = chords::NameSymbols(asked);
  const int root = names.empty() ? -1 : names.front().root;
  return Search(bits, all, options, root, [all](Bits have, int) { return have == all ? 0 : -1; });
}

std::vector<Voicing> VoicingsOfChord(const chords::ChordSymbol& chord,
                                     const SearchOptions& options) {
  const chords::ChordQuality& quality = chords::kQualities[chord.quality];
  const PitchClassSet tones = chord.Tones();
  const bool slash = chord.bass != chords::kNoBass;
  const PitchClassSet bassBit = slash ? Bit(chord.bass) : 0;
  // A slash bass outside the chord is an added note, not one of its tones.
  const PitchClassSet added = bassBit & ~tones;

  FretBits bits{};
  for (int s = 0; s < kStrings; ++s) {
    for (int f = 0; f <= kHighestFret; ++f) {
      const PitchClassSet bit = Bit(PitchClass(options.tuning[s] + f));
      if (bit & (tones | bassBit)) bits[s][f] = bit;
    }
  }
  const Bits required = chords::TransposeUp(RequiredTones(quality), chord.root) | bassBit;
  auto accept = [&](Bits have, int bass) {
    if (slash && PitchClass(bass) != chord.bass) return -1;
    const PitchClassSet intervals = chords::Transpose(have & ~added, chord.root);
    if (!chords::Sounds(quality, intervals)) return -1;
    return chords::Count(quality.tones & ~intervals);
  };
  // The slash bass, else the root, is the bass a player looks for.
  return Search(bits, required, options, slash ? chord.bass : chord.root, accept);
}

}  // namespace fretwise::voicings
