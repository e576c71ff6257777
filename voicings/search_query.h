// What the search looks for, prepared by the exact-pitch and chord-symbol modes alike.
#pragma once

#include <cstdint>
#include <vector>

#include "voicings/found_list.h"
#include "voicings/voicing_search.h"

namespace fretwise::voicings {

// What each string and fret contributes: a bit of the asked pitches (exact mode) or of the pitch
// classes (chord mode); 0 for a fret that sounds nothing asked. Twelve bits at most.
using Bits = std::uint16_t;
inline constexpr int kBitSets = 1 << 12;
inline constexpr std::int8_t kRejected = -1;

struct Query {
  // By string (as Tuning orders them) and fret relative to the nut or the capo.
  std::array<std::array<Bits, kMostFrets + 1>, kMostStrings> bits{};
  Bits required = 0;
  int fewest = 0;  // bits a voicing sounds at least
  // For each set of bits a voicing sounds: the chord tones it leaves out, weighed as the ranking
  // weighs them (a free fifth, a dear root), or kRejected.
  std::array<std::int8_t, kBitSets> omitted{};
  int bass = -1;      // the pitch class that must sound lowest, or -1
  int root = -1;      // the pitch class the ranking prefers lowest, or -1
  int fullSound = 4;  // strings a voicing sounds before it stops sounding thin
  // A re-entrant tuning: no string lies below the bass, and a muted one costs as one above it (a
  // ukulele sounds all four).
  bool reentrant = false;
  // Whether a voicing's fretted strings sound the same bits twelve frets higher (pitch classes do,
  // exact pitches do not): the walk then frets only the neck's lower part and moves up the shapes
  // that reach past it.
  bool octaveRepeats = false;
};

// Every playable voicing that sounds an accepted set of bits, easiest first, on the tuning and neck
// of `options` as they are (the caller has put the capo's fret into both).
std::vector<Voicing> Search(const Query& query, const SearchOptions& options);
// The same voicings, each in turn into `each` (see EachVoicingOfChord).
void Search(const Query& query, const SearchOptions& options, const EachVoicing& each);

// The walk itself, for a tuning of kFewestStrings to kMostStrings strings and a span and neck in
// range, writing into `lists`: the ranked voicings, or with `each` nothing (each goes to it).
std::vector<Voicing> Walk(const Query& query, const SearchOptions& options, FoundLists& lists,
                          const EachVoicing* each);

}  // namespace fretwise::voicings
