#include "notes/note_token.h"

#include <charconv>

#include "notes/slot_table.h"

namespace fretwise {
namespace {

// Slot position of each semitone from C; the natural positions 2, 5, 9 and 12 never appear.
constexpr std::array<int, 12> kSemitonePosition = {0, 1, 3, 4, 6, 7, 8, 10, 11, 13, 14, 15};
constexpr std::array<std::string_view, 12> kSharpNames = {"C",  "C#", "D",  "D#", "E",  "F",
                                                          "F#", "G",  "G#", "A",  "A#", "B"};

constexpr std::string_view kSharpSign = "\u266F";
constexpr std::string_view kFlatSign = "\u266D";

}  // namespace

int SlotOfCode(int code) {
  const int scientificOctave = code / 12 + 2;
  const int row = 6 - scientificOctave;
  return kPositionsPerRow * (row - 1) + kSemitonePosition[code % 12];
}

std::string TokenText(int code) { return std::string(kSlots[SlotOfCode(code)].token); }

std::string ScientificName(int code) {
  return std::string(kSharpNames[code % 12]) + std::to_string(code / 12 + 2);
}

std::optional<int> ParseScientificPitch(std::string_view text) {
  if (text.empty()) return std::nullopt;
  const char upper = (text[0] >= 'a' && text[0] <= 'z') ? char(text[0] - 'a' + 'A') : text[0];
  const auto letter = kLetters.find(upper);
  if (letter == std::string_view::npos) return std::nullopt;
  text.remove_prefix(1);

  int shift = 0;
  if (text.starts_with('#')) {
    shift = 1, text.remove_prefix(1);
  } else if (text.starts_with(kSharpSign)) {
    shift = 1, text.remove_prefix(kSharpSign.size());
  } else if (text.starts_with('b')) {
    shift = -1, text.remove_prefix(1);
  } else if (text.starts_with(kFlatSign)) {
    shift = -1, text.remove_prefix(kFlatSign.size());
  }

  int octave = 0;
  if (text.empty() || text.size() > 2) return std::nullopt;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), octave);
  if (error != std::errc() || end != text.data() + text.size()) return std::nullopt;

  const int code = 12 * (octave - 2) + kLetterSemitone[letter] + shift;
  if (code < 0 || code >= kTokenCount) return std::nullopt;
  return code;
}

}  // namespace fretwise
