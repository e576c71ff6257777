#include "voicings/tuning.h"

#include <algorithm>
#include <vector>

#include "pitch/pitch.h"

namespace fretwise::voicings {

std::optional<Preset> ParseTuning(std::string_view text) {
  const auto preset = std::ranges::find(kPresets, text, &Preset::name);
  if (preset != kPresets.end()) return *preset;
  std::vector<int> open;
  while (!text.empty()) {
    const auto end = text.find_first_of(" ,");
    const std::string_view word = text.substr(0, end);
    text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
    if (word.empty()) continue;
    const auto midi = ParsePitch(word);
    if (!midi || open.size() == kMostStrings) return std::nullopt;
    open.push_back(*midi);
  }
  if (open.size() < kFewestStrings) return std::nullopt;
  return Preset{"", Tuning(open), kDefaultFrets};
}

}  // namespace fretwise::voicings
