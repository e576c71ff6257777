// Renders the sound set that the play command sounds: wav/<string>/<token>.wav for strings 1 to 6
// and each of the 48 tokens of the note panel, a plucked steel-string guitar note of about two
// seconds, 44.1 kHz, 16-bit mono. Any failure ends with one line naming it and exit status 1.
//
// Usage: render_sound_set SOUNDFONT OUTPUT_FOLDER
#include <fluidsynth.h>

#include <cmath>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <set>
#include <stdexcept>
#include <string>
#include <vector>

#include "notes/note_token.h"
#include "notes/slot_table.h"
#include "tools/wav_writer.h"

namespace fs = std::filesystem;
using namespace fretwise;

namespace {

constexpr int kRate = 44100;
constexpr int kSteelStringGuitar = 25;  // 0-based General MIDI program
constexpr int kVelocity = 100;
constexpr double kHeldSeconds = 1.7;  // then the string is damped
constexpr double kLengthSeconds = 2.0;
constexpr double kFadeSeconds = 0.05;  // to silence at the very end, so no file ends in a click
// Each file peaks at -12 dBFS: a six-note chord mixed at full volume seldom clips.
constexpr double kPeak = 0.25;

struct Synth {
  std::unique_ptr<fluid_settings_t, decltype(&delete_fluid_settings)> settings{
      new_fluid_settings(), &delete_fluid_settings};
  std::unique_ptr<fluid_synth_t, decltype(&delete_fluid_synth)> synth{nullptr, &delete_fluid_synth};
};

void LoadGuitar(Synth& s, const std::string& soundFont) {
  fluid_settings_t* settings = s.settings.get();
  fluid_settings_setnum(settings, "synth.sample-rate", kRate);
  fluid_settings_setint(settings, "synth.reverb.active", 0);
  fluid_settings_setint(settings, "synth.chorus.active", 0);
  // Decode only the samples that the guitar uses, not the whole font.
  fluid_settings_setint(settings, "synth.dynamic-sample-loading", 1);
  s.synth.reset(new_fluid_synth(settings));
  if (!s.synth) throw std::runtime_error("cannot start FluidSynth");
  const int font = fluid_synth_sfload(s.synth.get(), soundFont.c_str(), 1);
  if (font == FLUID_FAILED) throw std::runtime_error("cannot load the sound font " + soundFont);
  if (fluid_synth_program_select(s.synth.get(), 0, font, 0, kSteelStringGuitar) != FLUID_OK)
    throw std::runtime_error(soundFont + " has no steel-string guitar (program 25)");
}

// Renders frames of the synth's left and right outputs, mixed to mono, onto out.
void Render(fluid_synth_t* synth, std::size_t frames, std::vector<float>& out) {
  std::vector<float> left(frames), right(frames);
  if (fluid_synth_write_float(synth, int(frames), left.data(), 0, 1, right.data(), 0, 1) !=
      FLUID_OK)
    throw std::runtime_error("FluidSynth failed to render");
  for (std::size_t i = 0; i < frames; ++i) out.push_back(0.5f * (left[i] + right[i]));
}

std::vector<float> PluckedNote(fluid_synth_t* synth, int midi) {
  std::vector<float> samples;
  fluid_synth_noteon(synth, 0, midi, kVelocity);
  Render(synth, std::size_t(kHeldSeconds * kRate), samples);
  fluid_synth_noteoff(synth, 0, midi);
  Render(synth, std::size_t((kLengthSeconds - kHeldSeconds) * kRate), samples);
  fluid_synth_all_sounds_off(synth, 0);
  return samples;
}

std::vector<std::int16_t> Normalised(std::vector<float> samples) {
  const std::size_t fade = std::size_t(kFadeSeconds * kRate);
  for (std::size_t i = 0; i < fade; ++i) samples[samples.size() - 1 - i] *= float(i) / fade;
  float peak = 0;
  for (float s : samples) peak = std::max(peak, std::fabs(s));
  if (peak <= 0) throw std::runtime_error("the note rendered as silence");
  std::vector<std::int16_t> pcm;
  pcm.reserve(samples.size());
  for (float s : samples) pcm.push_back(std::int16_t(std::lround(s / peak * kPeak * 32767)));
  return pcm;
}

void RenderSet(const std::string& soundFont, const fs::path& folder) {
  Synth s;
  LoadGuitar(s, soundFont);
  std::set<fs::path> written;  // the string folders and their files
  for (int string = 1; string <= 6; ++string) {
    fs::create_directories(folder / std::to_string(string));
    written.insert(folder / std::to_string(string));
  }
  for (int slot : kScanOrder) {
    const std::string_view token = kSlots[slot].token;
    const std::string name = std::string(token) + ".wav";
    const auto pcm = Normalised(PluckedNote(s.synth.get(), kLowestMidi + TokenCode(token)));
    for (int string = 1; string <= 6; ++string) {
      WriteMonoWav(folder / std::to_string(string) / name, kRate, pcm);
      written.insert(folder / std::to_string(string) / name);
    }
  }
  // What an earlier render wrote under names this one no longer uses would be installed and
  // found by the sound-set checks: only the build's stamp may stay beside the new set.
  std::vector<fs::path> stale;
  for (const auto& entry : fs::recursive_directory_iterator(folder)) {
    if (!written.contains(entry.path()) && entry.path() != folder / "rendered.stamp")
      stale.push_back(entry.path());
  }
  for (const fs::path& path : stale) fs::remove_all(path);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: render_sound_set SOUNDFONT OUTPUT_FOLDER\n");
    return 2;
  }
  try {
    fluid_set_log_function(FLUID_WARN, nullptr, nullptr);
    fluid_set_log_function(FLUID_INFO, nullptr, nullptr);
    RenderSet(argv[1], argv[2]);
  } catch (const std::exception& e) {
    std::fprintf(stderr, "render_sound_set: %s\n", e.what());
    return 1;
  }
  return 0;
}
