#include "voicings/answer.h"

#include <algorithm>
#include <cstdint>
#include <unordered_map>
#include <utility>

#include "chords/chord_namer.h"
#include "pitch/pitch.h"

namespace fretwise::voicings {
namespace {

// A chord's thousands of voicings share a few dozen keys: each is named once.
class Names {
 public:
  explicit Names(chords::Bass bass) : bass_(bass) {}

  const std::vector<chords::ChordSymbol>& Of(std::span<const int> pitches) {
    auto [at, added] = named_.try_emplace(NamesKey(pitches));
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

// Into `answer`, whose vectors keep their memory from one voicing to the next.
void Complete(const Voicing& voicing, const SearchOptions& options, Names& names, Answer& answer) {
  const int strings = options.tuning.size();
  const Fingering taught = TaughtFingering(voicing.frets, strings, voicing.fingering);
  const Frets fingers = FingerNumbers(voicing.frets, strings, taught);
  answer.frets.assign(voicing.frets.begin(), voicing.frets.begin() + strings);
  answer.fingers.assign(fingers.begin(), fingers.begin() + strings);
  answer.barres.assign(taught.barres.begin(), taught.barres.begin() + taught.barreCount);
  answer.pitches.clear();
  for (int s = 0; s < strings; ++s)
    if (voicing.frets[s] != kMuted) answer.pitches.push_back(options.tuning[s] + voicing.frets[s]);
  answer.shape.reset();
  if (options.capo > 0) {
    const std::vector<chords::ChordSymbol>& shapes = names.Of(answer.pitches);
    if (!shapes.empty()) answer.shape = shapes.front();
    for (int& midi : answer.pitches) midi += options.capo;
  }
  answer.names = names.Of(answer.pitches);
  answer.score = voicing.score;
}

std::vector<Answer> Complete(std::vector<Voicing> voicings, const SearchOptions& options,
                             std::optional<int> max) {
  if (max && int(voicings.size()) > *max) voicings.resize(std::size_t(std::max(0, *max)));
  std::vector<Answer> answers(voicings.size());
  Names names(BassOf(options.tuning));
  for (std::size_t i = 0; i < voicings.size(); ++i)
    Complete(voicings[i], options, names, answers[i]);
  return answers;
}

}  // namespace

std::uint32_t NamesKey(std::span<const int> pitches) {
  if (pitches.empty()) return 0;
  // MIDI numbers are not negative: their classes without PitchClass's care for those, which
  // showed in the tool's time.
  std::uint32_t classes = 0;
  unsigned lowest = unsigned(pitches.front());
  for (int midi : pitches) {
    classes |= 1u << (unsigned(midi) % 12);
    lowest = std::min(lowest, unsigned(midi));
  }
  return classes | lowest % 12 << 12;
}

Answer AnswerOf(const Voicing& voicing, const SearchOptions& options) {
  Names names(BassOf(options.tuning));
  Answer answer;
  Complete(voicing, options, names, answer);
  return answer;
}

std::vector<Answer> AnswersOfChord(const chords::ChordSymbol& chord, const SearchOptions& options,
                                   std::optional<int> max) {
  return Complete(VoicingsOfChord(chord, options), options, max);
}

std::vector<Answer> AnswersOfPitches(std::span<const int> midis, const SearchOptions& options,
                                     std::optional<int> max) {
  return Complete(VoicingsOfPitches(midis, options), options, max);
}

void EachAnswer(std::span<const Voicing> voicings, const SearchOptions& options,
                const std::function<void(const Answer&)>& each) {
  Names names(BassOf(options.tuning));
  Answer answer;
  for (const Voicing& v : voicings) {
    Complete(v, options, names, answer);
    each(answer);
  }
}

}  // namespace fretwise::voicings
