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

#include <optional>

#include "voicings/tuning.h"

namespace fretwise::voicings {

// Frets string 6 first: kMuted, 0 (open) or 1..kHighestFret.
using Frets = std::array<int, kStrings>;

struct Barre {
  int fret;
  int fromString;  // string numbers, 6 (lowest) to 1: fromString > toString
  int toString;
};

struct Fingering {
  // string 6 first: 0 for an open or muted string, else 1 (index) to 4 (little), numbered up the
  // neck and then from string 6 across.
  std::array<int, kStrings> fingers{};
  int count = 0;
  // At most three: six strings make three pairs. The lowest fret's barre first.
  std::array<Barre, kStrings / 2> barres{};
  int barreCount = 0;
  // The barre at a fret that covers a string (numbered 6 to 1), or -1.
  int BarreAt(int fret, int stringNumber) const;
};

// The fingering, or nothing when the voicing is not playable.
std::optional<Fingering> Finger(const Frets& frets, int span);

inline constexpr int kMostFingers = 4;

}  // namespace fretwise::voicings
