// The SDL2_mixer sound layer on SDL's dummy driver (real time, into nothing), run beside wav/.
#include "sdl/sdl_sound_layer.h"

#include <SDL.h>
#include <SDL_mixer.h>
#include <gtest/gtest.h>

#include <fstream>
#include <set>

#include "tools/wav_writer.h"

namespace fretwise {
namespace {

// One layer's life: ten notes, beyond the mixer's first channels and a file twice, then as many as
// sound at once, one start beyond them refused until a device closes; a short sound
// that the wait sees end; files gone or not wave audio (the window meets the other faults); every
// note of the set, of which two chords' worth stay decoded; the audio output given back at the end.
TEST(SdlLayer, DevicesSoundTheirFilesAndSilenceOnlyTheirOwnSound) {
  {
    SdlSoundLayer layer;
    const auto open = [&](const std::string& name, SoundResult wanted = 0,
                          std::uint32_t type = kWaveformAudioDevice) {
      MciOpenRecord record{0, type, name};
      EXPECT_EQ(layer.Open(record), wanted) << name;
      return record.deviceId;
    };
    const auto text = [&](SoundResult code) {
      char text[200] = {};
      layer.GetErrorText(code, text, sizeof text);
      return std::string(text);
    };
    std::set<DeviceId> devices;
    for (const char* token : {"C2", "D2", "E2", "F2", "G2", "A2", "B2", "C1", "D1", "C2"}) {
      const DeviceId device = open(std::string(".\\wav\\1\\") + token + ".wav");
      ASSERT_TRUE(device != 0 && devices.insert(device).second && layer.Play(device) == 0) << token;
    }
    const DeviceId gone = *devices.begin();
    const int playing = Mix_Playing(-1);
    ASSERT_EQ(layer.Close(gone), 0u);
    EXPECT_EQ(std::pair(playing, Mix_Playing(-1)), std::pair(10, 9)) << "only its own sound stops";
    const SoundResult none = SdlSoundLayer::kNoSuchDevice;
    EXPECT_EQ(std::pair(layer.Play(gone), layer.Close(gone)), std::pair(none, none));
    EXPECT_EQ(text(none), "サウンドデバイス " + std::to_string(gone) + " は開いていません");
    EXPECT_EQ(text(SdlSoundLayer::kNoChannel), "サウンドデバイスのエラーです (コード 7)");
    while (Mix_Playing(-1) < SdlSoundLayer::kMostChannels && !testing::Test::HasFailure())
      ASSERT_EQ(layer.Play(*devices.insert(open(".\\wav\\1\\E2.wav")).first), 0u);
    const DeviceId beyond = open(".\\wav\\1\\E2.wav");
    const std::string refused = "サウンドデバイス " + std::to_string(beyond) + " を鳴らせません: ";
    EXPECT_EQ(layer.Play(beyond), SdlSoundLayer::kNoChannel);
    EXPECT_TRUE(text(SdlSoundLayer::kNoChannel).starts_with(refused));
    layer.Close(*devices.rbegin()), devices.insert(beyond);
    EXPECT_EQ(layer.Play(beyond), 0u) << "a channel is free again";
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
    open(".\\wav\\4\\C2.wav", SdlSoundLayer::kWrongDeviceType, 521);

    for (const auto& entry : std::filesystem::recursive_directory_iterator("wav"))
      if (entry.path().extension() == ".wav") layer.Close(open(entry.path().string()));
    EXPECT_EQ(layer.KeptSoundCount(), SdlSoundLayer::kKeptSounds);
  }
  EXPECT_EQ(Mix_QuerySpec(nullptr, nullptr, nullptr), 0) << "the mixer is closed";
  EXPECT_EQ(SDL_WasInit(SDL_INIT_AUDIO), 0u);
}

}  // namespace
}  // namespace fretwise
