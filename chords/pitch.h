// Pitches as MIDI numbers (C4 = 60) and pitch classes (0 = C, 11 = B); a set of pitch classes is a
// 12-bit mask, bit 0 for C.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace fretwise::chords {

using PitchClassSet = std::uint16_t;

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
// may be lower case. Gives the MIDI number, or nothing.
std::optional<int> ParsePitch(std::string_view text);

// "C#3" for MIDI 49: sharps, as the rest of the tool writes pitches.
std::string PitchName(int midi);

// The spelling of a pitch class as a chord root: flats for the major keys players write with flats
// (Db, Eb, Ab, Bb), sharps for F#; a minor chord takes C#, G# instead of Db, Ab.
std::string RootName(int pitchClass, bool minor);

// The spelling of `pitchClass` in a chord whose root is spelled `rootName`, with the letter a
// player counts for its interval above the root (E over C, Bb over C, C over Ab). Eight semitones
// up is a flat sixth (Ab over C) unless the chord raises its fifth (G#).
std::string NoteAbove(std::string_view rootName, int pitchClass, bool raisedFifth = false);

}  // namespace fretwise::chords
