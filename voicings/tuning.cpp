#include "voicings/tuning.h"

#include "pitch/pitch.h"

namespace fretwise::voicings {

std::optional<Tuning> ParseTuning(std::string_view text) {
  for (const TuningPreset& preset : kTuningPresets)
    if (text == preset.name) return preset.tuning;
  Tuning tuning{};
  int count = 0;
  while (!text.empty()) {
    const auto end = text.find_first_of(" ,");
    const std::string_view word = text.substr(0, end);
    text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
    if (word.empty()) continue;
    const auto midi = ParsePitch(word);
    if (!midi || count == kStrings) return std::nullopt;
    tuning[count++] = *midi;
  }
  if (count != kStrings) return std::nullopt;
  return tuning;
}

}  // namespace fretwise::voicings
