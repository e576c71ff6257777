// The per-string result of one fingering attempt.
#pragma once

#include <array>
#include <string_view>

namespace fretwise {

// Cell i belongs to string i + 1. It holds "NN" for an unused string, or the string digit and the
// fret right-aligned in two characters ("3 5", "3 0", "312"), or the substitution text "6 0" or
// "6 1" for string 6 tuned down to C or D. Three characters and the terminator.
using StringCell = std::array<char, 4>;
using StringCells = std::array<StringCell, 6>;

inline constexpr StringCell kUnusedCell = {'N', 'N', '\0', '\0'};

constexpr StringCell FormatCell(int string, int fret) {
  return {char('0' + string), fret < 10 ? ' ' : char('0' + fret / 10), char('0' + fret % 10), '\0'};
}

inline std::string_view CellText(const StringCell& cell) { return std::string_view(cell.data()); }

}  // namespace fretwise
