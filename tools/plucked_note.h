// Plucked notes from a General MIDI program of a sound font, rendered by FluidSynth at 44.1 kHz
// without reverb or chorus, and made ready to write as 16-bit samples.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

typedef struct _fluid_hashtable_t fluid_settings_t;
typedef struct _fluid_synth_t fluid_synth_t;

namespace fretwise {

inline constexpr int kRenderRate = 44100;

// Keeps FluidSynth's notices and warnings off stderr, which is for the one line of a failure.
void QuietFluidSynth();

class NoteRenderer {
 public:
  // Throws std::runtime_error naming what failed: FluidSynth, the font, or a program it lacks.
  NoteRenderer(const std::string& soundFont, int program);

  // The note held for `held` seconds, then released, until `length` seconds: mono.
  std::vector<float> Pluck(int midi, double held, double length);

 private:
  std::unique_ptr<fluid_settings_t, void (*)(fluid_settings_t*)> settings_;
  std::unique_ptr<fluid_synth_t, void (*)(fluid_synth_t*)> synth_;
};

// Faded to silence over the last `fade` seconds, so that no file ends in a click, and scaled to
// peak at `peak` of full scale. Throws on a note that rendered as silence.
std::vector<std::int16_t> Normalised(std::vector<float> samples, double fade, double peak);

}  // namespace fretwise
