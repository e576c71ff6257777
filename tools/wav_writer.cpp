#include "tools/wav_writer.h"

#include <fstream>
#include <stdexcept>
#include <string_view>

namespace fretwise {
namespace {

// RIFF numbers are little-endian whatever the machine.
void Put(std::ofstream& out, std::uint32_t value, int bytes) {
  for (int i = 0; i < bytes; ++i) out.put(char((value >> (8 * i)) & 0xFF));
}

void Put(std::ofstream& out, std::string_view tag) { out.write(tag.data(), tag.size()); }

}  // namespace

void WriteMonoWav(const std::filesystem::path& file, int sampleRate,
                  const std::vector<std::int16_t>& samples) {
  constexpr int kBytesPerSample = 2;
  const std::uint32_t dataBytes = std::uint32_t(samples.size() * kBytesPerSample);
  std::ofstream out(file, std::ios::binary | std::ios::trunc);
  Put(out, "RIFF");
  Put(out, 36 + dataBytes, 4);
  Put(out, "WAVEfmt ");
  Put(out, 16, 4);  // the size of the format block
  Put(out, 1, 2);   // PCM
  Put(out, 1, 2);   // one channel
  Put(out, std::uint32_t(sampleRate), 4);
  Put(out, std::uint32_t(sampleRate * kBytesPerSample), 4);  // bytes per second
  Put(out, kBytesPerSample, 2);                              // bytes per frame
  Put(out, 16, 2);                                           // bits per sample
  Put(out, "data");
  Put(out, dataBytes, 4);
  for (std::int16_t sample : samples) Put(out, std::uint16_t(sample), 2);
  out.close();
  if (!out) throw std::runtime_error("cannot write " + file.string());
}

}  // namespace fretwise
