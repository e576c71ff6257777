// The decoded sounds the layer keeps over a long session. The files it refuses are tested
// on the window, in app_sound_faults_test.
#include <gtest/gtest.h>

#include <filesystem>

#include "playback/sdl_sound_layer.h"

namespace fretwise {
namespace {

namespace fs = std::filesystem;

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
