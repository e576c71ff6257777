// Pitches as MIDI numbers (C4 = 60) and pitch classes (0 = C, 11 = B); a set of pitch classes is a
// 12-bit mask, bit 0 for C. The one place that reads and writes pitch names.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace fretwise {

using PitchClassSet = std::uint16_t;

// The natural letters from C, and the pitch class of each.
inline constexpr std::string_view kLetters = "CDEFGAB";
inline constexpr std::array<int, 7> kNaturalPitchClass = {0, 2, 4, 5, 7, 9, 11};

constexpr int PitchClass(int midi) { return ((midi % 12) + 12) % 12; }
constexpr PitchClassSet Bit(int pitchClass) { return PitchClassSet(1u << pitchClass); }

// Turns a set around so that `root` becomes bit 0: the intervals above the root.
constexpr PitchClassSet Transpose(PitchClassSet set, int down) {
  const unsigned full = (unsigned(set) << 12 | set) >> down;
  return PitchClassSet(full & 0xFFF);
}
constexpr PitchClassSet TransposeUp(PitchClassSet set, int up) {
  return Transpose(set, (12 - up) % 12);
}

constexpr int Count(PitchClassSet set) { return __builtin_popcount(set); }

// A note name without octave: letter (upper case), then '#', 'b', '♯' or '♭'. Gives the pitch class
// and the letter index (0 = C .. 6 = B) and how many bytes it took, or nothing.
struct NoteName {
  int pitchClass;
  int letter;
  std::size_t length;
};
std::optional<NoteName> ReadNoteName(std::string_view text);

// A pitch in scientific notation with an octave from 0 to 8 ("C#3", "Db3", "e4", "B♭0"); the letter
// may be lower case. Cb and B# cross the octave line: Cb4 is B3. Gives the MIDI number, or nothing.
std::optional<int> ParsePitch(std::string_view text);

// "C#3" for MIDI 49: sharps, as the tool writes pitches unless a chord's spelling says otherwise.
std::string PitchName(int midi);
// The pitch class alone, with a sharp: "C#".
std::string_view SharpName(int pitchClass);

}  // namespace fretwise
