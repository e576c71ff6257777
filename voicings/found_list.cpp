#include "voicings/found_list.h"

#include <algorithm>

namespace fretwise::voicings {
namespace {

// The frets as one number that orders voicings as the walk meets them: the first string's fret
// first, muted (-1) before open before fretted, as unsigned bytes with the sign bit flipped.
// Flipped once the bytes are joined, so that the compiler reads them as one swapped word (as fast
// as a memcpy and a byte swap, measured, but in any byte order); flipped byte by byte, the sort
// runs 10% slower.
std::uint64_t WalkOrder(const Found& found) {
  std::uint64_t order = 0;
  for (const std::int8_t fret : found.frets) order = order << 8 | std::uint8_t(fret);
  return order ^ 0x8080808080808080u;
}

void Place(const Found& f, const Hands& hands, Voicing& v) {
  v.frets = f.frets;
  v.score = f.score;
  v.fingering.count = f.fingers;
  if (hands.table) v.shape = f.shape, v.shapeFrom = std::int8_t(std::max<int>(1, f.position));
  if (f.barres == 0) return;
  const Fingering* known = hands.table ? hands.table->FingeringOf(f.shape) : nullptr;
  if (!known) {
    FingerInto(f.frets, hands.strings, hands.span, v.fingering);
    return;
  }
  v.fingering = *known;
  // The table counts barre frets from 1 for the lowest fretted fret.
  for (int b = 0; b < v.fingering.barreCount; ++b) {
    v.fingering.barres[b].fret = std::int8_t(v.fingering.barres[b].fret + f.position - 1);
  }
}

// A stable counting sort by score (scores are small, the lists long), reading both lists merged by
// their frets so that equal scores keep the walk's order: `place` takes each found voicing with
// its place in the ranked list.
template <typename Into>
void ByScore(const std::vector<Found>& walked, const std::vector<Found>& movedUp,
             ScoreCounts& counts, Into place) {
  ScoreCounts& start = counts;
  for (std::size_t i = 1; i < start.size(); ++i) start[i] += start[i - 1];
  const auto placed = [&](const Found& f) { place(f, start[f.score]++); };
  auto w = walked.cbegin(), u = movedUp.cbegin();
  while (w != walked.cend() && u != movedUp.cend()) {
    placed(WalkOrder(*w) < WalkOrder(*u) ? *w++ : *u++);
  }
  std::for_each(w, walked.cend(), placed);
  std::for_each(u, movedUp.cend(), placed);
}

}  // namespace

std::vector<Voicing> Ranked(const std::vector<Found>& walked, const std::vector<Found>& movedUp,
                            ScoreCounts& counts, const Hands& hands) {
  std::vector<Voicing> voicings(walked.size() + movedUp.size());
  ByScore(walked, movedUp, counts,
          [&](const Found& f, int rank) { Place(f, hands, voicings[std::size_t(rank)]); });
  return voicings;
}

void EachRanked(const std::vector<Found>& walked, const std::vector<Found>& movedUp,
                ScoreCounts& counts, const Hands& hands, std::vector<const Found*>& order,
                const EachVoicing& each) {
  order.resize(walked.size() + movedUp.size());
  ByScore(walked, movedUp, counts,
          [&](const Found& f, int rank) { order[std::size_t(rank)] = &f; });
  for (const Found* f : order) {
    Voicing voicing;
    Place(*f, hands, voicing);
    if (!each(voicing)) break;
  }
}

}  // namespace fretwise::voicings
