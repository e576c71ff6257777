#include "tools/plucked_note.h"

#include <fluidsynth.h>

#include <algorithm>
#include <cmath>
#include <stdexcept>

namespace fretwise {
namespace {

constexpr int kVelocity = 100;

// Renders frames of the synth's left and right outputs, mixed to mono, onto out.
void Render(fluid_synth_t* synth, std::size_t frames, std::vector<float>& out) {
  std::vector<float> left(frames), right(frames);
  if (fluid_synth_write_float(synth, int(frames), left.data(), 0, 1, right.data(), 0, 1) !=
      FLUID_OK)
    throw std::runtime_error("FluidSynth failed to render");
  for (std::size_t i = 0; i < frames; ++i) out.push_back(0.5f * (left[i] + right[i]));
}

}  // namespace

void QuietFluidSynth() {
  fluid_set_log_function(FLUID_WARN, nullptr, nullptr);
  fluid_set_log_function(FLUID_INFO, nullptr, nullptr);
}

NoteRenderer::NoteRenderer(const std::string& soundFont, int program)
    : settings_(new_fluid_settings(), &delete_fluid_settings),
      synth_(nullptr, &delete_fluid_synth) {
  fluid_settings_t* settings = settings_.get();
  if (settings == nullptr) throw std::runtime_error("cannot start FluidSynth");
  fluid_settings_setnum(settings, "synth.sample-rate", kRenderRate);
  fluid_settings_setint(settings, "synth.reverb.active", 0);
  fluid_settings_setint(settings, "synth.chorus.active", 0);
  // Decode only the samples that the program uses, not the whole font.
  fluid_settings_setint(settings, "synth.dynamic-sample-loading", 1);
  synth_.reset(new_fluid_synth(settings));
  if (!synth_) throw std::runtime_error("cannot start FluidSynth");
  const int font = fluid_synth_sfload(synth_.get(), soundFont.c_str(), 1);
  if (font == FLUID_FAILED) throw std::runtime_error("cannot load the sound font " + soundFont);
  if (fluid_synth_program_select(synth_.get(), 0, font, 0, program) != FLUID_OK)
    throw std::runtime_error(soundFont + " has no General MIDI program " + std::to_string(program));
}

std::vector<float> NoteRenderer::Pluck(int midi, double held, double length) {
  std::vector<float> samples;
  fluid_synth_t* synth = synth_.get();
  fluid_synth_noteon(synth, 0, midi, kVelocity);
  Render(synth, std::size_t(held * kRenderRate), samples);
  fluid_synth_noteoff(synth, 0, midi);
  Render(synth, std::size_t((length - held) * kRenderRate), samples);
  fluid_synth_all_sounds_off(synth, 0);
  return samples;
}

std::vector<std::int16_t> Normalised(std::vector<float> samples, double fade, double peak) {
  const std::size_t faded = std::size_t(fade * kRenderRate);
  for (std::size_t i = 0; i < faded; ++i) samples[samples.size() - 1 - i] *= float(i) / faded;
  float loudest = 0;
  for (float s : samples) loudest = std::max(loudest, std::fabs(s));
  if (loudest <= 0) throw std::runtime_error("the note rendered as silence");
  std::vector<std::int16_t> pcm;
  pcm.reserve(samples.size());
  for (float s : samples) pcm.push_back(std::int16_t(std::lround(s / loudest * peak * 32767)));
  return pcm;
}

}  // namespace fretwise
