#include "notes/note_token.h"

#include "notes/slot_table.h"

namespace fretwise {
namespace {

// Slot position of each semitone from C; the natural positions 2, 5, 9 and 12 never appear.
constexpr std::array<int, 12> kSemitonePosition = {0, 1, 3, 4, 6, 7, 8, 10, 11, 13, 14, 15};

}  // namespace

int SlotOfCode(int code) {
  const int scientificOctave = code / 12 + 2;
  const int row = 6 - scientificOctave;
  return kPositionsPerRow * (row - 1) + kSemitonePosition[code % 12];
}

std::string TokenText(int code) { return std::string(kSlots[SlotOfCode(code)].token); }

std::string ScientificName(int code) { return PitchName(kLowestMidi + code); }

std::optional<int> ParseScientificPitch(std::string_view text) {
  const auto midi = ParsePitch(text);
  if (!midi || *midi < kLowestMidi || *midi >= kLowestMidi + kTokenCount) return std::nullopt;
  return *midi - kLowestMidi;
}

}  // namespace fretwise
