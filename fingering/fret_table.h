// The notes a six-string guitar in standard tuning sounds at each fret: the instrument model the
// fingering search looks notes up in.
#pragma once

#include <array>
#include <string_view>

#include "notes/note_token.h"

namespace fretwise {

// Strings are numbered 1 (highest-pitched, open "E2") to 6 (lowest, open "E4") and indexed 0 to 5
// here; frets run from 0 (open) to 23.
inline constexpr int kStringCount = 6;
inline constexpr int kFretCount = 24;

// "NULL" marks a fret with no note; it is never equal to a token. String 4 stops at fret 18.
// String 6's frets 20 to 23 are not the continuation of its scale: they hold the four notes below
// the open sixth string, which the search can reach only in the windows 16-20 and 18-22.
using FretNoteTable = std::array<std::array<std::string_view, kFretCount>, kStringCount>;

// clang-format off
inline constexpr FretNoteTable kFretNotes = {{
  // string 1
  {"E2", "F2", "F2_SRP", "G2", "G2_SRP", "A2", "A2_SRP", "B2", "C1", "C1_SRP", "D1", "D1_SRP",
   "E1", "F1", "F1_SRP", "G1", "G1_SRP", "A1", "A1_SRP", "B1", "NULL", "NULL", "NULL", "NULL"},
  // string 2
  {"B3", "C2", "C2_SRP", "D2", "D2_SRP", "E2", "F2", "F2_SRP", "G2", "G2_SRP", "A2", "A2_SRP",
   "B2", "C1", "C1_SRP", "D1", "D1_SRP", "E1", "F1", "F1_SRP", "NULL", "NULL", "NULL", "NULL"},
  // string 3
  {"G3", "G3_SRP", "A3", "A3_SRP", "B3", "C2", "C2_SRP", "D2", "D2_SRP", "E2", "F2", "F2_SRP",
   "G2", "G2_SRP", "A2", "A2_SRP", "B2", "C1", "C1_SRP", "D1", "NULL", "NULL", "NULL", "NULL"},
  // string 4
  {"D3", "D3_SRP", "E3", "F3", "F3_SRP", "G3", "G3_SRP", "A3", "A3_SRP", "B3", "C2", "C2_SRP",
   "D2", "D2_SRP", "E2", "F2", "F2_SRP", "G2", "G2_SRP", "NULL", "NULL", "NULL", "NULL", "NULL"},
  // string 5
  {"A4", "A4_SRP", "B4", "C3", "C3_SRP", "D3", "D3_SRP", "E3", "F3", "F3_SRP", "G3", "G3_SRP",
   "A3", "A3_SRP", "B3", "C2", "C2_SRP", "D2", "D2_SRP", "E2", "NULL", "NULL", "NULL", "NULL"},
  // string 6
  {"E4", "F4", "F4_SRP", "G4", "G4_SRP", "A4", "A4_SRP", "B4", "C3", "C3_SRP", "D3", "D3_SRP",
   "E3", "F3", "F3_SRP", "G3", "G3_SRP", "A3", "A3_SRP", "B3", "C4", "C4_SRP", "D4", "D4_SRP"},
}};
// clang-format on

// kFretNotes as token codes, so the search compares integers; a cell's code equals a token's code
// exactly when the texts are equal (kNoToken for "NULL", which matches nothing).
inline constexpr auto kFretCodes = [] {
  std::array<std::array<int, kFretCount>, kStringCount> codes{};
  for (int s = 0; s < kStringCount; ++s) {
    for (int f = 0; f < kFretCount; ++f) codes[s][f] = TokenCode(kFretNotes[s][f]);
  }
  return codes;
}();

}  // namespace fretwise
