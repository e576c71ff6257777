// What the walk takes at each string, and the values it starts from: the search's own vocabulary,
// apart from the walk so that the walk reads as its steps.
#pragma once

#include <array>
#include <cstdint>

#include "pitch/pitch.h"
#include "voicings/search_query.h"

namespace fretwise::voicings::walk {

struct Option {
  std::int8_t fret;
  Bits bit;
  int pitch;           // as Sounding
  int pitchUp;         // the same with a fretted string an octave higher
  std::int8_t fretUp;  // the fret an octave higher when fretted (muted and open stay)
  // The string's share of the shape index before the lowest fret is taken off (see Walk).
  int digit;
  int fretted;  // the string's digit weight when fretted, else 0
  // As the hand's lowest and highest fretted fret: kNoLowest and kNoHighest unless fretted.
  int low, high;
};

// A pitch with its pitch class in the low bits, which the lowest of several keeps: the walk takes
// the bass's class without a division. kSilence stays above every one.
constexpr int Sounding(int midi) { return midi << 4 | PitchClass(midi); }
static_assert(Sounding(kMostFrets + 127) < kSilence);
constexpr int ClassOf(int sounding) { return sounding & 15; }
// The two lowest pitches sounding, as Sounding, each kSilence until it sounds: the walk keeps them
// string by string instead of going over the strings at each voicing.
struct Lowest {
  int bass = kSilence, next = kSilence;
  // With one more string sounding `pitch`: a pitch of the bass's is no new note.
  constexpr Lowest With(int pitch) const {
    if (pitch < bass) return {pitch, bass};
    return {bass, pitch > bass && pitch < next ? pitch : next};
  }
};

// The walk's lowest and highest fretted frets before any string is fretted: out of reach, so that
// min and max need no test and the next strings may take any fret.
inline constexpr int kNoLowest = kMostFrets + kMostSpan;
inline constexpr int kNoHighest = -kMostSpan;
// rangeReach_'s last run length, which stands for the whole neck.
inline constexpr int kAnyFret = 2 * kMostSpan - 1;
inline constexpr int kOctave = 12;  // frets

// Bits set in each set of twelve: the walk counts missing notes at every step.
inline constexpr auto kBitCount = [] {
  std::array<std::int8_t, kBitSets> counts{};
  for (int set = 1; set < kBitSets; ++set) counts[set] = std::int8_t(counts[set >> 1] + (set & 1));
  return counts;
}();

}  // namespace fretwise::voicings::walk
