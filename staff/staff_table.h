// Where each ticked note stands on the five-line staff below the note panel.
#pragma once

#include <array>
#include <optional>

#include "draw/rect.h"

namespace fretwise {

// The staff area holds everything the staff draws; the five lines run across it.
inline constexpr Rect kStaffArea = {30, 140, 90, 245};
inline constexpr std::array<int, 5> kStaffLineY = {185, 191, 197, 203, 209};
inline constexpr int kStaffLineLeft = 30;
inline constexpr int kStaffLineRight = 90;
// Every head sits in one column, so a chord stacks and a note and its sharp coincide.
inline constexpr int kHeadLeft = 56;
inline constexpr int kHeadRight = 64;
inline constexpr int kLedgerLeft = 53;
inline constexpr int kLedgerRight = 67;
inline constexpr int kSharpX = 45;

struct StaffRow {
  int slot;
  int headTop;
  int headBottom;
  int ledgerCount;
  std::array<int, 5> ledgerY;  // from the staff outward, the order they are drawn
  int sharpY;                  // y of the "#"; 0 for a plain note, which has none
};

// In scan order, lowest first. Heads step 3 pixels per letter and are 5 high, except A and A#
// of row 4 (4 high). The "#" stands 7 above the head, except for A# of row 3, level with the top
// staff line.
// clang-format off
inline constexpr std::array<StaffRow, 48> kStaffRows = {{
  {48, 234, 239, 4, {215, 221, 227, 233}, 0},  // row 4 C
  {49, 234, 239, 4, {215, 221, 227, 233}, 227},  // row 4 C♯
  {51, 231, 236, 4, {215, 221, 227, 233}, 0},  // row 4 D
  {52, 231, 236, 4, {215, 221, 227, 233}, 224},  // row 4 D♯
  {54, 228, 233, 3, {215, 221, 227}, 0},  // row 4 E
  {55, 225, 230, 3, {215, 221, 227}, 0},  // row 4 F
  {56, 225, 230, 3, {215, 221, 227}, 218},  // row 4 F♯
  {58, 222, 227, 2, {215, 221}, 0},  // row 4 G
  {59, 222, 227, 2, {215, 221}, 215},  // row 4 G♯
  {61, 219, 223, 2, {215, 221}, 0},  // row 4 A
  {62, 219, 223, 2, {215, 221}, 212},  // row 4 A♯
  {63, 216, 221, 1, {215}, 0},  // row 4 B
  {32, 213, 218, 1, {215}, 0},  // row 3 C
  {33, 213, 218, 1, {215}, 206},  // row 3 C♯
  {35, 210, 215, 0, {}, 0},  // row 3 D
  {36, 210, 215, 0, {}, 203},  // row 3 D♯
  {38, 207, 212, 0, {}, 0},  // row 3 E
  {39, 204, 209, 0, {}, 0},  // row 3 F
  {40, 204, 209, 0, {}, 197},  // row 3 F♯
  {42, 201, 206, 0, {}, 0},  // row 3 G
  {43, 201, 206, 0, {}, 194},  // row 3 G♯
  {45, 198, 203, 0, {}, 0},  // row 3 A
  {46, 198, 203, 0, {}, 185},  // row 3 A♯
  {47, 195, 200, 0, {}, 0},  // row 3 B
  {16, 192, 197, 0, {}, 0},  // row 2 C
  {17, 192, 197, 0, {}, 185},  // row 2 C♯
  {19, 189, 194, 0, {}, 0},  // row 2 D
  {20, 189, 194, 0, {}, 182},  // row 2 D♯
  {22, 186, 191, 0, {}, 0},  // row 2 E
  {23, 183, 188, 0, {}, 0},  // row 2 F
  {24, 183, 188, 0, {}, 176},  // row 2 F♯
  {26, 180, 185, 0, {}, 0},  // row 2 G
  {27, 180, 185, 0, {}, 173},  // row 2 G♯
  {29, 177, 182, 1, {179}, 0},  // row 2 A
  {30, 177, 182, 1, {179}, 170},  // row 2 A♯
  {31, 174, 179, 1, {179}, 0},  // row 2 B
  {0, 171, 176, 2, {179, 173}, 0},  // row 1 C
  {1, 171, 176, 2, {179, 173}, 164},  // row 1 C♯
  {3, 168, 173, 2, {179, 173}, 0},  // row 1 D
  {4, 168, 173, 2, {179, 173}, 161},  // row 1 D♯
  {6, 165, 170, 3, {179, 173, 167}, 0},  // row 1 E
  {7, 162, 167, 3, {179, 173, 167}, 0},  // row 1 F
  {8, 162, 167, 3, {179, 173, 167}, 155},  // row 1 F♯
  {10, 159, 164, 4, {179, 173, 167, 161}, 0},  // row 1 G
  {11, 159, 164, 4, {179, 173, 167, 161}, 152},  // row 1 G♯
  {13, 156, 161, 4, {179, 173, 167, 161}, 0},  // row 1 A
  {14, 156, 161, 4, {179, 173, 167, 161}, 149},  // row 1 A♯
  {15, 153, 158, 5, {179, 173, 167, 161, 155}, 0},  // row 1 B
}};
// clang-format on

// The staff row of a slot with a check box; nothing for any other slot, which has no note.
constexpr std::optional<StaffRow> StaffRowOf(int slot) {
  for (const StaffRow& row : kStaffRows) {
    if (row.slot == slot) return row;
  }
  return std::nullopt;
}

}  // namespace fretwise
