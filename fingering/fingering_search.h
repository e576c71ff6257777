// The windowed fingering search over the fret note table.
#pragma once

#include <array>
#include <cstdint>
#include <string_view>

#include "fingering/string_cells.h"
#include "notes/note_token.h"

namespace fretwise {

// The candidate cursor walks windows of five frets starting at m_windowIndex * step, with the step
// taken from this table by m_stepIndex. A step whose window would start past fret 19 gives way to
// the next step. The last entry, 0, is reached only with no notes, which never run out of windows.
inline constexpr std::array<std::int32_t, 7> kWindowSteps = {5, 4, 6, 7, 8, 9, 0};
inline constexpr int kWindowWidth = 5;
inline constexpr int kLastWindowStart = 19;
// A pass that starts on this step with notes collected has tried every window.
inline constexpr int kExhaustedStepIndex = 4;

constexpr int WindowStart(std::int32_t windowIndex, std::int32_t stepIndex) {
  return windowIndex * kWindowSteps[stepIndex];
}

struct WindowMatch {
  StringCells cells;
  int highestFret = 0;
};

// Looks each of the six token cells up in frets start..start+4, string 1 first, and takes the
// first match. Strings are not reserved: a later note found first on a string that an earlier note
// took replaces it (and the highest fret is not lowered). Empty cells match nothing.
WindowMatch SearchWindow(const std::array<TokenCell, kTokenCells>& tokens, int start);

// Notes below the open sixth string: when one of the lowest row's C, C#, D or D# is ticked, the
// lowest note goes on string 6 tuned down to C or D. The first ticked row applies.
struct LowNoteSubstitution {
  int slot;
  StringCell cell;
  char tuning;
  std::string_view soundFile;
};
inline constexpr std::array<LowNoteSubstitution, 4> kLowNoteSubstitutions = {{
    {48, FrettedCell(6, 0), 'C', "6\\C4.wav"},
    {49, FrettedCell(6, 1), 'C', "6\\C4_SRP.wav"},
    {51, FrettedCell(6, 0), 'D', "6\\D4.wav"},
    {52, FrettedCell(6, 1), 'D', "6\\D4_SRP.wav"},
}};

}  // namespace fretwise
