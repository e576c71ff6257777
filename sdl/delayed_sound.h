// A decoded sound that starts later: a copy led by silence, so that the mixer starts it with the
// others and it is heard after exactly that many frames, whatever the buffers.
#pragma once

#include <chrono>
#include <memory>

struct Mix_Chunk;

namespace fretwise {

// The sound in the mixer's output format after `delay` of silence; nullptr when the mixer is not
// open or memory runs out. Freed with Mix_FreeChunk by the pointer's deleter.
std::shared_ptr<Mix_Chunk> AfterSilence(const Mix_Chunk& sound, std::chrono::milliseconds delay);

}  // namespace fretwise
