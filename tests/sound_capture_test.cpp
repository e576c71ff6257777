// The play command through SDL's disk audio driver, which writes what would be heard to a file:
// the notes of a chord start in the same audio buffer, and what is heard is their sum.
#include <SDL.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <thread>

#include "notes/null_ports.h"
#include "playback/sdl_sound_layer.h"
#include "support/recorders.h"

namespace fretwise {
namespace {

constexpr std::size_t kBufferFrames = 512;

// The left channel of the 16-bit stereo output the driver wrote.
std::vector<int> CapturedLeft(const char* file) {
  std::ifstream in(file, std::ios::binary);
  const std::string bytes{std::istreambuf_iterator<char>(in), {}};
  std::vector<int> left;
  for (std::size_t i = 0; i + 4 <= bytes.size(); i += 4)
    left.push_back(std::int16_t(std::uint8_t(bytes[i]) | std::uint8_t(bytes[i + 1]) << 8));
  return left;
}

std::vector<int> Note(const std::string& file) {
  SDL_AudioSpec format;
  Uint8* buffer = nullptr;
  Uint32 bytes = 0;
  if (!SDL_LoadWAV(file.c_str(), &format, &buffer, &bytes)) {
    ADD_FAILURE() << file << ": " << SDL_GetError();
    return {};
  }
  const auto* pcm = reinterpret_cast<const Sint16*>(buffer);
  std::vector<int> samples(pcm, pcm + bytes / 2);
  SDL_FreeWAV(buffer);
  return samples;
}

// Presses play on the C major triad C4 E4 G4, as a player would after showing the notes, while
// the audio output already runs: a device opened and closed on another file has started it, and
// the notes' own files are read while it runs on.
std::vector<std::string> PlayTriad(const char* capture) {
  TickSet ticks{16, 22, 26};
  NullStaff staff;
  NullDiagram diagram;
  test::CallLog log;
  test::LoggingMessages messages{log};
  SdlSoundLayer sound;
  MciOpenRecord other{0, kWaveformAudioDevice, ".\\wav\\1\\C1.wav"};
  EXPECT_EQ(sound.Open(other), 0u);
  EXPECT_EQ(sound.Close(other.deviceId), 0u);
  const auto limit = std::chrono::steady_clock::now() + std::chrono::seconds(5);
  while (std::filesystem::file_size(capture) < 64 * 1024 &&
         std::chrono::steady_clock::now() < limit)
    std::this_thread::yield();

  ViewCore view({ticks, staff, diagram, messages, sound});
  view.OnShowNotes();
  view.OnPlay();
  sound.WaitUntilSilent(std::chrono::seconds(10));
  return messages.texts;
}

TEST(SoundCapture, AChordsNotesStartInTheSameBufferAtTheirPitches) {
  const char* file = std::getenv("SDL_DISKAUDIOFILE");
  ASSERT_NE(file, nullptr);
  ASSERT_EQ(PlayTriad(file), std::vector<std::string>{});
  const std::vector<int> left = CapturedLeft(file);

  const auto first = std::find_if(left.begin(), left.end(), [](int s) { return s != 0; });
  ASSERT_NE(first, left.end()) << "nothing was heard";
  const std::size_t start = std::size_t(first - left.begin()) / kBufferFrames * kBufferFrames;
  const std::vector<std::vector<int>> notes = {Note("wav/4/C2.wav"), Note("wav/3/E2.wav"),
                                               Note("wav/2/G2.wav")};
  for (const auto& note : notes) ASSERT_EQ(note.size(), notes[0].size());
  ASSERT_GE(left.size(), start + 16384) << "the chord was cut short";

  // What is heard is the three notes' sum, each from the first frame of the same buffer on
  // (within a rounding step of the mixer).
  int worst = 0;
  for (std::size_t t = 0; t < notes[0].size() && start + t < left.size(); ++t) {
    int sum = 0;
    for (const auto& note : notes) sum += note[t];
    worst = std::max(worst, std::abs(std::clamp(sum, -32768, 32767) - left[start + t]));
  }
  EXPECT_LE(worst, 2);
}

}  // namespace
}  // namespace fretwise
