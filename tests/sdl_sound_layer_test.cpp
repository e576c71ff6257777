// The SDL2_mixer sound layer on SDL's dummy audio driver, which plays in real time into nothing.
// Run from the build folder, where the sound set lies in wav/.
#include "playback/sdl_sound_layer.h"

#include <SDL_mixer.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <thread>

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
  // A folder of this test's own for files it makes.
  fs::path Folder() {
    const auto* test = testing::UnitTest::GetInstance()->current_test_info();
    const fs::path folder = fs::path(testing::TempDir()) / "sdl_layer" / test->name();
    fs::create_directories(folder);
    return folder;
  }
  // A sine note of the given length.
  static void WriteTone(const fs::path& file, std::chrono::milliseconds length) {
    std::vector<std::int16_t> samples(44100 * length.count() / 1000);
    for (std::size_t i = 0; i < samples.size(); ++i)
      samples[i] = std::int16_t(8000 * std::sin(2 * M_PI * 440 * double(i) / 44100));
    WriteMonoWav(file, 44100, samples);
  }
  static void WriteBytes(const fs::path& file, std::string_view bytes) {
    std::ofstream(file, std::ios::binary) << bytes;
  }

  SdlSoundLayer layer;
};

TEST_F(SdlLayer, OpensPlaysAndClosesAFileOfTheSoundSet) {
  const Opened c = Open(".\\wav\\4\\C2.wav");
  ASSERT_EQ(c.result, 0u) << Text(c.result);
  EXPECT_EQ(Mix_Playing(-1), 0);
  ASSERT_EQ(layer.Play(c.device), 0u);
  EXPECT_EQ(Mix_Playing(-1), 1);
  ASSERT_EQ(layer.Close(c.device), 0u);
  EXPECT_EQ(Mix_Playing(-1), 0);

  const std::string gone = "サウンドデバイス " + std::to_string(c.device) + " は開いていません";
  for (const SoundResult result : {layer.Play(c.device), layer.Close(c.device)}) {
    EXPECT_EQ(result, SdlSoundLayer::kNoSuchDevice);
    EXPECT_EQ(Text(result), gone);
  }
}

TEST_F(SdlLayer, MoreNotesThanMixerChannelsAllSound) {
  for (const char* token : {"C2", "D2", "E2", "F2", "G2", "A2", "B2", "C1", "D1", "E1"}) {
    const Opened note = Open(std::string(".\\wav\\1\\") + token + ".wav");
    ASSERT_EQ(note.result, 0u) << Text(note.result);
    ASSERT_EQ(layer.Play(note.device), 0u) << token;
  }
  EXPECT_EQ(Mix_Playing(-1), 10);
}

// Closing a device whose sound has ended leaves alone whatever sounds on its channel since.
TEST_F(SdlLayer, CloseSilencesOnlyItsOwnSound) {
  WriteTone(Folder() / "short.wav", 20ms);
  const Opened brief = Open((Folder() / "short.wav").string());
  ASSERT_EQ(layer.Play(brief.device), 0u);
  layer.WaitUntilSilent(1s);
  const Opened later = Open(".\\wav\\1\\E2.wav");
  ASSERT_EQ(layer.Play(later.device), 0u);
  ASSERT_EQ(layer.Close(brief.device), 0u);
  EXPECT_EQ(Mix_Playing(-1), 1);
}

TEST_F(SdlLayer, FailedOpensNameTheFileAndTheReason) {
  const fs::path corrupt = Folder() / "corrupt.wav";
  WriteBytes(corrupt, "RIFF\x10\0\0\0WAVEjunk and more junk");
  const struct {
    const char* name;
    std::string element;
    SoundResult code;
    std::string text;  // the whole text, or its start when SDL's reason follows
  } rows[] = {
      {"missing file", ".\\wav\\7\\C2.wav", SdlSoundLayer::kFileMissing,
       "サウンドファイル「.\\wav\\7\\C2.wav」がありません"},
      {"not a sound", corrupt.string(), SdlSoundLayer::kNotASound,
       "サウンドファイル「" + corrupt.string() + "」を読み込めません: "},
      {"a folder", Folder().string(), SdlSoundLayer::kNotAFile,
       "サウンドファイル「" + Folder().string() + "」はファイルではありません"},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    const Opened opened = Open(row.element);
    EXPECT_EQ(opened.result, row.code);
    const std::string text = Text(opened.result);
    EXPECT_TRUE(text.starts_with(row.text)) << text;
    if (row.code == SdlSoundLayer::kNotASound) {
      EXPECT_GT(text.size(), row.text.size()) << text;  // SDL's reason follows
    }
  }
  MciOpenRecord midi{0, 521, ".\\wav\\4\\C2.wav"};
  EXPECT_EQ(layer.Open(midi), SdlSoundLayer::kWrongDeviceType);
}

// A decoded sound is kept, but a file that has gone or changed since is read anew.
TEST_F(SdlLayer, AKeptSoundFollowsItsFile) {
  const fs::path file = Folder() / "note.wav";
  WriteTone(file, 100ms);
  ASSERT_EQ(Open(file.string()).result, 0u);
  WriteBytes(file, "RIFF but not a WAVE file at all, and longer than it was");
  EXPECT_EQ(Open(file.string()).result, SdlSoundLayer::kNotASound);
  fs::remove(file);
  EXPECT_EQ(Open(file.string()).result, SdlSoundLayer::kFileMissing);
}

// Without an audio device an open fails and says why; a later open tries the device again.
TEST_F(SdlLayer, NoAudioDeviceIsReportedAndALaterOpenTriesAgain) {
  const char* set = std::getenv("SDL_AUDIODRIVER");
  const std::string driver = set != nullptr ? set : "dummy";
  setenv("SDL_AUDIODRIVER", "nosuch", 1);
  const Opened failed = Open(".\\wav\\4\\C2.wav");
  EXPECT_EQ(failed.result, SdlSoundLayer::kNoAudioDevice);
  const std::string text = Text(failed.result);
  EXPECT_TRUE(text.starts_with("オーディオデバイスを開けません: ")) << text;
  EXPECT_NE(text.find("nosuch"), std::string::npos) << text;  // SDL's reason names the driver

  setenv("SDL_AUDIODRIVER", driver.c_str(), 1);
  const Opened retried = Open(".\\wav\\4\\C2.wav");
  EXPECT_EQ(retried.result, 0u) << Text(retried.result);
  EXPECT_EQ(layer.Play(retried.device), 0u);
}

TEST_F(SdlLayer, ACodeWithNoFailureYetHasAGeneralText) {
  EXPECT_EQ(Text(SdlSoundLayer::kNoChannel), "サウンドデバイスのエラーです (コード 7)");
}

}  // namespace
}  // namespace fretwise
