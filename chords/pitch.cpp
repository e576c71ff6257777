#include "chords/pitch.h"

#include <array>
#include <charconv>

namespace fretwise::chords {
namespace {

constexpr std::string_view kLetters = "CDEFGAB";
constexpr std::array<int, 7> kNatural = {0, 2, 4, 5, 7, 9, 11};
constexpr std::array<std::string_view, 12> kSharpNames = {"C",  "C#", "D",  "D#", "E",  "F",
                                                          "F#", "G",  "G#", "A",  "A#", "B"};
constexpr std::array<std::string_view, 12> kMajorRoots = {"C",  "Db", "D",  "Eb", "E",  "F",
                                                          "F#", "G",  "Ab", "A",  "Bb", "B"};
constexpr std::array<std::string_view, 12> kMinorRoots = {"C",  "C#", "D",  "Eb", "E",  "F",
                                                          "F#", "G",  "G#", "A",  "Bb", "B"};
// How many letters above the root a player counts each interval (0 = unison .. 11 = major 7th):
// the minor 2nd is a flat 2nd, the tritone a flat 5th, the minor 6th a flat 6th.
constexpr std::array<int, 12> kLetterSteps = {0, 1, 1, 2, 2, 3, 4, 4, 5, 5, 6, 6};

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
  return NoteName{PitchClass(kNatural[letter] + shift), int(letter), length};
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
  // Cb and B# cross the octave line: Cb4 is B3.
  const int natural = kNatural[name->letter];
  const int shift = PitchClass(name->pitchClass - natural + 1) - 1;
  return 12 * (octave + 1) + natural + shift;
}

std::string PitchName(int midi) {
  return std::string(kSharpNames[PitchClass(midi)]) + std::to_string(midi / 12 - 1);
}

std::string RootName(int pitchClass, bool minor) {
  return std::string((minor ? kMinorRoots : kMajorRoots)[pitchClass]);
}

std::string NoteAbove(std::string_view rootName, int pitchClass, bool raisedFifth) {
  const auto root = ReadNoteName(rootName);
  if (!root) return std::string(kSharpNames[pitchClass]);
  const int interval = PitchClass(pitchClass - root->pitchClass);
  const int steps = interval == 8 && raisedFifth ? 4 : kLetterSteps[interval];
  const int letter = (root->letter + steps) % 7;
  const int shift = PitchClass(pitchClass - kNatural[letter] + 1) - 1;
  if (shift < -1 || shift > 1) {
    // A double sharp or flat: the root's own side of the circle instead.
    const bool flats = rootName.find('b') != std::string_view::npos || rootName == "F";
    return RootName(pitchClass, !flats);
  }
  return std::string(1, kLetters[letter]) + (shift > 0 ? "#" : shift < 0 ? "b" : "");
}

}  // namespace fretwise::chords
