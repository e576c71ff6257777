// The sets rendered at build time. The panel's: one file per string and panel token, each a
// two-second note of the token's pitch, 44.1 kHz 16-bit mono, and nothing else. The instruments':
// a note for every pitch that each preset's strings reach, open to the last fret, and no other.
#include <SDL_mixer.h>
#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <set>

#include "notes/note_token.h"
#include "notes/slot_table.h"
#include "pitch/pitch.h"
#include "playback/note_sets.h"
#include "support/audio_analysis.h"

namespace fretwise {
namespace {

namespace fs = std::filesystem;
using playback::Instrument;

// After the pluck, 4096 samples correlate best with those a period later, not a semitone either
// side of it nor half of it: a note a semitone or an octave off fails.
void ExpectPitch(const std::vector<std::int16_t>& samples, int midi) {
  const double period = 44100 / (440 * std::exp2((midi - 69) / 12.0));
  const auto repeats = [&](double lag) {
    double xy = 0, xx = 0, yy = 0;
    for (std::size_t t = 4410; t < 4410 + 4096; ++t) {
      const double x = samples[t], y = samples[t + std::lround(lag)];
      xy += x * y, xx += x * x, yy += y * y;
    }
    return xy / std::sqrt(xx * yy);
  };
  const double at = repeats(period), semitone = std::exp2(1 / 12.0);
  EXPECT_TRUE(at > 0.9 && at > repeats(period * semitone) && at > repeats(period / semitone) &&
              repeats(period / 2) < 0.8)
      << at;
}

TEST(SoundSet, HoldsANoteOfItsTokensPitchForEveryStringAndPanelTokenAndNoOther) {
  const fs::path set = FRETWISE_SOUND_SET;
  // The string folders, their notes and the build's stamp, so nothing but the notes checked here.
  EXPECT_EQ(std::distance(fs::recursive_directory_iterator(set), {}),
            6 * (1 + kScanOrder.size()) + 1);
  for (int string = 1; string <= 6; ++string)
    for (int slot : kScanOrder) {
      const std::string_view token = kSlots[slot].token;
      SCOPED_TRACE(std::to_string(string) + "/" + std::string(token));
      const std::vector<std::int16_t> samples =
          test::Samples(set / std::to_string(string) / (std::string(token) + ".wav"), 44, 1);
      ASSERT_NEAR(double(samples.size()) / 44100, 2.0, 0.1);
      ExpectPitch(samples, kLowestMidi + TokenCode(token));
    }
}

const struct {
  const char* preset;  // nullptr: the nylon-string guitar, the player's choice for any guitar
  Instrument instrument;
  std::vector<int> strings;  // open, highest-numbered first
  int frets;
} kPresets[] = {
    {"standard", Instrument::kSteelGuitar, {40, 45, 50, 55, 59, 64}, 22},
    {"dadgad", Instrument::kSteelGuitar, {38, 45, 50, 55, 57, 62}, 22},
    {"seven-string", Instrument::kSteelGuitar, {35, 40, 45, 50, 55, 59, 64}, 22},
    {"bass", Instrument::kBass, {28, 33, 38, 43}, 20},
    {"bass5", Instrument::kBass, {23, 28, 33, 38, 43}, 20},
    {"ukulele", Instrument::kUkulele, {67, 60, 64, 69}, 15},
    {"baritone-ukulele", Instrument::kUkulele, {50, 55, 59, 64}, 15},
    {"mandolin", Instrument::kMandolin, {55, 62, 69, 76}, 20},
    {nullptr, Instrument::kNylonGuitar, {35, 40, 45, 50, 55, 59, 64}, 22},
};

// Every file is decoded as the sound layer decodes it and checked by ear.
TEST(SoundSet, HoldsAnInstrumentsNoteForEveryPitchItsPresetsReachAndNoOther) {
  ASSERT_EQ(Mix_OpenAudioDevice(44100, AUDIO_S16SYS, 2, 512, nullptr, 0), 0) << Mix_GetError();
  const fs::path root = fs::path(FRETWISE_INSTRUMENT_SETS).parent_path();
  std::set<fs::path> notes;
  for (const auto& row : kPresets) {
    EXPECT_EQ(row.preset ? playback::InstrumentOfPreset(row.preset) : row.instrument,
              row.instrument);
    for (const int open : row.strings)
      for (int midi = open; midi <= open + row.frets; ++midi)
        notes.insert(root / playback::NoteFile(row.instrument, midi));
  }
  // The three sets' folders, their notes (each decoded below) and the build's stamp.
  EXPECT_EQ(std::distance(fs::recursive_directory_iterator(FRETWISE_INSTRUMENT_SETS), {}),
            3 + notes.size() + 1);
  for (const fs::path& note : notes) {
    SCOPED_TRACE(note.string());
    const std::vector<std::int16_t> samples = test::DecodedLeft(note);
    ASSERT_NEAR(double(samples.size()) / 44100, 1.5, 0.01) << "decoded in full, 1.5 s long";
    ExpectPitch(samples, *ParsePitch(note.stem().string()));
  }
  Mix_CloseAudio();
}

}  // namespace
}  // namespace fretwise
