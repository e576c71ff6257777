#include "voicings/answer.h"

#include <algorithm>
#include <cstdint>
#include <unordered_map>
#include <utility>

#include "chords/chord_namer.h"
#include "pitch/pitch.h"

namespace fretwise::voicings {
namespace {

// A name depends only on the pitch classes and the lowest one, and a chord's thousands of voicings
// share a few dozen of those: each is named once.
class Names {
 public:
  explicit Names(chords::Bass bass) : bass_(bass) {}

  const std::vector<chords::ChordSymbol>& Of(std::span<const int> pitches) {
    std::uint32_t key = 0;
    if (!pitches.empty()) {
      for (int midi : pitches) key |= 1u << PitchClass(midi);
      key |= std::uint32_t(PitchClass(*std::ranges::min_element(pitches))) << 12;
    }
    auto [at, added] = named_.try_emplace(key);
    if (added) at->second = chords::DistinctNames(pitches, bass_);
    return at->second;
  }

 private:
  chords::Bass bass_;
  std::unordered_map<std::uint32_t, std::vector<chords::ChordSymbol>> named_;
};

chords::Bass BassOf(const Tuning& tuning) {
  return tuning.Rises() ? chords::Bass::kLowestPitch : chords::Bass::kNone;
}

Answer Completed(const Voicing& voicing, const SearchOptions& options, Names& names) {
  const int strings = options.tuning.size();
  const Fingering taught = TaughtFingering(voicing.frets, strings, voicing.fingering);
  const Frets fingers = FingerNumbers(voicing.frets, strings, taught);
  const auto barres = std::span(taught.barres).first(taught.barreCount);
  std::vector<int> pitches = Pitches(voicing.frets, options.tuning);
  std::optional<chords::ChordSymbol> shape;
  if (options.capo > 0) {
    const std::vector<chords::ChordSymbol>& shapes = names.Of(pitches);
    if (!shapes.empty()) shape = shapes.front();
    for (int& midi : pitches) midi += options.capo;
  }
  std::vector<chords::ChordSymbol> named = names.Of(pitches);
  return {.frets = {voicing.frets.begin(), voicing.frets.begin() + strings},
          .fingers = {fingers.begin(), fingers.begin() + strings},
          .barres = {barres.begin(), barres.end()},
          .pitches = std::move(pitches),
          .names = std::move(named),
          .shape = std::move(shape),
          .score = voicing.score};
}

std::vector<Answer> Complete(std::vector<Voicing> voicings, const SearchOptions& options,
                             std::optional<int> max) {
  if (max && int(voicings.size()) > *max) voicings.resize(std::size_t(std::max(0, *max)));
  std::vector<Answer> answers;
  answers.reserve(voicings.size());
  Names names(BassOf(options.tuning));
  for (const Voicing& v : voicings) answers.push_back(Completed(v, options, names));
  return answers;
}

}  // namespace

Answer AnswerOf(const Voicing& voicing, const SearchOptions& options) {
  Names names(BassOf(options.tuning));
  return Completed(voicing, options, names);
}

std::vector<Answer> AnswersOfChord(const chords::ChordSymbol& chord, const SearchOptions& options,
                                   std::optional<int> max) {
  return Complete(VoicingsOfChord(chord, options), options, max);
}

std::vector<Answer> AnswersOfPitches(std::span<const int> midis, const SearchOptions& options,
                                     std::optional<int> max) {
  return Complete(VoicingsOfPitches(midis, options), options, max);
}

}  // namespace fretwise::voicings
