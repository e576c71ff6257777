// Chords through SDL's disk audio driver, which writes what would be heard to a file, while the
// output already runs: a chord's notes start in the same audio buffer though their files are read
// while it runs on, a strum's notes each at its time to the frame, and what is heard is their sum,
// within the mixer's rounding.
#include <SDL_mixer.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <thread>

#include "playback/voicing_player.h"
#include "sdl/sdl_sound_layer.h"
#include "support/audio_analysis.h"

namespace fretwise {
namespace {

using std::chrono::milliseconds;

// Returns once the output has run a while, so that what follows meets it running.
void StartOutput(SdlSoundLayer& sound, const char* capture) {
  MciOpenRecord note{0, kWaveformAudioDevice, ".\\wav\\1\\C1.wav"};
  ASSERT_EQ(sound.Open(note), 0u);
  const auto limit = std::chrono::steady_clock::now() + std::chrono::seconds(5);
  while (std::filesystem::file_size(capture) < 65536 && std::chrono::steady_clock::now() < limit)
    std::this_thread::yield();
}

// Each note starts its offset (in frames) after the start of the first buffer with sound in it,
// and what is heard on the left is their sum to the end.
struct Onset {
  std::vector<std::int16_t> samples;
  std::size_t offset;
};
void ExpectHeard(const char* capture, const std::vector<Onset>& notes) {
  const std::vector<std::int16_t> left = test::Samples(capture, 0, 2);  // of 16-bit stereo
  const std::size_t first = std::ranges::find_if(left, [](int s) { return s != 0; }) - left.begin();
  ASSERT_LT(first, left.size()) << "nothing was heard";
  const std::size_t start = first / 512 * 512;  // its buffer's start
  std::vector<int> sum(left.size() - start);
  for (const Onset& note : notes) {
    ASSERT_LE(note.offset + note.samples.size(), sum.size()) << "the chord was cut short";
    for (std::size_t t = 0; t < note.samples.size(); ++t) sum[note.offset + t] += note.samples[t];
  }
  for (std::size_t t = 0; t < sum.size(); ++t)
    ASSERT_NEAR(std::clamp(sum[t], -32768, 32767), left[start + t], 2) << "frame " << t;
}

TEST(SoundCapture, AChordsNotesStartInTheSameBuffer) {
  const char* capture = std::getenv("SDL_DISKAUDIOFILE");
  ASSERT_NE(capture, nullptr);
  const char* files[] = {"wav/4/C2.wav", "wav/3/E2.wav", "wav/2/G2.wav"};
  {
    SdlSoundLayer sound;
    StartOutput(sound, capture);
    sound.BeginChord();
    for (const char* file : files) {
      MciOpenRecord note{0, kWaveformAudioDevice, file};
      ASSERT_TRUE(sound.Open(note) == 0 && sound.Play(note.deviceId) == 0) << file;
    }
    sound.EndChord();
    sound.WaitUntilSilent(std::chrono::seconds(10));
  }
  std::vector<Onset> notes;
  for (const char* file : files) notes.push_back({test::Samples(file, 44, 1), 0});
  ExpectHeard(capture, notes);
}

TEST(SoundCapture, AVoicingsStringsSoundInTheStrokesOrderEachAtItsTime) {
  const char* capture = std::getenv("SDL_DISKAUDIOFILE");
  ASSERT_NE(capture, nullptr);
  const std::vector<int> cMajor = {playback::kMutedString, 48, 52, 55};  // x C3 E3 G3
  const struct {
    const char* name;
    playback::Strum strum;
    std::vector<int> starts;  // ms after the first, string by string
  } rows[] = {
      {"a light downstroke", {}, {-1, 0, 15, 30}},
      {"an upstroke, 100 ms from string to string",
       {playback::Stroke::kUp, milliseconds(100)},
       {-1, 200, 100, 0}},
      {"a block chord", playback::kBlockChord, {-1, 0, 0, 0}},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    std::vector<Onset> notes;
    {
      SdlSoundLayer sound;
      StartOutput(sound, capture);
      playback::VoicingPlayer player(sound);
      ASSERT_EQ(player.Play(cMajor, playback::Instrument::kSteelGuitar, row.strum), 0u);
      for (std::size_t string = 1; string < cMajor.size(); ++string) {  // as the layer decodes it
        const std::string file =
            playback::NoteFile(playback::Instrument::kSteelGuitar, cMajor[string]);
        Mix_Chunk* note = Mix_LoadWAV(file.c_str());
        ASSERT_NE(note, nullptr) << file;
        const auto* stereo = reinterpret_cast<const std::int16_t*>(note->abuf);
        std::vector<std::int16_t> left;
        for (std::size_t t = 0; t < note->alen / 4; ++t) left.push_back(stereo[2 * t]);
        Mix_FreeChunk(note);
        notes.push_back({left, std::size_t(row.starts[string]) * 44100 / 1000});
      }
      sound.WaitUntilSilent(std::chrono::seconds(10));
    }
    ExpectHeard(capture, notes);
  }
}

}  // namespace
}  // namespace fretwise
