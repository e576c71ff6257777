// The instruments a voicing can be heard on and their recorded notes. Each set holds one note per
// pitch that any tuning preset of its instruments can sound, open string to the neck's last fret,
// in one General MIDI sound: instruments/<set>/<pitch>.flac beside the panel's wav/, the pitch
// written with a sharp ("C#3.flac"). The build renders the sets (tools/render_instrument_sets).
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace fretwise::playback {

enum class Instrument { kSteelGuitar, kNylonGuitar, kBass, kUkulele, kMandolin };

struct NoteSet {
  std::string_view folder;  // under kInstrumentsFolder
  int program;              // General MIDI program, 0-based (25 is the steel-string guitar)
  int lowest;               // MIDI numbers of its lowest and highest note
  int highest;
};

inline constexpr std::string_view kInstrumentsFolder = "instruments";

// General MIDI has no ukulele and no mandolin. A ukulele is a small guitar strung with nylon and
// played with the fingers: the nylon-string guitar. A mandolin's steel strings are picked over a
// wooden top: the steel-string guitar (the banjo, the other candidate, rings through a drum head
// and sounds like one).
inline constexpr std::array<NoteSet, 3> kNoteSets = {{
    // Guitars from the seven-string's B1 to fret 22 of E4 (D6); the mandolin to fret 20 of E5.
    {"steel-guitar", 25, 35, 96},
    // Guitars; the ukulele (C4 to fret 15 of A4, C6) and the baritone ukulele (D3 to G5).
    {"nylon-guitar", 24, 35, 86},
    // Electric bass, fingered: the five-string's B0 to fret 20 of G2 (D#4).
    {"bass", 33, 23, 63},
}};

// The set an instrument sounds with.
const NoteSet& SetOf(Instrument instrument);

// The instrument's recorded note of a MIDI pitch, relative to the working directory
// ("instruments/steel-guitar/E2.flac"). A pitch outside the set names a file that does not exist,
// which the sound layer reports as missing.
std::string NoteFile(Instrument instrument, int midi);

// The instrument a tuning preset is heard on: the guitar presets on the steel-string guitar,
// "bass" and "bass5" on the bass, the ukuleles and the mandolin on theirs. Nothing for any other
// name (a tuning given as pitches is the caller's choice).
std::optional<Instrument> InstrumentOfPreset(std::string_view preset);

}  // namespace fretwise::playback
