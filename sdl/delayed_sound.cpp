#include "sdl/delayed_sound.h"

#include <SDL.h>
#include <SDL_mixer.h>

#include <cstring>

namespace fretwise {

std::shared_ptr<Mix_Chunk> AfterSilence(const Mix_Chunk& sound, std::chrono::milliseconds delay) {
  int rate = 0, channels = 0;
  Uint16 format = 0;
  if (Mix_QuerySpec(&rate, &format, &channels) == 0) return nullptr;
  const Uint32 frameBytes = SDL_AUDIO_BITSIZE(format) / 8 * channels;
  const Uint32 silenceBytes = Uint32(std::int64_t{rate} * delay.count() / 1000) * frameBytes;
  auto* samples = static_cast<Uint8*>(SDL_malloc(silenceBytes + sound.alen));
  if (samples == nullptr) return nullptr;
  // The layer opens the output in a signed format, whose silence is zero.
  std::memset(samples, 0, silenceBytes);
  std::memcpy(samples + silenceBytes, sound.abuf, sound.alen);
  Mix_Chunk* delayed = Mix_QuickLoad_RAW(samples, silenceBytes + sound.alen);
  if (delayed == nullptr) {
    SDL_free(samples);
    return nullptr;
  }
  delayed->allocated = 1;  // so that Mix_FreeChunk frees the samples too
  delayed->volume = sound.volume;
  return std::shared_ptr<Mix_Chunk>(delayed, Mix_FreeChunk);
}

}  // namespace fretwise
