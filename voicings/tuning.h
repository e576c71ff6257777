// The strings and the neck the chord finder searches.
#pragma once

#include <algorithm>
#include <array>
#include <initializer_list>
#include <optional>
#include <span>
#include <string_view>

namespace fretwise::voicings {

// From three strings (a balalaika's) to eight (an eight-string guitar's).
inline constexpr int kFewestStrings = 3;
inline constexpr int kMostStrings = 8;
// The neck's highest fret: --frets takes 12 to 24, 22 unless a preset says otherwise.
inline constexpr int kFewestFrets = 12;
inline constexpr int kDefaultFrets = 22;
inline constexpr int kMostFrets = 24;
inline constexpr int kMuted = -1;  // a fret value: the string does not sound; 0 is open
// Above every pitch: where a voicing's lowest pitch (its bass) is sought, the search starts here
// and a muted string sounds this, so that the bass is never a muted string's.
inline constexpr int kSilence = 1 << 30;

// MIDI numbers of the open strings, from the highest-numbered string (string 6 of a guitar) to
// string 1: the order players read frets in. Index s is string number size() - s. Nothing
// assumes the strings rise in pitch: a ukulele's string 4 sounds above its string 3.
class Tuning {
 public:
  constexpr Tuning() = default;
  constexpr Tuning(std::initializer_list<int> open)
      : Tuning(std::span(open.begin(), open.size())) {}
  // At most kMostStrings are taken.
  constexpr explicit Tuning(std::span<const int> open)
      : strings_(int(std::min<std::size_t>(open.size(), kMostStrings))) {
    for (int s = 0; s < strings_; ++s) open_[s] = open[s];
  }
  constexpr int size() const { return strings_; }
  constexpr int operator[](int s) const { return open_[s]; }
  constexpr const int* begin() const { return open_.data(); }
  constexpr const int* end() const { return open_.data() + strings_; }
  constexpr bool operator==(const Tuning&) const = default;
  // Whether each string sounds above the one before it, as on a guitar; a re-entrant tuning (a
  // ukulele's high G) does not.
  constexpr bool Rises() const {
    for (int s = 1; s < strings_; ++s)
      if (open_[s] < open_[s - 1]) return false;
    return true;
  }

 private:
  std::array<int, kMostStrings> open_{};
  int strings_ = 0;
};

inline constexpr Tuning kStandardTuning = {40, 45, 50, 55, 59, 64};  // E2 A2 D3 G3 B3 E4
inline constexpr Tuning kDropDTuning = {38, 45, 50, 55, 59, 64};

// A named tuning and the neck it is usually found on.
struct Preset {
  std::string_view name;
  Tuning tuning;
  int frets;
};
inline constexpr std::array<Preset, 11> kPresets = {{
    {"standard", kStandardTuning, kDefaultFrets},
    {"drop-d", kDropDTuning, kDefaultFrets},
    {"dadgad", {38, 45, 50, 55, 57, 62}, kDefaultFrets},
    {"open-g", {38, 43, 50, 55, 59, 62}, kDefaultFrets},
    {"open-d", {38, 45, 50, 54, 57, 62}, kDefaultFrets},
    {"seven-string", {35, 40, 45, 50, 55, 59, 64}, kDefaultFrets},
    {"bass", {28, 33, 38, 43}, 20},
    {"bass5", {23, 28, 33, 38, 43}, 20},
    {"ukulele", {67, 60, 64, 69}, 15},  // G4 C4 E4 A4: string 4 sounds above string 3
    {"baritone-ukulele", {50, 55, 59, 64}, 15},
    {"mandolin", {55, 62, 69, 76}, 20},
}};

// A preset's name, or 3 to 8 pitches from the highest-numbered string to string 1 separated by
// spaces or commas ("C2 A2 D3 G3 B3 E4", "G4 C4 E4 A4"), with the neck's frets: the preset's, or
// kDefaultFrets. Gives nothing for anything else.
std::optional<Preset> ParseTuning(std::string_view text);

// The span option's limits, in frets.
inline constexpr int kDefaultSpan = 4;
inline constexpr int kFewestSpan = 2;
inline constexpr int kMostSpan = 6;

}  // namespace fretwise::voicings
