// The per-string result of one fingering attempt.
#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace fretwise {

// Cell i belongs to string i + 1. A used string is fretted at a fret from 0 (open) to 23; string 6
// tuned down to C or D by the low-note substitution is fretted at 0 or 1 of its new tuning.
struct StringCell {
  enum class State : std::uint8_t { kUnused, kFretted };
  State state = State::kUnused;
  int string = 0;  // 1 to 6 when fretted, 0 when unused
  int fret = 0;    // 0 when unused
  constexpr bool used() const { return state == State::kFretted; }
  friend constexpr bool operator==(const StringCell&, const StringCell&) = default;
};
using StringCells = std::array<StringCell, 6>;

inline constexpr StringCell kUnusedCell{};

constexpr StringCell FrettedCell(int string, int fret) {
  return {StringCell::State::kFretted, string, fret};
}

// The cell as text: "NN" for an unused string, else the string digit and the fret right-aligned
// in two characters ("3 5", "3 0", "312").
inline std::string CellText(const StringCell& cell) {
  if (!cell.used()) return "NN";
  return {char('0' + cell.string), cell.fret < 10 ? ' ' : char('0' + cell.fret / 10),
          char('0' + cell.fret % 10)};
}

}  // namespace fretwise
