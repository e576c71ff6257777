// The sound set rendered at build time: one file per string and panel token, each a two-second
// note of the token's pitch, 44.1 kHz 16-bit mono, and nothing else. The layer tests decode it.
#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <numeric>

#include "notes/note_token.h"
#include "notes/slot_table.h"
#include "support/audio_analysis.h"

namespace fretwise {
namespace {

TEST(SoundSet, HoldsANoteOfItsTokensPitchForEveryStringAndPanelTokenAndNoOther) {
  const std::filesystem::path set = FRETWISE_SOUND_SET;
  // The string folders, their notes and the build's stamp, so nothing but the notes checked here.
  EXPECT_EQ(std::distance(std::filesystem::recursive_directory_iterator(set), {}),
            6 * (1 + kScanOrder.size()) + 1);
  for (int string = 1; string <= 6; ++string)
    for (int slot : kScanOrder) {
      const std::string_view token = kSlots[slot].token;
      SCOPED_TRACE(std::to_string(string) + "/" + std::string(token));
      const std::vector<std::int16_t> samples =
          test::Samples(set / std::to_string(string) / (std::string(token) + ".wav"), 44, 1);
      ASSERT_NEAR(double(samples.size()) / 44100, 2.0, 0.1);
      // After the pluck, 4096 samples correlate best with those a period later, not a semitone
      // either side of it nor half of it: a note a semitone or an octave off fails.
      const double period = 44100 / (440 * std::exp2((kLowestMidi + TokenCode(token) - 69) / 12.0));
      const auto repeats = [&](double lag) {
        const std::int16_t *x = samples.data() + 4410, *y = x + std::lround(lag);
        const auto dot = [](auto* a, auto* b) { return std::inner_product(a, a + 4096, b, 0.0); };
        return dot(x, y) / std::sqrt(dot(x, x) * dot(y, y));
      };
      const double at = repeats(period), semitone = std::exp2(1 / 12.0);
      EXPECT_TRUE(at > 0.9 && at > repeats(period * semitone) && at > repeats(period / semitone) &&
                  repeats(period / 2) < 0.7)
          << at;
    }
}

}  // namespace
}  // namespace fretwise
