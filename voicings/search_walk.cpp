// The search: one walk over the strings, the highest-numbered first, that keeps the fretted notes
// within the span as it goes, so that each voicing is met once.
#include <algorithm>

#include "pitch/pitch.h"
#include "voicings/found_list.h"
#include "voicings/search_query.h"
#include "voicings/search_steps.h"
#include "voicings/shape_table.h"

namespace fretwise::voicings {
namespace {

using namespace walk;

// N strings: a template, so that each string's step is unrolled.
template <int N>
class Walker {
 public:
  Walker(const Query& query, const SearchOptions& options, FoundLists& lists)
      : q_(query),
        span_(options.span),
        tuning_(options.tuning),
        neck_(options.frets),
        table_(ShapesFor(N, options.span)),
        top_(query.octaveRepeats ? std::min(neck_, kOctave - 1 + span_) : neck_),
        found_(lists.found),
        movedUp_(lists.movedUp),
        order_(lists.order) {
    frets_.fill(kMuted);
    fretsUp_.fill(kMuted);
    for (int s = N - 1; s >= 0; --s) PrepareString(s);
    PreparePoints();
  }

  // The ranked list, or with `each` nothing: each voicing goes to it in turn.
  std::vector<Voicing> Run(const EachVoicing* each) {
    found_.clear();
    movedUp_.clear();
    const int from = From(kNoHighest), to = To(kNoLowest);
    if (Viable(0, 0, from, to))
      Walk<0>(0, kNoLowest, kNoHighest, from, to, Lowest{}, Lowest{}, 0, 0);
    const Hands hands{table_, N, span_};
    if (!each) return Ranked(found_, movedUp_, start_, hands);
    EachRanked(found_, movedUp_, start_, hands, order_, *each);
    return {};
  }

 private:
  // The string's frets that sound something asked, and what the strings from s up can sound
  // within any run of frets (string s + 1 first).
  void PrepareString(int s) {
    int n = 0;
    int weight = 1;
    for (int t = s + 1; t < N; ++t) weight *= span_ + kShapeFretted;
    options_[s][n++] = {kMuted, 0,         kSilence,  kSilence, kMuted, kShapeMuted * weight,
                        0,      kNoLowest, kNoHighest};
    if (q_.bits[s][0]) {
      const int open = Sounding(tuning_[s]);
      options_[s][n++] = {0, q_.bits[s][0], open,      open, 0, kShapeOpen * weight,
                          0, kNoLowest,     kNoHighest};
    }
    for (int f = 1; f <= top_; ++f) {
      if (!q_.bits[s][f]) continue;
      const int pitch = Sounding(tuning_[s] + f), pitchUp = Sounding(tuning_[s] + f + kOctave);
      const auto fret = std::int8_t(f), fretUp = std::int8_t(f + kOctave);
      const int digit = (kShapeFretted + f) * weight;
      options_[s][n++] = {fret, q_.bits[s][f], pitch, pitchUp, fretUp, digit, weight, f, f};
    }
    for (int f = neck_ + 1, i = n; f >= 1; --f) {
      while (i > 0 && options_[s][i - 1].fret >= f) --i;
      firstFretted_[s][f] = i;
    }
    Bits any = rangeReach_[s + 1][1][kAnyFret];
    for (int o = 0; o < n; ++o) any |= options_[s][o].bit;
    for (int from = 1; from <= top_; ++from) {  // the walk never starts a run higher
      Bits own = q_.bits[s][0];
      for (int len = 0; len < kAnyFret; ++len) {
        if (from + len <= top_) own |= q_.bits[s][from + len];
        rangeReach_[s][from][len] = own | rangeReach_[s + 1][from][len];
      }
      rangeReach_[s][from][kAnyFret] = any;
    }
  }

  // The points of each trait that the shape table does not hold, and where the hand could have
  // sounded a muted string.
  void PreparePoints() {
    for (int p = 0; p <= neck_; ++p) positionPoints_[p] = Score({.position = p});
    for (int n = 0; n < int(omittedPoints_.size()); ++n) omittedPoints_[n] = Score({.omitted = n});
    for (int n = 0; n <= N; ++n) {
      fillablePoints_[n] = Score({.fillable = n});
      rootBelowPoints_[n] = q_.octaveRepeats && q_.bass < 0 ? Score({.rootBelow = n}) : 0;
      thinPoints_[n] = Score({.thin = std::max(0, std::min(q_.fullSound, N) - n)});
    }
    bassPoints_ = q_.root >= 0 ? Score({.bassNotRoot = true}) : 0;
    // Whether string s sounds something asked with the hand at each position, and the root open or
    // at that fret.
    for (int window = 0; window <= neck_; ++window) {
      const int top = window == 0 ? 0 : std::min(neck_, window + span_ - 1);
      for (int s = 0; s < N; ++s) {
        bool any = q_.bits[s][0] != 0;
        for (int f = std::max(1, window); f <= top; ++f) any = any || q_.bits[s][f];
        if (any) soundable_[window] |= std::uint8_t(1u << s);
        if (window > 0 && PitchClass(tuning_[s] + window) == q_.root)
          rootAtFret_[window] |= std::uint8_t(1u << s);
      }
    }
    for (int s = 0; s < N; ++s)
      if (PitchClass(tuning_[s]) == q_.root) rootOpen_ |= std::uint8_t(1u << s);
    // The lowest notes are the bass on a tuning whose strings rise; a fourth above counts over the
    // chord's own root.
    lowNotes_ = !q_.reentrant;
    fourthRoot_ = q_.bass < 0 ? q_.root : -1;
  }

  // The frets the next strings may take with the hand's fretted notes at lowest..highest.
  int From(int highest) const { return std::max(1, highest - span_ + 1); }
  int To(int lowest) const { return std::min(top_, lowest + span_ - 1); }

  // Whether strings s and up can still sound every required note (one per string) with frets
  // from..to or open.
  bool Viable(int s, Bits have, int from, int to) const {
    const Bits missing = q_.required & ~have;
    if (kBitCount[missing] > N - s || kBitCount[have] + N - s < q_.fewest) return false;
    if (s == N) return missing == 0;
    const Bits reach = rangeReach_[s][from][std::min(to - from, kAnyFret)];
    return (missing & ~reach) == 0 && kBitCount[have | reach] >= q_.fewest;
  }

  // One string at a time; a template so that each string's step is unrolled. The shape index's
  // digit for a fretted string is its fret less the lowest fret, plus kShapeFretted: the walk sums
  // the digits with the frets as they are (`digits`) and the weights of the fretted strings
  // (`fretted`), and the leaf takes the lowest fret off each fretted string at once.
  template <int S>
  void Walk(Bits have, int lowest, int highest, int from, int to, Lowest bass, Lowest bassUp,
            int digits, int fretted) {
    if constexpr (S == N) {
      const int position = lowest == kNoLowest ? 0 : lowest;
      Leaf(have, position, bass, bassUp, digits - position * fretted);
    } else {
      // Muted and open, then the frets from..to.
      const int unfretted = firstFretted_[S][1];
      const int last = firstFretted_[S][to + 1];
      for (int i = 0; i < last; i = i + 1 == unfretted ? firstFretted_[S][from] : i + 1) {
        const Option& option = options_[S][i];
        const int low = std::min(lowest, option.low), high = std::max(highest, option.high);
        const int nextFrom = From(high), nextTo = To(low);
        const Bits next = have | option.bit;
        // The leaf's table of accepted sets stands for the last check.
        if (S + 1 < N && !Viable(S + 1, next, nextFrom, nextTo)) continue;
        frets_[S] = option.fret;
        fretsUp_[S] = option.fretUp;
        Walk<S + 1>(next, low, high, nextFrom, nextTo, bass.With(option.pitch),
                    bassUp.With(option.pitchUp), digits + option.digit, fretted + option.fretted);
      }
    }
  }

  void Leaf(Bits have, int position, Lowest bass, Lowest bassUp, int index);
  const Shape& ShapeAt(int index, int position) {
    if (table_) return table_->At(index, frets_, position, worked_, workedFingering_);
    return worked_ = ShapeAtPosition(frets_, position, N, span_, workedFingering_);
  }
  // The muted strings' points: those that could have sounded a wanted note or, for free, a lower
  // root (see Traits::rootBelow).
  int MutedPoints(const Shape& shape, int position, const Frets& frets) const {
    const unsigned above = shape.mutedAboveBass | (q_.reentrant ? shape.mutedBelowBass : 0);
    unsigned root = shape.mutedBelowBass & rootOpen_;
    if (const unsigned atFret = shape.mutedBelowBass & rootAtFret_[position]; atFret) {
      if (IndexAcross(frets, N, position)) root |= atFret;
    }
    return fillablePoints_[kBitCount[above & soundable_[position]]] +
           rootBelowPoints_[kBitCount[root]];
  }
  void AddOctaveUp(const Shape& shape, int position, Lowest bass, int index, int shared);
  int LowPoints(Lowest low) const {
    if (!lowNotes_) return 0;
    const int bass = low.bass >> 4, next = low.next == kSilence ? bass : low.next >> 4;
    return LowNotesPoints(bass, next, ClassOf(low.bass) == fourthRoot_);
  }
  int BassPoints(int bassClass) const { return bassClass != q_.root ? bassPoints_ : 0; }
  void Add(std::vector<Found>& list, const Frets& frets, int score, int index, int position,
           const Shape& shape);

  const Query& q_;
  const int span_;
  const Tuning tuning_;
  const std::uint64_t steps_ = StringSteps(tuning_);  // for Unisons
  const int neck_;
  ShapeTable* table_;  // none for the largest hands: shapes are worked out as met
  // The highest fret the walk frets. When octaves repeat, every voicing with a fret above it is a
  // voicing with frets 1 to 10, its fretted strings moved up an octave (it lies at fret 13 or
  // higher, the top of the span being 11 + span).
  const int top_;
  // Per string: muted first, then open and fretted notes, up the neck.
  std::array<std::array<Option, kMostFrets + 2>, N> options_{};
  // The index of each string's first option at fret f or higher (f from 1 to the neck's + 1).
  std::array<std::array<int, kMostFrets + 2>, N> firstFretted_{};
  // What strings s and up sound open or at frets from..from+len; len kAnyFret: at any fret.
  std::array<std::array<std::array<Bits, kAnyFret + 1>, kMostFrets + 1>, N + 1> rangeReach_{};
  std::array<std::uint8_t, kMostFrets + 1> soundable_{}, rootAtFret_{};
  std::uint8_t rootOpen_ = 0;
  bool lowNotes_ = false;
  int fourthRoot_ = -1;
  std::array<int, kMostFrets + 1> positionPoints_{};           // by the lowest fretted fret
  std::array<int, points::kMostOmitted + 1> omittedPoints_{};  // by the tones left out
  std::array<int, N + 1> fillablePoints_{}, rootBelowPoints_{};
  std::array<int, N + 1> thinPoints_{};  // by the strings sounding
  Shape worked_;                         // the shape met last, when the table has none to give
  Fingering workedFingering_;
  int bassPoints_ = 0;
  ScoreCounts start_{};  // the leaves count the scores for the sort
  Frets frets_{};
  Frets fretsUp_{};  // the same with the fretted strings an octave higher
  std::vector<Found>& found_;
  std::vector<Found>& movedUp_;  // the voicings above top_, in the walk's order too
  std::vector<const Found*>& order_;
};

template <int N>
void Walker<N>::Leaf(Bits have, int position, Lowest bass, Lowest bassUp, int index) {
  const int omitted = q_.omitted[have];
  if (omitted == kRejected) return;
  const Shape& shape = ShapeAt(index, position);
  if (!shape.playable) return;
  // The points an octave higher too, but for the position, the open strings and the bass.
  const int shared = omittedPoints_[omitted] + thinPoints_[N - shape.silent];
  const int bassClass = ClassOf(bass.bass);  // a leaf sounds two strings at least: a pitch
  if (q_.bass < 0 || bassClass == q_.bass) {
    const int score = shape.points[FretBand(position + shape.highest)] + positionPoints_[position] +
                      shared + BassPoints(bassClass) + MutedPoints(shape, position, frets_) +
                      LowPoints(bass);
    Add(found_, frets_, score, index, position, shape);
  }
  const int up = position + shape.highest + kOctave;  // the highest fret an octave up
  if (q_.octaveRepeats && position > 0 && up > top_ && up <= neck_) {
    AddOctaveUp(shape, position, bassUp, index, shared);
  }
}

// The fretted strings an octave higher; the open strings stay and may become the bass.
template <int N>
void Walker<N>::AddOctaveUp(const Shape& shape, int position, Lowest bass, int index,
                            int shared) {
  const int bassClass = ClassOf(bass.bass);
  if (q_.bass >= 0 && bassClass != q_.bass) return;
  position += kOctave;
  const int score = shape.points[kFretBands - 1] + positionPoints_[position] + shared +
                    BassPoints(bassClass) + MutedPoints(shape, position, fretsUp_) +
                    LowPoints(bass);
  Add(movedUp_, fretsUp_, score, index, position, shape);
}

// Field by field into the list: a record built aside and copied in whole would wait for its
// narrow stores.
template <int N>
void Walker<N>::Add(std::vector<Found>& list, const Frets& frets, int score, int index,
                    int position, const Shape& shape) {
  score += Score({.unisons = Unisons(frets, steps_)});
  ++start_[score + 1];
  Found& f = list.emplace_back();
  f.frets = frets;
  f.score = std::int16_t(score);
  f.shape = index;
  f.position = std::int8_t(position);
  f.fingers = shape.fingers;
  f.barres = shape.barres;
}

template <int N>
std::vector<Voicing> RunWith(const Query& query, const SearchOptions& options, FoundLists& lists,
                             const EachVoicing* each) {
  return Walker<N>(query, options, lists).Run(each);
}

}  // namespace

std::vector<Voicing> Walk(const Query& query, const SearchOptions& options, FoundLists& lists,
                          const EachVoicing* each) {
  using Runner = std::vector<Voicing> (*)(const Query&, const SearchOptions&, FoundLists&,
                                          const EachVoicing*);
  static constexpr Runner kRuns[] = {RunWith<3>, RunWith<4>, RunWith<5>,
                                     RunWith<6>, RunWith<7>, RunWith<8>};
  static_assert(std::size(kRuns) == kMostStrings - kFewestStrings + 1);
  return kRuns[options.tuning.size() - kFewestStrings](query, options, lists, each);
}

}  // namespace fretwise::voicings
