// The SDL2_mixer sound layer on SDL's dummy driver (real time, into nothing), run beside wav/.
#include "playback/sdl_sound_layer.h"

#include <SDL.h>
#include <SDL_mixer.h>
#include <gtest/gtest.h>

#include <fstream>
#include <set>

#include "tools/wav_writer.h"

namespace fretwise {
namespace {

// One layer's life: ten notes, beyond the mixer's first channels and a file twice; a short sound
// that the wait sees end; files gone or not wave audio (the window meets the other faults); every
// note of the set, of which two chords' worth stay decoded; the audio output given back at the end.
TEST(SdlLayer, DevicesSoundTheirFilesAndSilenceOnlyTheirOwnSound) {
  {
    SdlSoundLayer layer;
    const auto open = [&](const std::string& name, SoundResult wanted = 0) {
      MciOpenRecord record{0, kWaveformAudioDevice, name};
      EXPECT_EQ(layer.Open(record), wanted) << name;
      return record.deviceId;
    };
    const auto text = [&](SoundResult code) {
      std::array<char, 200> text{};
      layer.GetErrorText(code, text.data(), text.size());
      return std::string(text.data());
    };
    std::set<DeviceId> devices;
    for (const char* token : {"C2", "D2", "E2", "F2", "G2", "A2", "B2", "C1", "D1", "C2"}) {
      const DeviceId device = open(std::string(".\\wav\\1\\") + token + ".wav");
      EXPECT_TRUE(device != 0 && devices.insert(device).second) << "0 is never a device";
      ASSERT_EQ(layer.Play(device), 0u) << token;
    }
    EXPECT_EQ(Mix_Playing(-1), 10);
    const DeviceId gone = *devices.begin();
    ASSERT_EQ(layer.Close(gone), 0u);
    EXPECT_EQ(Mix_Playing(-1), 9) << "only its own sound stops";
    const SoundResult none = SdlSoundLayer::kNoSuchDevice;
    EXPECT_EQ(std::pair(layer.Play(gone), layer.Close(gone)), std::pair(none, none));
    EXPECT_EQ(text(none), "サウンドデバイス " + std::to_string(gone) + " は開いていません");
    EXPECT_EQ(text(SdlSoundLayer::kNoChannel), "サウンドデバイスのエラーです (コード 7)");
    for (const DeviceId device : devices) layer.Close(device);

    const std::string file = testing::TempDir() + "/brief.wav";
    WriteMonoWav(file, 44100, std::vector<std::int16_t>(882));  // 20 ms of silence
    const DeviceId brief = open(file);
    ASSERT_EQ(layer.Play(brief), 0u);
    const auto start = std::chrono::steady_clock::now();
    layer.WaitUntilSilent(std::chrono::seconds(30));
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(10));
    EXPECT_EQ(Mix_Playing(-1), 0);
    ASSERT_EQ(layer.Play(open(".\\wav\\1\\E2.wav")), 0u);
    ASSERT_EQ(layer.Close(brief), 0u);
    EXPECT_EQ(Mix_Playing(-1), 1);
    for (const bool resized : {true, false}) {  // changed since decoded, in size or time alone
      WriteMonoWav(file, 44100, std::vector<std::int16_t>(882));
      open(file);
      const auto decoded = std::filesystem::last_write_time(file);
      if (resized) std::filesystem::resize_file(file, 30);
      if (!resized) std::fstream(file, std::ios::in | std::ios::out | std::ios::binary) << "JUNK";
      std::filesystem::last_write_time(file, decoded + std::chrono::seconds(resized ? 0 : 1));
      open(file, SdlSoundLayer::kNotASound);
    }
    std::filesystem::remove(file);
    open(file, SdlSoundLayer::kFileMissing);
    EXPECT_EQ(text(SdlSoundLayer::kFileMissing), "サウンドファイル「" + file + "」がありません");
    MciOpenRecord midi{0, 521, ".\\wav\\4\\C2.wav"};
    EXPECT_EQ(layer.Open(midi), SdlSoundLayer::kWrongDeviceType);

    for (const auto& entry : std::filesystem::recursive_directory_iterator("wav")) {
      MciOpenRecord note{0, kWaveformAudioDevice, entry.path().string()};
      if (entry.path().extension() != ".wav") continue;
      ASSERT_EQ(layer.Open(note), 0u) << note.elementName;
      layer.Close(note.deviceId);
    }
    EXPECT_EQ(layer.KeptSoundCount(), SdlSoundLayer::kKeptSounds);
  }
  EXPECT_EQ(Mix_QuerySpec(nullptr, nullptr, nullptr), 0) << "the mixer is closed";
  EXPECT_EQ(SDL_WasInit(SDL_INIT_AUDIO), 0u);
}

}  // namespace
}  // namespace fretwise
