// Note tokens: a letter C to B, an octave digit 1 to 4 and "_SRP" for a sharp ("C1", "F2_SRP").
// The octave digit counts downward (1 is the highest octave) and changes between B and C, so
// "B4" is a semitone below "C3". In scientific pitch notation the octave is 6 minus the digit:
// "E4" is E2, the open sixth string. There are no flats.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "pitch/pitch.h"

namespace fretwise {

// Token codes number the 48 tokens of the panel by pitch: 0 is "C4" (C2), 47 is "B1" (B5).
// Two texts have the same code exactly when they are the same token, so comparing codes is
// comparing texts. Anything that is not a token ("", "NULL", "c1", "C1 ") has no code.
inline constexpr int kNoToken = -1;
inline constexpr int kTokenCount = 48;
// MIDI number of code 0: C2.
inline constexpr int kLowestMidi = 36;

constexpr int TokenCode(std::string_view token) {
  if (token.size() != 2 && token.size() != 6) return kNoToken;
  const auto letter = kLetters.find(token[0]);
  if (letter == std::string_view::npos) return kNoToken;
  if (token[1] < '1' || token[1] > '4') return kNoToken;
  int semitone = kNaturalPitchClass[letter];
  if (token.size() == 6) {
    // E and B have no sharp among the tokens.
    if (token.substr(2) != "_SRP" || token[0] == 'E' || token[0] == 'B') return kNoToken;
    ++semitone;
  }
  const int scientificOctave = 6 - (token[1] - '0');
  return 12 * (scientificOctave - 2) + semitone;
}

// A token kept as text: at most 6 characters and a terminator. The view keeps six, for the first
// six notes collected.
using TokenCell = std::array<char, 7>;
inline constexpr int kTokenCells = 6;

// The token text of a code 0..47.
std::string TokenText(int code);

// Scientific name of a code, with '#' for a sharp: code 0 is "C2", code 47 "B5".
std::string ScientificName(int code);

// The panel slot that collects a code.
int SlotOfCode(int code);

// A pitch as ParsePitch reads it ("C#3", "Db3", "e4", "F♯2", "B♭4"; flats are the enharmonic
// sharp's token), within the panel's C2..B5. Gives the token code, or nothing.
std::optional<int> ParseScientificPitch(std::string_view text);

}  // namespace fretwise
