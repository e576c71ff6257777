#include "voicings/answer.h"

#include <algorithm>
#include <utility>

#include "chords/chord_namer.h"

namespace fretwise::voicings {
namespace {

std::vector<Answer> Complete(std::vector<Voicing> voicings, const Tuning& tuning,
                             std::optional<int> max) {
  if (max && int(voicings.size()) > *max) voicings.resize(std::size_t(std::max(0, *max)));
  std::vector<Answer> answers;
  answers.reserve(voicings.size());
  for (const Voicing& v : voicings) answers.push_back(AnswerOf(v, tuning));
  return answers;
}

}  // namespace

Answer AnswerOf(const Voicing& voicing, const Tuning& tuning) {
  const Frets fingers = FingerNumbers(voicing.frets, voicing.fingering);
  const auto barres = std::span(voicing.fingering.barres).first(voicing.fingering.barreCount);
  std::vector<int> pitches = Pitches(voicing.frets, tuning);
  std::vector<chords::ChordSymbol> names = chords::DistinctNames(pitches);
  return {.frets = {voicing.frets.begin(), voicing.frets.end()},
          .fingers = {fingers.begin(), fingers.end()},
          .barres = {barres.begin(), barres.end()},
          .pitches = std::move(pitches),
          .names = std::move(names),
          .score = voicing.score};
}

std::vector<Answer> AnswersOfChord(const chords::ChordSymbol& chord, const SearchOptions& options,
                                   std::optional<int> max) {
  return Complete(VoicingsOfChord(chord, options), options.tuning, max);
}

std::vector<Answer> AnswersOfPitches(std::span<const int> midis, const SearchOptions& options,
                                     std::optional<int> max) {
  return Complete(VoicingsOfPitches(midis, options), options.tuning, max);
}

}  // namespace fretwise::voicings
