#include "chords/spelling.h"

#include <array>

namespace fretwise::chords {
namespace {

constexpr std::array<std::string_view, 12> kMajorRoots = {"C",  "Db", "D",  "Eb", "E",  "F",
                                                          "F#", "G",  "Ab", "A",  "Bb", "B"};
constexpr std::array<std::string_view, 12> kMinorRoots = {"C",  "C#", "D",  "Eb", "E",  "F",
                                                          "F#", "G",  "G#", "A",  "Bb", "B"};
// How many letters above the root a player counts each interval (0 = unison .. 11 = major 7th):
// the minor 2nd is a flat 2nd, the tritone a flat 5th, the minor 6th a flat 6th.
constexpr std::array<int, 12> kLetterSteps = {0, 1, 1, 2, 2, 3, 4, 4, 5, 5, 6, 6};

}  // namespace

std::string RootName(int pitchClass, const ChordQuality& quality) {
  // The leading tone of every key a semitone up is its sharp name (E# gives way to F).
  if (IsDiminished(quality)) return std::string(SharpName(pitchClass));
  return std::string((IsMinor(quality) ? kMinorRoots : kMajorRoots)[pitchClass]);
}

std::string NoteAbove(std::string_view rootName, int pitchClass, bool raisedFifth) {
  const auto root = ReadNoteName(rootName);
  if (!root) return std::string(SharpName(pitchClass));
  const int interval = PitchClass(pitchClass - root->pitchClass);
  const int steps = interval == 8 && raisedFifth ? 4 : kLetterSteps[interval];
  const int letter = (root->letter + steps) % 7;
  const int shift = PitchClass(pitchClass - kNaturalPitchClass[letter] + 1) - 1;
  if (shift < -1 || shift > 1) {
    // A double sharp or flat: the root's own side of the circle instead.
    const bool flats = rootName.find('b') != std::string_view::npos || rootName == "F";
    return std::string((flats ? kMajorRoots : kMinorRoots)[pitchClass]);
  }
  std::string name(1, kLetters[letter]);
  if (shift != 0) name += shift > 0 ? '#' : 'b';
  return name;
}

std::string BassName(std::string_view rootName, int pitchClass, bool raisedFifth) {
  std::string name = NoteAbove(rootName, pitchClass, raisedFifth);
  if (name == "B#" || name == "Cb" || name == "E#" || name == "Fb") {
    return std::string(SharpName(pitchClass));  // C, B, F or E: a natural
  }
  return name;
}

}  // namespace fretwise::chords
