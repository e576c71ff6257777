// Chords through SDL's disk audio driver, which writes what would be heard to a file, while the
// output already runs: a chord's notes start in one buffer though their files are read while it
// runs on, a strum's each at its time to the frame; what is heard is their sum, to the rounding.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <functional>
#include <thread>

#include "playback/voicing_player.h"
#include "sdl/sdl_sound_layer.h"
#include "support/audio_analysis.h"

namespace fretwise {
namespace {

using std::chrono::milliseconds;

// Each row plays its notes while the output runs; what is heard on the left must be their sum,
// each note starting its time after the start of the first buffer with sound in it.
TEST(SoundCapture, AChordsNotesStartInTheSameBufferAStrumsEachAtItsTime) {
  const char* capture = std::getenv("SDL_DISKAUDIOFILE");
  ASSERT_NE(capture, nullptr);
  const std::vector<int> cMajor = {playback::kMutedString, 48, 52, 55};  // x C3 E3 G3
  const auto panel = [](SdlSoundLayer& sound, playback::VoicingPlayer&) {
    sound.BeginChord();
    for (const char* file : {"wav/4/C2.wav", "wav/3/E2.wav", "wav/2/G2.wav"}) {
      MciOpenRecord note{0, kWaveformAudioDevice, file};
      ASSERT_TRUE(sound.Open(note) == 0 && sound.Play(note.deviceId) == 0) << file;
    }
    sound.EndChord();
  };
  const auto strum = [&](playback::Strum how) {
    return [&, how](SdlSoundLayer&, playback::VoicingPlayer& player) {
      ASSERT_EQ(player.Play(cMajor, playback::Instrument::kSteelGuitar, how), 0u);
    };
  };
  const std::string set = "instruments/steel-guitar/", c3 = set + "C3.flac", e3 = set + "E3.flac",
                    g3 = set + "G3.flac";
  const struct {
    const char* name;
    std::function<void(SdlSoundLayer&, playback::VoicingPlayer&)> play;
    std::vector<std::pair<std::string, int>> heard;  // each file and its start in ms
  } rows[] = {
      {"the panel's chord", panel, {{"wav/4/C2.wav", 0}, {"wav/3/E2.wav", 0}, {"wav/2/G2.wav", 0}}},
      {"a light downstroke", strum({}), {{c3, 0}, {e3, 15}, {g3, 30}}},
      {"an upstroke, 100 ms a string",
       strum({playback::Stroke::kUp, milliseconds(100)}),
       {{g3, 0}, {e3, 100}, {c3, 200}}},
      {"a voicing's block chord", strum(playback::kBlockChord), {{c3, 0}, {e3, 0}, {g3, 0}}},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    std::vector<std::vector<std::int16_t>> notes;  // as the layer decodes them, row.heard's files
    {
      SdlSoundLayer sound;
      playback::VoicingPlayer player(sound);
      MciOpenRecord note{0, kWaveformAudioDevice, ".\\wav\\1\\C1.wav"};
      ASSERT_EQ(sound.Open(note), 0u);  // which starts the output
      const auto limit = std::chrono::steady_clock::now() + std::chrono::seconds(5);
      while (std::filesystem::file_size(capture) < 65536 &&
             std::chrono::steady_clock::now() < limit)
        std::this_thread::yield();
      row.play(sound, player);
      for (const auto& heard : row.heard) notes.push_back(test::DecodedLeft(heard.first));
      sound.WaitUntilSilent(std::chrono::seconds(10));
    }
    const std::vector<std::int16_t> left = test::Samples(capture, 0, 2);  // of 16-bit stereo
    const auto first = std::ranges::find_if(left, [](int s) { return s != 0; }) - left.begin();
    ASSERT_LT(first, std::ssize(left)) << "nothing was heard";
    const std::size_t start = first / 512 * 512;  // its buffer's start
    std::vector<int> sum(left.size() - start);
    for (std::size_t i = 0; i < notes.size(); ++i) {
      const std::size_t offset = std::size_t(row.heard[i].second) * 44100 / 1000;
      ASSERT_TRUE(!notes[i].empty() && offset + notes[i].size() <= sum.size()) << "cut short";
      for (std::size_t t = 0; t < notes[i].size(); ++t) sum[offset + t] += notes[i][t];
    }
    for (std::size_t t = 0; t < sum.size(); ++t)
      ASSERT_NEAR(std::clamp(sum[t], -32768, 32767), left[start + t], 2) << "frame " << t;
  }
}

}  // namespace
}  // namespace fretwise
