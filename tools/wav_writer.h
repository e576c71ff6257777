// A tiny writer of RIFF WAVE files: 16-bit PCM, one channel.
#pragma once

#include <cstdint>
#include <filesystem>
#include <vector>

namespace fretwise {

// Throws std::runtime_error naming the file when it cannot be written whole.
void WriteMonoWav(const std::filesystem::path& file, int sampleRate,
                  const std::vector<std::int16_t>& samples);

}  // namespace fretwise
