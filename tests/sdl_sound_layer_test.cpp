// The SDL2_mixer sound layer on SDL's dummy audio driver, which plays in real time into nothing.
// Run from the build folder, where the sound set lies in wav/.
#include "playback/sdl_sound_layer.h"

#include <SDL.h>
#include <SDL_mixer.h>
#include <gtest/gtest.h>


#include "tools/wav_writer.h"

namespace fretwise {
namespace {

namespace fs = std::filesystem;
using namespace std::chrono_literals;

struct Opened {
  SoundResult result;
  DeviceId device;
};

class SdlLayer : public testing::Test {
 protected:
  Opened Open(const std::string& name) {
    MciOpenRecord record{0, kWaveformAudioDevice, name};
    const SoundResult result = layer.Open(record);
    return {result, record.deviceId};
  }
  std::string Text(SoundResult code) {
    std::array<char, 200> text{};
    layer.GetErrorText(code, text.data(), text.size());
    return text.data();
  }
  // A file of this test's own: a sine note of the given length.
  fs::path File(const std::string& name, std::chrono::milliseconds length) {
    const auto* test = testing::UnitTest::GetInstance()->current_test_info();
    const fs::path folder = fs::path(testing::TempDir()) / "sdl_layer" / test->name();
    fs::create_directories(folder);
    std::vector<std::int16_t> samples(44100 * length.count() / 1000);
    for (std::size_t i = 0; i < samples.size(); ++i)
      samples[i] = std::int16_t(8000 * std::sin(2 * M_PI * 440 * double(i) / 44100));
    WriteMonoWav(folder / name, 44100, samples);
    return folder / name;
  }

  SdlSoundLayer layer;
};

TEST_F(SdlLayer, OpensPlaysAndClosesFilesOfTheSoundSetEachOnADeviceOfItsOwn) {
  const Opened c = Open(".\\wav\\4\\C2.wav");
  const Opened e = Open(".\\wav\\3\\E2.wav");
  ASSERT_EQ(c.result, 0u) << Text(c.result);
  ASSERT_EQ(e.result, 0u) << Text(e.result);
  const Opened again = Open(".\\wav\\4\\C2.wav");  // the sound decoded before
  ASSERT_EQ(again.result, 0u) << Text(again.result);
  EXPECT_TRUE(c.device != 0 && e.device != 0 && c.device != e.device) << "0 is never a device";
  EXPECT_NE(again.device, c.device);
  EXPECT_EQ(Mix_Playing(-1), 0);
  ASSERT_EQ(layer.Play(c.device), 0u);
  ASSERT_EQ(layer.Play(e.device), 0u);
  EXPECT_EQ(Mix_Playing(-1), 2);
  ASSERT_EQ(layer.Close(e.device), 0u);
  EXPECT_EQ(Mix_Playing(-1), 1) << "only its own sound stops";
  const std::string gone = "サウンドデバイス " + std::to_string(e.device) + " は開いていません";
  for (const SoundResult result : {layer.Play(e.device), layer.Close(e.device)}) {
    EXPECT_EQ(result, SdlSoundLayer::kNoSuchDevice);
    EXPECT_EQ(Text(result), gone);
  }
  EXPECT_EQ(Text(SdlSoundLayer::kNoChannel), "サウンドデバイスのエラーです (コード 7)");
}

TEST_F(SdlLayer, MoreNotesThanMixerChannelsAllSound) {
  for (const char* token : {"C2", "D2", "E2", "F2", "G2", "A2", "B2", "C1", "D1", "E1"}) {
    const Opened note = Open(std::string(".\\wav\\1\\") + token + ".wav");
    ASSERT_EQ(note.result, 0u) << Text(note.result);
    ASSERT_EQ(layer.Play(note.device), 0u) << token;
  }
  EXPECT_EQ(Mix_Playing(-1), 10);
}

// Closing a device whose sound has ended leaves alone whatever sounds on its channel since; the
// wait returns once the short note has ended, long before its limit.
TEST_F(SdlLayer, CloseSilencesOnlyItsOwnSoundAndTheWaitEndsWithTheSound) {
  const Opened brief = Open(File("short.wav", 20ms).string());
  ASSERT_EQ(layer.Play(brief.device), 0u);
  const auto start = std::chrono::steady_clock::now();
  layer.WaitUntilSilent(30s);
  EXPECT_LT(std::chrono::steady_clock::now() - start, 10s);
  EXPECT_EQ(Mix_Playing(-1), 0);
  const Opened later = Open(".\\wav\\1\\E2.wav");
  ASSERT_EQ(layer.Play(later.device), 0u);
  ASSERT_EQ(layer.Close(brief.device), 0u);
  EXPECT_EQ(Mix_Playing(-1), 1);
}

// A decoded sound is kept, but a file that has gone since is read anew. The other files it
// refuses are tested on the window.
TEST_F(SdlLayer, AFileGoneSinceItWasDecodedIsMissingAndOnlyWaveAudioOpens) {
  const std::string note = File("note.wav", 100ms).string();
  ASSERT_EQ(Open(note).result, 0u);
  fs::remove(note);
  const Opened gone = Open(note);
  EXPECT_EQ(gone.result, SdlSoundLayer::kFileMissing);
  EXPECT_EQ(Text(gone.result), "サウンドファイル「" + note + "」がありません");
  MciOpenRecord midi{0, 521, ".\\wav\\4\\C2.wav"};
  EXPECT_EQ(layer.Open(midi), SdlSoundLayer::kWrongDeviceType);
}

TEST(SdlLayerDevice, TheLayerGivesTheAudioDeviceBackWhenItGoes) {
  {
    SdlSoundLayer layer;
    MciOpenRecord record{0, kWaveformAudioDevice, ".\\wav\\4\\C2.wav"};
    ASSERT_EQ(layer.Open(record), 0u);
    EXPECT_EQ(layer.Play(record.deviceId), 0u);
    EXPECT_NE(Mix_QuerySpec(nullptr, nullptr, nullptr), 0);
  }
  EXPECT_EQ(Mix_QuerySpec(nullptr, nullptr, nullptr), 0) << "the mixer is closed";
  EXPECT_EQ(SDL_WasInit(SDL_INIT_AUDIO), 0u);
}

// Every note of the sound set sounds once, six at a time; two chords' worth stay decoded.
TEST(SoundCache, KeepsTheLastTwoChordsOnly) {
  SdlSoundLayer layer;
  std::vector<MciOpenRecord> chord;
  int opened = 0;
  for (const auto& entry : fs::recursive_directory_iterator("wav")) {
    if (entry.path().extension() != ".wav") continue;
    chord.push_back({0, kWaveformAudioDevice, entry.path().string()});
    ASSERT_EQ(layer.Open(chord.back()), 0u) << entry.path();
    ++opened;
    if (chord.size() < 6) continue;
    for (const MciOpenRecord& note : chord) ASSERT_EQ(layer.Close(note.deviceId), 0u);
    chord.clear();
    EXPECT_LE(layer.KeptSoundCount(), SdlSoundLayer::kKeptSounds);
  }
  EXPECT_GT(opened, 200);
  EXPECT_EQ(layer.KeptSoundCount(), SdlSoundLayer::kKeptSounds);
}

}  // namespace
}  // namespace fretwise
