// The window's sound module: SDL2_mixer and the sound layer over it, opened on the first play.
#include "sdl/sdl_sound_layer.h"

extern "C" fretwise::SoundLayer* fretwise_make_sound_layer() {
  return new fretwise::SdlSoundLayer();
}
