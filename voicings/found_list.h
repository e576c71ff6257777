// The voicings the walk finds, as compact records, and their order into the finder's list.
#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "voicings/ranking.h"
#include "voicings/shape_table.h"
#include "voicings/voicing_search.h"

namespace fretwise::voicings {

// A voicing found, before it is scored into the list: compact, since lists run to thousands.
struct Found {
  Frets frets;
  std::int16_t score;
  std::int32_t shape;    // index into the shape table
  std::int8_t position;  // lowest fretted fret, 0 when none
  std::int8_t fingers;   // the fingering's count and barres: the table is read only for barres
  std::int8_t barres;
};

// What a search writes as it goes: the walk's voicings, those it moved an octave up, and room for
// the ranked list's records.
struct FoundLists {
  std::vector<Found> found, movedUp;
  std::vector<const Found*> order;
};

// By score + 1: how many voicings score that (the walk counts them as it finds them).
using ScoreCounts = std::array<int, kWorstScore + 2>;

// Where a voicing's barres are read: the shape table, or the frets themselves when there is none.
struct Hands {
  const ShapeTable* table;
  int strings;
  int span;
};

// The voicings of both lists (the walk's, and those it moved an octave up, each in the walk's
// order) by score, lowest first; equal scores keep the walk's order, which is the order of their
// frets: the highest-numbered string's first, muted before open before fretted. Uses the counts up.
std::vector<Voicing> Ranked(const std::vector<Found>& walked, const std::vector<Found>& movedUp,
                            ScoreCounts& counts, const Hands& hands);
// The same order, each voicing placed in turn into one record that `each` reads before the next,
// until it gives false. `order` is room for the ranked list's records.
void EachRanked(const std::vector<Found>& walked, const std::vector<Found>& movedUp,
                ScoreCounts& counts, const Hands& hands, std::vector<const Found*>& order,
                const EachVoicing& each);

}  // namespace fretwise::voicings
