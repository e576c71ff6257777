#include "tools/flac_writer.h"

#include <FLAC/stream_encoder.h>

#include <memory>
#include <stdexcept>

namespace fretwise {

void WriteMonoFlac(const std::filesystem::path& file, int sampleRate,
                   const std::vector<std::int16_t>& samples) {
  const std::unique_ptr<FLAC__StreamEncoder, void (*)(FLAC__StreamEncoder*)> encoder(
      FLAC__stream_encoder_new(), &FLAC__stream_encoder_delete);
  FLAC__StreamEncoder* e = encoder.get();
  const std::vector<FLAC__int32> wide(samples.begin(), samples.end());
  const FLAC__int32* channel = wide.data();
  const bool written = e != nullptr && FLAC__stream_encoder_set_channels(e, 1) &&
                       FLAC__stream_encoder_set_bits_per_sample(e, 16) &&
                       FLAC__stream_encoder_set_sample_rate(e, unsigned(sampleRate)) &&
                       FLAC__stream_encoder_set_compression_level(e, 8) &&
                       FLAC__stream_encoder_init_file(e, file.c_str(), nullptr, nullptr) ==
                           FLAC__STREAM_ENCODER_INIT_STATUS_OK &&
                       FLAC__stream_encoder_process(e, &channel, unsigned(wide.size()));
  if (!(written && FLAC__stream_encoder_finish(e)))
    throw std::runtime_error("cannot write " + file.string());
}

}  // namespace fretwise
