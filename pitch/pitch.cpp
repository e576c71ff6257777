#include "pitch/pitch.h"

#include <charconv>

namespace fretwise {
namespace {

constexpr std::array<std::string_view, 12> kSharpNames = {"C",  "C#", "D",  "D#", "E",  "F",
                                                          "F#", "G",  "G#", "A",  "A#", "B"};
constexpr std::string_view kSharpSign = "\u266F";
constexpr std::string_view kFlatSign = "\u266D";

std::optional<NoteName> ReadName(std::string_view text, bool lowerCaseLetter) {
  if (text.empty()) return std::nullopt;
  char first = text[0];
  if (lowerCaseLetter && first >= 'a' && first <= 'z') first = char(first - 'a' + 'A');
  const auto letter = kLetters.find(first);
  if (letter == std::string_view::npos) return std::nullopt;
  std::size_t length = 1;
  int shift = 0;
  const std::string_view rest = text.substr(1);
  if (rest.starts_with('#')) {
    shift = 1, length += 1;
  } else if (rest.starts_with(kSharpSign)) {
    shift = 1, length += kSharpSign.size();
  } else if (rest.starts_with('b')) {
    shift = -1, length += 1;
  } else if (rest.starts_with(kFlatSign)) {
    shift = -1, length += kFlatSign.size();
  }
  return NoteName{PitchClass(kNaturalPitchClass[letter] + shift), int(letter), length};
}

}  // namespace

std::optional<NoteName> ReadNoteName(std::string_view text) { return ReadName(text, false); }

std::optional<int> ParsePitch(std::string_view text) {
  const auto name = ReadName(text, true);
  if (!name) return std::nullopt;
  text.remove_prefix(name->length);
  if (text.size() != 1) return std::nullopt;
  int octave = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + 1, octave);
  if (error != std::errc() || end != text.data() + 1 || octave > 8) return std::nullopt;
  const int natural = kNaturalPitchClass[name->letter];
  const int shift = PitchClass(name->pitchClass - natural + 1) - 1;
  return 12 * (octave + 1) + natural + shift;
}

std::string_view SharpName(int pitchClass) { return kSharpNames[PitchClass(pitchClass)]; }

std::string PitchName(int midi) {
  return std::string(SharpName(midi)) + std::to_string(midi / 12 - 1);
}

}  // namespace fretwise
