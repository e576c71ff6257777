// FLAC files of 16-bit mono samples, losslessly compressed: what SDL2_mixer decodes fastest after
// plain WAV, at about a fifth of its size for a decaying note.
#pragma once

#include <cstdint>
#include <filesystem>
#include <vector>

namespace fretwise {

// Throws std::runtime_error naming the file when it cannot be written whole.
void WriteMonoFlac(const std::filesystem::path& file, int sampleRate,
                   const std::vector<std::int16_t>& samples);

}  // namespace fretwise
