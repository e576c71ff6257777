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

TEST(SoundSet, HoldsAFileForEveryStringAndPanelTokenAndNoOther) {
  std::set<std::string> expected, found;
  for (int string = 1; string <= 6; ++string)
    for (int slot : kScanOrder)
      expected.insert(std::to_string(string) + "/" + std::string(kSlots[slot].token) + ".wav");
  for (const auto& entry : fs::recursive_directory_iterator(FRETWISE_SOUND_SET)) {
    if (entry.path().extension() == ".wav")
      found.insert(fs::relative(entry.path(), FRETWISE_SOUND_SET).generic_string());
  }
  EXPECT_EQ(expected.size(), 288u);
  EXPECT_EQ(found, expected);
}

TEST(SoundSet, EveryFileIsATwoSecondMonoNoteOfItsTokensPitch) {
  for (int string = 1; string <= 6; ++string) {
    for (int slot : kScanOrder) {
      const std::string_view token = kSlots[slot].token;
      const fs::path file =
          fs::path(FRETWISE_SOUND_SET) / std::to_string(string) / (std::string(token) + ".wav");
      SCOPED_TRACE(file.string());
      const Decoded d = Decode(file);
      EXPECT_EQ(d.format.freq, 44100);
      EXPECT_EQ(d.format.format, AUDIO_S16LSB);
      EXPECT_EQ(d.format.channels, 1);
      ASSERT_NEAR(double(d.samples.size()) / kRate, 2.0, 0.1);
      // The pitch a little after the pluck, once the attack has settled.
      const auto part = std::span(d.samples).subspan(4410, 8192);
      const double expected = MidiFrequency(kLowestMidi + TokenCode(token));
      const auto pitch = EstimatePitch(part, kRate, kLowestHz, kHighestHz);
      ASSERT_TRUE(pitch.has_value());
      EXPECT_NEAR(Cents(*pitch, expected), 0.0, 25.0) << *pitch << " Hz for " << expected;
    }
  }
}

// The estimator itself, on tones whose pitch is known.
TEST(PitchEstimator, FindsTheFundamentalEvenWhenItIsWeakerThanItsOvertones) {
  const struct {
    double hz;
    std::vector<double> harmonics;  // amplitudes of harmonics 1, 2, 3, ...
  } tones[] = {
      {82.41, {0.1, 1.0, 0.8, 0.6, 0.4}},  // E2, a low string's weak fundamental
      {146.83, {0.05, 0.7, 1.0, 0.3}},
      {987.77, {1.0, 0.3}},  // B5
  };
  for (const auto& tone : tones) {
    SCOPED_TRACE(tone.hz);
    std::vector<float> samples(12000);
    for (std::size_t i = 0; i < samples.size(); ++i) {
      for (std::size_t h = 0; h < tone.harmonics.size(); ++h)
        samples[i] += float(0.2 * tone.harmonics[h] *
                            std::sin(2 * M_PI * tone.hz * double(h + 1) * double(i) / kRate));
    }
    const auto pitch = EstimatePitch(samples, kRate, kLowestHz, kHighestHz);
    ASSERT_TRUE(pitch.has_value());
    EXPECT_NEAR(Cents(*pitch, tone.hz), 0.0, 2.0) << *pitch;
  }
  EXPECT_FALSE(EstimatePitch(std::vector<float>(12000, 0.0f), kRate, kLowestHz, kHighestHz));
}

}  // namespace
}  // namespace fretwise
