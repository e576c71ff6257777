// The strings and the neck the chord finder searches.
#pragma once

#include <array>
#include <optional>
#include <string_view>

namespace fretwise::voicings {

// Index 0 is string 6 (the lowest-pitched), index 5 string 1: the order players read frets in.
inline constexpr int kStrings = 6;
inline constexpr int kHighestFret = 22;
inline constexpr int kMuted = -1;  // a fret value: the string does not sound; 0 is open
// Above every pitch: where a voicing's lowest pitch (its bass) is sought, the search starts here
// and a muted string sounds this, so that the bass is never a muted string's.
inline constexpr int kSilence = 1 << 30;

// MIDI numbers of the open strings, string 6 first.
using Tuning = std::array<int, kStrings>;
inline constexpr Tuning kStandardTuning = {40, 45, 50, 55, 59, 64};  // E2 A2 D3 G3 B3 E4
inline constexpr Tuning kDropDTuning = {38, 45, 50, 55, 59, 64};

// The tunings known by name, in the order a list offers them; the first is the default.
struct TuningPreset {
  std::string_view name;
  Tuning tuning;
};
inline constexpr std::array<TuningPreset, 2> kTuningPresets = {{
    {"standard", kStandardTuning},
    {"drop-d", kDropDTuning},
}};

// A preset's name (kTuningPresets), or six pitches from string 6 to string 1 separated by spaces
// or commas ("C2 A2 D3 G3 B3 E4"). Gives nothing for anything else.
std::optional<Tuning> ParseTuning(std::string_view text);

// The span option's limits, in frets.
inline constexpr int kDefaultSpan = 4;
inline constexpr int kFewestSpan = 2;
inline constexpr int kMostSpan = 6;

}  // namespace fretwise::voicings
