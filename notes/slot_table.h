// The 64 note slots behind the note panel: one row per slot index.
#pragma once

#include <array>
#include <cstdint>
#include <string_view>

namespace fretwise {

// Slot index k = 16 * (row - 1) + position. Row 1 is the highest octave (top of the panel),
// row 4 the lowest; the row is also the octave digit of the slot's note token.
inline constexpr int kSlotCount = 64;
inline constexpr int kPositionsPerRow = 16;

// Positions 2, 5, 9 and 12 of each row are natural slots: they keep their index but have no
// check box, are never ticked and take no part in collection or drawing.
enum class SlotKind : std::uint8_t { kPlain, kSharp, kNatural };

struct SlotInfo {
  int row;       // 1 (highest octave) to 4 (lowest)
  int position;  // 0 to 15 within the row
  SlotKind kind;
  int controlId;             // 0 for a natural slot
  std::string_view caption;  // check-box text, UTF-8; empty for a natural slot
  // String digit, backslash, token, ".wav". The digit is the sound folder the note is taken from
  // before any fingering is found; it is not derived from the token.
  std::string_view soundFile;
  std::string_view token;  // "C1", "F2_SRP", ...; empty for a natural slot
};

// clang-format off
inline constexpr std::array<SlotInfo, kSlotCount> kSlots = {{
  {1, 0, SlotKind::kPlain, 61205, "ド", "1\\C1.wav", "C1"},  // 0
  {1, 1, SlotKind::kSharp, 61241, "ド♯", "1\\C1_SRP.wav", "C1_SRP"},  // 1
  {1, 2, SlotKind::kNatural, 0, "", "", ""},  // 2 C natural
  {1, 3, SlotKind::kPlain, 61206, "レ", "1\\D1.wav", "D1"},  // 3
  {1, 4, SlotKind::kSharp, 61242, "レ♯", "1\\D1_SRP.wav", "D1_SRP"},  // 4
  {1, 5, SlotKind::kNatural, 0, "", "", ""},  // 5 D natural
  {1, 6, SlotKind::kPlain, 61207, "ミ", "1\\E1.wav", "E1"},  // 6
  {1, 7, SlotKind::kPlain, 61208, "ファ", "1\\F1.wav", "F1"},  // 7
  {1, 8, SlotKind::kSharp, 61243, "ファ♯", "1\\F1_SRP.wav", "F1_SRP"},  // 8
  {1, 9, SlotKind::kNatural, 0, "", "", ""},  // 9 F natural
  {1, 10, SlotKind::kPlain, 61209, "ソ", "1\\G1.wav", "G1"},  // 10
  {1, 11, SlotKind::kSharp, 61244, "ソ♯", "1\\G1_SRP.wav", "G1_SRP"},  // 11
  {1, 12, SlotKind::kNatural, 0, "", "", ""},  // 12 G natural
  {1, 13, SlotKind::kPlain, 61210, "ラ", "1\\A1.wav", "A1"},  // 13
  {1, 14, SlotKind::kSharp, 61245, "ラ♯", "1\\A1_SRP.wav", "A1_SRP"},  // 14
  {1, 15, SlotKind::kPlain, 61211, "シ", "1\\B1.wav", "B1"},  // 15
  {2, 0, SlotKind::kPlain, 61212, "ド", "2\\C2.wav", "C2"},  // 16
  {2, 1, SlotKind::kSharp, 61246, "ド♯", "2\\C2_SRP.wav", "C2_SRP"},  // 17
  {2, 2, SlotKind::kNatural, 0, "", "", ""},  // 18 C natural
  {2, 3, SlotKind::kPlain, 61213, "レ", "2\\D2.wav", "D2"},  // 19
  {2, 4, SlotKind::kSharp, 61247, "レ♯", "2\\D2_SRP.wav", "D2_SRP"},  // 20
  {2, 5, SlotKind::kNatural, 0, "", "", ""},  // 21 D natural
  {2, 6, SlotKind::kPlain, 61214, "ミ", "1\\E2.wav", "E2"},  // 22
  {2, 7, SlotKind::kPlain, 61215, "ファ", "1\\F2.wav", "F2"},  // 23
  {2, 8, SlotKind::kSharp, 61248, "ファ♯", "1\\F2_SRP.wav", "F2_SRP"},  // 24
  {2, 9, SlotKind::kNatural, 0, "", "", ""},  // 25 F natural
  {2, 10, SlotKind::kPlain, 61216, "ソ", "1\\G2.wav", "G2"},  // 26
  {2, 11, SlotKind::kSharp, 61249, "ソ♯", "1\\G2_SRP.wav", "G2_SRP"},  // 27
  {2, 12, SlotKind::kNatural, 0, "", "", ""},  // 28 G natural
  {2, 13, SlotKind::kPlain, 61217, "ラ", "1\\A2.wav", "A2"},  // 29
  {2, 14, SlotKind::kSharp, 61250, "ラ♯", "1\\A2_SRP.wav", "A2_SRP"},  // 30
  {2, 15, SlotKind::kPlain, 61218, "シ", "1\\B2.wav", "B2"},  // 31
  {3, 0, SlotKind::kPlain, 61219, "ド", "5\\C3.wav", "C3"},  // 32
  {3, 1, SlotKind::kSharp, 61251, "ド♯", "5\\C3_SRP.wav", "C3_SRP"},  // 33
  {3, 2, SlotKind::kNatural, 0, "", "", ""},  // 34 C natural
  {3, 3, SlotKind::kPlain, 61220, "レ", "5\\D3.wav", "D3"},  // 35
  {3, 4, SlotKind::kSharp, 61252, "レ♯", "4\\D3_SRP.wav", "D3_SRP"},  // 36
  {3, 5, SlotKind::kNatural, 0, "", "", ""},  // 37 D natural
  {3, 6, SlotKind::kPlain, 61221, "ミ", "4\\E3.wav", "E3"},  // 38
  {3, 7, SlotKind::kPlain, 61222, "ファ", "4\\F3.wav", "F3"},  // 39
  {3, 8, SlotKind::kSharp, 61253, "ファ♯", "4\\F3_SRP.wav", "F3_SRP"},  // 40
  {3, 9, SlotKind::kNatural, 0, "", "", ""},  // 41 F natural
  {3, 10, SlotKind::kPlain, 61223, "ソ", "3\\G3.wav", "G3"},  // 42
  {3, 11, SlotKind::kSharp, 61254, "ソ♯", "3\\G3_SRP.wav", "G3_SRP"},  // 43
  {3, 12, SlotKind::kNatural, 0, "", "", ""},  // 44 G natural
  {3, 13, SlotKind::kPlain, 61224, "ラ", "3\\A3.wav", "A3"},  // 45
  {3, 14, SlotKind::kSharp, 61255, "ラ♯", "3\\A3_SRP.wav", "A3_SRP"},  // 46
  {3, 15, SlotKind::kPlain, 61225, "シ", "2\\B3.wav", "B3"},  // 47
  {4, 0, SlotKind::kPlain, 61226, "ド", "6\\C4.wav", "C4"},  // 48
  {4, 1, SlotKind::kSharp, 61256, "ド♯", "6\\C4_SRP.wav", "C4_SRP"},  // 49
  {4, 2, SlotKind::kNatural, 0, "", "", ""},  // 50 C natural
  {4, 3, SlotKind::kPlain, 61227, "レ", "6\\D4.wav", "D4"},  // 51
  {4, 4, SlotKind::kSharp, 61257, "レ♯", "6\\D4_SRP.wav", "D4_SRP"},  // 52
  {4, 5, SlotKind::kNatural, 0, "", "", ""},  // 53 D natural
  {4, 6, SlotKind::kPlain, 61228, "ミ", "6\\E4.wav", "E4"},  // 54
  {4, 7, SlotKind::kPlain, 61229, "ファ", "6\\F4.wav", "F4"},  // 55
  {4, 8, SlotKind::kSharp, 61258, "ファ♯", "6\\F4_SRP.wav", "F4_SRP"},  // 56
  {4, 9, SlotKind::kNatural, 0, "", "", ""},  // 57 F natural
  {4, 10, SlotKind::kPlain, 61230, "ソ", "6\\G4.wav", "G4"},  // 58
  {4, 11, SlotKind::kSharp, 61259, "ソ♯", "6\\G4_SRP.wav", "G4_SRP"},  // 59
  {4, 12, SlotKind::kNatural, 0, "", "", ""},  // 60 G natural
  {4, 13, SlotKind::kPlain, 61231, "ラ", "5\\A4.wav", "A4"},  // 61
  {4, 14, SlotKind::kSharp, 61260, "ラ♯", "5\\A4_SRP.wav", "A4_SRP"},  // 62
  {4, 15, SlotKind::kPlain, 61232, "シ", "5\\B4.wav", "B4"},  // 63
}};
// clang-format on

constexpr bool HasCheckBox(int slot) {
  return slot >= 0 && slot < kSlotCount && kSlots[slot].kind != SlotKind::kNatural;
}

// The 48 slots with a check box in the order the show-notes pass scans them: row 4 first, then
// rows 3, 2 and 1, positions ascending within a row. This is ascending pitch, lowest note first.
inline constexpr std::array<int, 48> kScanOrder = [] {
  std::array<int, 48> order{};
  int n = 0;
  for (int row = 4; row >= 1; --row) {
    for (int position = 0; position < kPositionsPerRow; ++position) {
      const int slot = kPositionsPerRow * (row - 1) + position;
      if (HasCheckBox(slot)) order[n++] = slot;
    }
  }
  return order;
}();

}  // namespace fretwise
