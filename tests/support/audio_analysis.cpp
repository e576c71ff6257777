#include "support/audio_analysis.h"

#include <SDL_mixer.h>

#include <fstream>
#include <iterator>

std::vector<std::int16_t> fretwise::test::Samples(const std::string& file, std::size_t from,
                                                  std::size_t step) {
  std::ifstream in(file, std::ios::binary);
  const std::string bytes{std::istreambuf_iterator<char>(in), {}};
  std::vector<std::int16_t> samples;
  for (std::size_t i = from; i + 2 <= bytes.size(); i += 2 * step)
    samples.push_back(std::int16_t(std::uint8_t(bytes[i]) | std::uint8_t(bytes[i + 1]) << 8));
  return samples;
}

std::vector<std::int16_t> fretwise::test::DecodedLeft(const std::string& file) {
  Mix_Chunk* chunk = Mix_LoadWAV(file.c_str());
  if (chunk == nullptr) return {};
  const auto* stereo = reinterpret_cast<const std::int16_t*>(chunk->abuf);
  std::vector<std::int16_t> left;
  for (std::size_t t = 0; t < chunk->alen / 4; ++t) left.push_back(stereo[2 * t]);
  Mix_FreeChunk(chunk);
  return left;
}
