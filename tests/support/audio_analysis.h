// Sound files as the tests read them.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace fretwise::test {
// The 16-bit little-endian samples of a file from byte `from` on, one in every `step`.
std::vector<std::int16_t> Samples(const std::string& file, std::size_t from, std::size_t step);
// The left channel of a file as SDL_mixer decodes it for its open 16-bit stereo output; nothing
// when it cannot.
std::vector<std::int16_t> DecodedLeft(const std::string& file);
}  // namespace fretwise::test
