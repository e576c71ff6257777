#include "voicings/answer.h"

#include <algorithm>
#include <utility>

#include "chords/chord_namer.h"

namespace fretwise::voicings {
namespace {

std::vector<Answer> Complete(std::vector<Voicing> voicings, const SearchOptions& options,
                             std::optional<int> max) {
  if (max && int(voicings.size()) > *max) voicings.resize(std::size_t(std::max(0, *max)));
  std::vector<Answer> answers;
  answers.reserve(voicings.size());
  for (const Voicing& v : voicings) answers.push_back(AnswerOf(v, options));
  return answers;
}

}  // namespace

Answer AnswerOf(const Voicing& voicing, const SearchOptions& options) {
  const int strings = options.tuning.size();
  const Fingering taught = TaughtFingering(voicing.frets, strings, voicing.fingering);
  const Frets fingers = FingerNumbers(voicing.frets, strings, taught);
  const auto barres = std::span(taught.barres).first(taught.barreCount);
  std::vector<int> pitches = Pitches(voicing.frets, options.tuning);
  const chords::Bass bass =
      options.tuning.Rises() ? chords::Bass::kLowestPitch : chords::Bass::kNone;
  std::optional<chords::ChordSymbol> shape;
  if (options.capo > 0) {
    const std::vector<chords::ChordSymbol> shapes = chords::DistinctNames(pitches, bass);
    if (!shapes.empty()) shape = shapes.front();
    for (int& midi : pitches) midi += options.capo;
  }
  std::vector<chords::ChordSymbol> names = chords::DistinctNames(pitches, bass);
  return {.frets = {voicing.frets.begin(), voicing.frets.begin() + strings},
          .fingers = {fingers.begin(), fingers.begin() + strings},
          .barres = {barres.begin(), barres.end()},
          .pitches = std::move(pitches),
          .names = std::move(names),
          .shape = std::move(shape),
          .score = voicing.score};
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
