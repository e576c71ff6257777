// A chord through SDL's disk audio driver, which writes what would be heard to a file, while the
// output already runs: its notes start in the same audio buffer though their files are read while
// it runs on, and what is heard is their sum, within the mixer's rounding.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <thread>

#include "sdl/sdl_sound_layer.h"
#include "support/audio_analysis.h"

namespace fretwise {
namespace {

TEST(SoundCapture, AChordsNotesStartInTheSameBuffer) {
  const char* capture = std::getenv("SDL_DISKAUDIOFILE");
  ASSERT_NE(capture, nullptr);
  const char* files[] = {"wav/4/C2.wav", "wav/3/E2.wav", "wav/2/G2.wav"};
  {
    SdlSoundLayer sound;
    MciOpenRecord note{0, kWaveformAudioDevice, ".\\wav\\1\\C1.wav"};
    ASSERT_EQ(sound.Open(note), 0u);  // which starts the output
    const auto limit = std::chrono::steady_clock::now() + std::chrono::seconds(5);
    while (std::filesystem::file_size(capture) < 65536 && std::chrono::steady_clock::now() < limit)
      std::this_thread::yield();
    sound.BeginChord();
    for (const char* file : files) {
      note.elementName = file;
      ASSERT_TRUE(sound.Open(note) == 0 && sound.Play(note.deviceId) == 0) << file;
    }
    sound.EndChord();
    sound.WaitUntilSilent(std::chrono::seconds(10));
  }
  const std::vector<std::int16_t> left = test::Samples(capture, 0, 2);  // of 16-bit stereo
  const std::size_t first = std::ranges::find_if(left, [](int s) { return s != 0; }) - left.begin();
  ASSERT_LT(first, left.size()) << "nothing was heard";
  const std::size_t start = first / 512 * 512;  // its buffer's start
  std::vector<int> sum(left.size() - start);
  for (const char* file : files) {
    const std::vector<std::int16_t> note = test::Samples(file, 44, 1);
    ASSERT_LE(note.size(), sum.size()) << "the chord was cut short";
    for (std::size_t t = 0; t < note.size(); ++t) sum[t] += note[t];
  }
  for (std::size_t t = 0; t < sum.size(); ++t)
    ASSERT_NEAR(std::clamp(sum[t], -32768, 32767), left[start + t], 2) << "frame " << t;
}

}  // namespace
}  // namespace fretwise
