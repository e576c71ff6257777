// Whether one hand can play a voicing, and with which fingers.
//
// The rule: the fretted strings (fret 1 and up) lie within `span` frets (highest minus lowest fret
// at most span - 1); at least two strings sound; and at most four fingers fret them. Each fretted
// string takes a finger, except that one finger may barre several strings at one fret when every
// string between the outer two is muted or fretted at that fret or higher (no open string and none
// fretted lower under the barre; the hand damps a muted one). Barres are used only when more than
// four strings are fretted: the lowest fret's first (the index finger's), then up the neck, until
// four fingers do (x 3 5 5 5 3 takes one barre, 7 7 5 5 8 8 two).
#pragma once

#include <cstdint>
#include <optional>

#include "voicings/tuning.h"

namespace fretwise::voicings {

// Frets from the highest-numbered string, as Tuning orders them: kMuted, 0 (open) or 1..kMostFrets;
// only the tuning's strings count, and the search leaves the others muted. Small types keep a
// chord's list of a few thousand voicings compact.
using Frets = std::array<std::int8_t, kMostStrings>;

struct Barre {
  std::int8_t fret;
  std::int8_t fromString;  // string numbers as players count them (6 to 1): fromString > toString
  std::int8_t toString;
};

struct Fingering {
  std::int8_t count = 0;  // fingers on the frets
  // At most four: eight strings make four pairs. The lowest fret's barre first.
  std::array<Barre, kMostStrings / 2> barres{};
  std::int8_t barreCount = 0;
  // The barre at a fret that covers a string (numbered as players do), or -1.
  int BarreAt(int fret, int stringNumber) const;
};

// The fingering of the first `strings` frets, or nothing when the voicing is not playable.
std::optional<Fingering> Finger(const Frets& frets, int strings, int span);

// The same into `fingering` (left in an unspecified state when this gives false), for the search,
// which writes each voicing once, in place.
bool FingerInto(const Frets& frets, int strings, int span, Fingering& fingering);

// The hand as players are taught to place it (see fingers.h): the playable fingering's barres, and
// a partial barre wherever three strings or more share a fret above the lowest.
Fingering TaughtFingering(const Frets& frets, int strings, const Fingering& playable);

// Which finger frets each string, the highest-numbered first: 0 for an open or muted string, else
// 1 (index) to 4 (little); a barre's strings share one. One finger per fret where the hand allows:
// the index on the lowest fret, each fret above it the finger as many frets up (5 7 5 5 5 5 is
// 1 3 1 1 1 1, x 3 5 5 x x is 1 3 4), fewer where the notes above need the fingers; notes on one
// fret take fingers across from the highest-numbered string. A lone fretted note beside open
// strings takes the finger of its fret (a ukulele's C, 0 0 0 3, the ring finger).
Frets FingerNumbers(const Frets& frets, int strings, const Fingering& fingering);

inline constexpr int kMostFingers = 4;

}  // namespace fretwise::voicings
