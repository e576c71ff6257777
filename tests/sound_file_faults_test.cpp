// Sound files that cannot be played, as a user's sound folder may hold them: each open fails at
// once with a text that names the file, and the layer plays on afterwards.
#include <SDL_mixer.h>
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <chrono>
#include <filesystem>
#include <fstream>

#include "playback/sdl_sound_layer.h"

namespace fretwise {
namespace {

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

// Run from the build folder, where the sound set lies in wav/.
const fs::path kGoodNote = "wav/4/C2.wav";

std::string Bytes(const fs::path& file) {
  std::ifstream in(file, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

void Write(const fs::path& file, std::string_view bytes) {
  std::ofstream(file, std::ios::binary) << bytes;
}

struct Fault {
  const char* name;
  void (*make)(const fs::path& file);
  SdlSoundLayer::Code code;
  const char* says;  // what the text says after the quoted name
};

const Fault kFaults[] = {
    {"missing", [](const fs::path&) {}, SdlSoundLayer::kFileMissing, "がありません"},
    {"empty", [](const fs::path& f) { Write(f, ""); }, SdlSoundLayer::kNotASound,
     "を読み込めません"},
    {"truncated", [](const fs::path& f) { Write(f, Bytes(kGoodNote).substr(0, 30)); },
     SdlSoundLayer::kNotASound, "を読み込めません"},
    {"not a WAV", [](const fs::path& f) { Write(f, "ID3\x04 an MP3 as far as its name goes"); },
     SdlSoundLayer::kNotASound, "を読み込めません"},
    {"a folder", [](const fs::path& f) { fs::create_directory(f); }, SdlSoundLayer::kNotAFile,
     "はファイルではありません"},
    {"a FIFO", [](const fs::path& f) { ASSERT_EQ(mkfifo(f.c_str(), 0600), 0); },
     SdlSoundLayer::kNotAFile, "はファイルではありません"},
    {"a link to /dev/zero", [](const fs::path& f) { fs::create_symlink("/dev/zero", f); },
     SdlSoundLayer::kNotAFile, "はファイルではありません"},
    {"past 64 MB",
     [](const fs::path& f) {
       Write(f, Bytes(kGoodNote));  // a real header, so only the size can refuse it
       fs::resize_file(f, SdlSoundLayer::kLargestSoundFile + 1);
     },
     SdlSoundLayer::kFileTooLarge, "は大きすぎます (64 MB まで)"},
};

// Names the row in test listings, rather than its bytes.
void PrintTo(const Fault& fault, std::ostream* out) { *out << fault.name; }

class SoundFileFault : public testing::TestWithParam<Fault> {};

TEST_P(SoundFileFault, IsRefusedAtOnceNamingTheFileAndTheLayerPlaysOn) {
  const fs::path folder = fs::path(testing::TempDir()) / "sound_file_faults";
  fs::remove_all(folder);
  fs::create_directories(folder);
  const std::string name = (folder / "note.wav").string();
  GetParam().make(name);

  SdlSoundLayer layer;
  MciOpenRecord record{0, kWaveformAudioDevice, name};
  const auto start = Clock::now();
  const SoundResult result = layer.Open(record);
  EXPECT_LT(Clock::now() - start, std::chrono::seconds(2));
  EXPECT_EQ(result, SoundResult(GetParam().code));
  std::array<char, 200> text{};
  layer.GetErrorText(result, text.data(), text.size());
  EXPECT_TRUE(std::string_view(text.data())
                  .starts_with("サウンドファイル「" + name + "」" + GetParam().says))
      << text.data();

  MciOpenRecord good{0, kWaveformAudioDevice, kGoodNote.string()};
  ASSERT_EQ(layer.Open(good), 0u);
  EXPECT_EQ(layer.Play(good.deviceId), 0u);
  fs::remove_all(folder);
}

INSTANTIATE_TEST_SUITE_P(Faults, SoundFileFault, testing::ValuesIn(kFaults),
                         [](const testing::TestParamInfo<Fault>& info) {
                           std::string name;
                           for (const char c : std::string_view(info.param.name)) {
                             if (std::isalnum(static_cast<unsigned char>(c))) name += c;
                           }
                           return name;
                         });

// A long session sounds every note of the sound set; the layer keeps two chords' worth decoded.
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
