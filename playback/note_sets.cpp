#include "playback/note_sets.h"

#include <algorithm>

#include "pitch/pitch.h"

namespace fretwise::playback {
namespace {

// kNoteSets' index of each Instrument, by its value.
constexpr std::array<int, 5> kSetOfInstrument = {0, 1, 2, 1, 0};

struct Preset {
  std::string_view name;
  Instrument instrument;
};
constexpr std::array<Preset, 11> kPresets = {{
    {"standard", Instrument::kSteelGuitar},
    {"drop-d", Instrument::kSteelGuitar},
    {"dadgad", Instrument::kSteelGuitar},
    {"open-g", Instrument::kSteelGuitar},
    {"open-d", Instrument::kSteelGuitar},
    {"seven-string", Instrument::kSteelGuitar},
    {"bass", Instrument::kBass},
    {"bass5", Instrument::kBass},
    {"ukulele", Instrument::kUkulele},
    {"baritone-ukulele", Instrument::kUkulele},
    {"mandolin", Instrument::kMandolin},
}};

}  // namespace

const NoteSet& SetOf(Instrument instrument) {
  return kNoteSets[kSetOfInstrument[static_cast<int>(instrument)]];
}

std::string NoteFile(Instrument instrument, int midi) {
  return std::string(kInstrumentsFolder) + "/" + std::string(SetOf(instrument).folder) + "/" +
         PitchName(midi) + ".flac";
}

std::optional<Instrument> InstrumentOfPreset(std::string_view preset) {
  const auto found = std::ranges::find(kPresets, preset, &Preset::name);
  if (found == kPresets.end()) return std::nullopt;
  return found->instrument;
}

}  // namespace fretwise::playback
