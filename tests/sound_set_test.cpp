// The sound set rendered at build time: one file per string and panel token, each a note of the
// token's pitch that SDL can decode.
#include <SDL.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <set>
#include <vector>

#include "notes/note_token.h"
#include "notes/slot_table.h"
#include "support/audio_analysis.h"

namespace fretwise {
namespace {

namespace fs = std::filesystem;
using test::Cents;
using test::EstimatePitch;
using test::MidiFrequency;

constexpr double kRate = 44100;
// C2 to B5 and beyond, so that a note an octave off is still caught as wrong.
constexpr double kLowestHz = 50, kHighestHz = 2100;

struct Decoded {
  SDL_AudioSpec format{};
  std::vector<float> samples;
};

// Decodes a file as SDL does; an empty result says why in the failure.
Decoded Decode(const fs::path& file) {
  Decoded d;
  Uint8* buffer = nullptr;
  Uint32 bytes = 0;
  if (!SDL_LoadWAV(file.c_str(), &d.format, &buffer, &bytes)) {
    ADD_FAILURE() << file << ": " << SDL_GetError();
    return d;
  }
  const auto* pcm = reinterpret_cast<const Sint16*>(buffer);
  for (Uint32 i = 0; i < bytes / 2; ++i) d.samples.push_back(pcm[i] / 32768.0f);
  SDL_FreeWAV(buffer);
  return d;
}

// Every file is a two-second mono note at its token's pitch, and nothing else lies in the set.
TEST(SoundSet, HoldsANoteOfItsTokensPitchForEveryStringAndPanelTokenAndNoOther) {
  std::set<std::string> expected, found;
  for (const auto& entry : fs::recursive_directory_iterator(FRETWISE_SOUND_SET)) {
    if (entry.path().filename() != "rendered.stamp" && !entry.is_directory())
      found.insert(fs::relative(entry.path(), FRETWISE_SOUND_SET).generic_string());
  }
  for (int string = 1; string <= 6; ++string) {
    for (int slot : kScanOrder) {
      const std::string_view token = kSlots[slot].token;
      const std::string name = std::to_string(string) + "/" + std::string(token) + ".wav";
      expected.insert(name);
      SCOPED_TRACE(name);
      const Decoded d = Decode(fs::path(FRETWISE_SOUND_SET) / name);
      EXPECT_TRUE(d.format.freq == 44100 && d.format.format == AUDIO_S16LSB &&
                  d.format.channels == 1);
      ASSERT_NEAR(double(d.samples.size()) / kRate, 2.0, 0.1);
      // The pitch a little after the pluck, once the attack has settled.
      const auto pitch =
          EstimatePitch(std::span(d.samples).subspan(4410, 8192), kRate, kLowestHz, kHighestHz);
      const double wanted = MidiFrequency(kLowestMidi + TokenCode(token));
      ASSERT_TRUE(pitch.has_value());
      EXPECT_NEAR(Cents(*pitch, wanted), 0.0, 25.0) << *pitch << " Hz for " << wanted;
    }
  }
  EXPECT_EQ(found, expected);
}

}  // namespace
}  // namespace fretwise
