#include "voicings/found_list.h"

#include <algorithm>
#include <cstddef>
#include <cstring>

namespace fretwise::voicings {
namespace {

// The frets as one number that orders voicings as the walk meets them: string 6's fret first,
// muted (-1) before open before fretted. The sign bits flipped, signed bytes compare unsigned.
// One load of the record's first eight bytes: the frets and the score.
static_assert(offsetof(Found, frets) == 0 && sizeof(Found) >= 8);
std::uint64_t WalkOrder(const Found& found) {
  std::uint64_t bytes;
  std::memcpy(&bytes, &found, sizeof bytes);
  return __builtin_bswap64((bytes & 0xFFFFFFFFFFFFu) ^ 0x808080808080u);
}

// The merged order's first `at` records: how many of them the walk found (the rest were moved up).
// Both lists end with their mark past the neck.
std::size_t WalkedBefore(const std::vector<Found>& walked, const std::vector<Found>& movedUp,
                         std::size_t at) {
  const std::size_t upCount = movedUp.size() - 1;
  std::size_t low = at > upCount ? at - upCount : 0, high = std::min(at, walked.size() - 1);
  while (low < high) {
    const std::size_t split = (low + high) / 2;
    if (WalkOrder(walked[split]) < WalkOrder(movedUp[at - split - 1])) {
      low = split + 1;
    } else {
      high = split;
    }
  }
  return low;
}

void Place(const Found& f, const ShapeTable& table, Voicing& v) {
  v.frets = f.frets;
  v.score = f.score;
  v.fingering.count = f.fingers;
  if (f.barres == 0) return;
  v.fingering = table.fingerings[f.shape];
  // The table counts barre frets from 1 for the lowest fretted fret.
  for (int b = 0; b < v.fingering.barreCount; ++b) {
    v.fingering.barres[b].fret = std::int8_t(v.fingering.barres[b].fret + f.position - 1);
  }
}

}  // namespace

// A stable counting sort by score (scores are small, the lists long), written out as voicings.
// Both lists are read merged by their frets, so that equal scores keep the walk's order. The merge
// is a chain of dependent loads; two chains, one from each half of the merged order, run side by
// side, each with its own start for every score.
std::vector<Voicing> Ranked(std::vector<Found>& walked, std::vector<Found>& movedUp,
                            ScoreCounts& counts, const ShapeTable& table) {
  const std::size_t total = walked.size() + movedUp.size(), half = total / 2;
  // Frets above every real one end each list; the choice is a select, not a branch, since the
  // lists interleave at random.
  constexpr std::int8_t kPastTheNeck = 127;
  const Frets end = {kPastTheNeck, kPastTheNeck, kPastTheNeck,
                     kPastTheNeck, kPastTheNeck, kPastTheNeck};
  walked.emplace_back().frets = end;
  movedUp.emplace_back().frets = end;
  const std::size_t split = WalkedBefore(walked, movedUp, half);
  const Found* fromWalk[2] = {walked.data(), walked.data() + split};
  const Found* up[2] = {movedUp.data(), movedUp.data() + (half - split)};
  ScoreCounts& start = counts;
  for (std::size_t i = 1; i < start.size(); ++i) start[i] += start[i - 1];
  ScoreCounts secondStart = start;
  for (const Found* f = fromWalk[0]; f < fromWalk[1]; ++f) ++secondStart[f->score];
  for (const Found* f = up[0]; f < up[1]; ++f) ++secondStart[f->score];

  std::vector<Voicing> voicings(total);
  const auto next = [&](int chain) -> const Found& {
    const bool walk = WalkOrder(*fromWalk[chain]) < WalkOrder(*up[chain]);
    const Found& f = walk ? *fromWalk[chain] : *up[chain];
    fromWalk[chain] += walk, up[chain] += !walk;
    return f;
  };
  for (std::size_t n = 0; n < half; ++n) {
    const Found& first = next(0);
    const Found& second = next(1);
    Place(first, table, voicings[start[first.score]++]);
    Place(second, table, voicings[secondStart[second.score]++]);
  }
  if (total % 2) {
    const Found& last = next(1);
    Place(last, table, voicings[secondStart[last.score]++]);
  }
  return voicings;
}

}  // namespace fretwise::voicings
