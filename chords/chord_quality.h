// Chord qualities: the intervals above the root that a chord sounds, and which of them a player may
// leave out.
#pragma once

#include <array>
#include <string_view>

#include "pitch/pitch.h"

namespace fretwise::chords {

struct ChordQuality {
  std::string_view suffix;  // as written after the root; "" is the major triad
  PitchClassSet tones;      // intervals above the root, bit 0 the root
  // Tones a voicing may leave out: the perfect fifth of four-tone chords and larger; in ninth
  // chords and larger also the root (a player's rootless voicing, as on four strings), and in
  // ninths the third, as long as four tones sound; the ninth of elevenths and thirteenths, whose
  // eleventh players leave out too; the third of a dominant eleventh, which clashes with it.
  PitchClassSet optional;
  int fewestTones;  // a voicing sounds at least this many of the tones
};

namespace interval {
inline constexpr PitchClassSet R = Bit(0), b9 = Bit(1), n9 = Bit(2), m3 = Bit(3), M3 = Bit(4),
                               n11 = Bit(5), b5 = Bit(6), P5 = Bit(7), s5 = Bit(8), n13 = Bit(9),
                               m7 = Bit(10), M7 = Bit(11);
// The same intervals under the names that chords with a ninth or above give them.
inline constexpr PitchClassSet s9 = m3, s11 = b5, b13 = s5;
}  // namespace interval

// In the order names are preferred when one set has several: plain triads and sevenths before
// added tones and alterations. Indexes into this table name a quality everywhere else.
// clang-format off
inline constexpr auto kQualities = [] {
  using namespace interval;
  return std::array<ChordQuality, 55>{{
    {"",        R|M3|P5,                0,             3},
    {"m",       R|m3|P5,                0,             3},
    {"5",       R|P5,                   0,             2},
    {"7",       R|M3|P5|m7,             P5,            3},
    {"m7",      R|m3|P5|m7,             P5,            3},
    {"maj7",    R|M3|P5|M7,             P5,            3},
    {"dim",     R|m3|b5,                0,             3},
    {"aug",     R|M3|s5,                0,             3},
    {"sus4",    R|n11|P5,               0,             3},
    {"sus2",    R|n9|P5,                0,             3},
    {"6",       R|M3|P5|n13,            P5,            3},
    {"m6",      R|m3|P5|n13,            P5,            3},
    {"dim7",    R|m3|b5|n13,            0,             4},
    {"m7b5",    R|m3|b5|m7,             0,             4},
    {"7sus4",   R|n11|P5|m7,            P5,            3},
    {"9",       R|n9|M3|P5|m7,          R|M3|P5,       4},
    {"m9",      R|n9|m3|P5|m7,          R|m3|P5,       4},
    {"maj9",    R|n9|M3|P5|M7,          R|M3|P5,       4},
    {"add9",    R|n9|M3|P5,             P5,            3},
    {"madd9",   R|n9|m3|P5,             P5,            3},
    {"mmaj7",   R|m3|P5|M7,             P5,            3},
    {"6/9",     R|n9|M3|P5|n13,         R|P5,          4},
    {"m6/9",    R|n9|m3|P5|n13,         R|P5,          4},
    {"11",      R|n9|M3|n11|P5|m7,      R|n9|M3|P5,    4},
    {"m11",     R|n9|m3|n11|P5|m7,      R|n9|P5,       4},
    {"13",      R|n9|M3|P5|n13|m7,      R|n9|P5,       4},
    {"maj13",   R|n9|M3|n11|P5|n13|M7,  R|n9|n11|P5,   4},
    {"m13",     R|n9|m3|n11|P5|n13|m7,  R|n9|n11|P5,   4},
    {"add11",   R|M3|n11|P5,            P5,            3},
    {"7b5",     R|M3|b5|m7,             0,             4},
    {"7#5",     R|M3|s5|m7,             0,             4},
    {"maj7b5",  R|M3|b5|M7,             0,             4},
    {"maj7#5",  R|M3|s5|M7,             0,             4},
    {"7b9",     R|b9|M3|P5|m7,          R|P5,          4},
    {"7#9",     R|s9|M3|P5|m7,          R|P5,          4},
    {"7#11",    R|M3|s11|P5|m7,         P5,            4},
    {"maj7#11", R|M3|s11|P5|M7,         P5,            4},
    {"9sus4",   R|n9|n11|P5|m7,         P5,            4},
    {"9b5",     R|n9|M3|b5|m7,          R,             4},
    {"9#5",     R|n9|M3|s5|m7,          R,             4},
    {"9#11",    R|n9|M3|s11|P5|m7,      R|P5,          4},
    {"7b13",    R|M3|P5|b13|m7,         0,             5},
    {"7#5b9",   R|b9|M3|s5|m7,          R,             4},
    {"7#5#9",   R|s9|M3|s5|m7,          R,             4},
    {"13b9",    R|b9|M3|P5|n13|m7,      R|P5,          4},
    {"13#11",   R|n9|M3|s11|P5|n13|m7,  R|n9|P5,       5},
    {"7b9b13",  R|b9|M3|P5|b13|m7,      R|P5,          4},
    {"m9b5",    R|n9|m3|b5|m7,          R,             4},
    {"maj11",   R|n9|M3|n11|P5|M7,      R|n9|P5,       4},
    {"mmaj9",   R|n9|m3|P5|M7,          R|P5,          4},
    {"mmaj11",  R|n9|m3|n11|P5|M7,      R|n9|P5,       4},
    {"mmaj7b5", R|m3|b5|M7,             0,             4},
    {"sus2sus4",R|n9|n11|P5,            0,             4},
    {"maj7sus2",R|n9|P5|M7,             0,             4},
    {"(b5)",    R|M3|b5,                0,             3},
  }};
}();
// clang-format on

// The tones left when every optional tone is left out.
constexpr PitchClassSet RequiredTones(const ChordQuality& q) { return q.tones & ~q.optional; }

// Whether a set of intervals above a root sounds the quality.
constexpr bool Sounds(const ChordQuality& q, PitchClassSet intervals) {
  return (intervals & ~q.tones) == 0 && (RequiredTones(q) & ~intervals) == 0 &&
         Count(intervals) >= q.fewestTones;
}

constexpr bool RaisesFifth(const ChordQuality& q) {
  return (q.tones & interval::s5) && !(q.tones & interval::P5);
}

constexpr bool IsMinor(const ChordQuality& q) {
  return (q.tones & interval::m3) && !(q.tones & interval::M3);
}

// Diminished and half-diminished chords: a minor third and a flat fifth, no perfect fifth.
constexpr bool IsDiminished(const ChordQuality& q) {
  return IsMinor(q) && (q.tones & interval::b5) && !(q.tones & interval::P5);
}

// The third a quality has (the major one of 7#9), or 0 for a suspended or power chord.
constexpr PitchClassSet ThirdOf(const ChordQuality& q) {
  return q.tones & interval::M3 ? interval::M3 : q.tones & interval::m3;
}

}  // namespace fretwise::chords
