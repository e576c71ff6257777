#include "voicings/answer.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <unordered_map>
#include <utility>

#include "chords/chord_namer.h"
#include "pitch/pitch.h"
#include "voicings/shape_table.h"

namespace fretwise::voicings {
namespace {

// Values kept by a names' key (NamesKey), each made once; the last one asked for is found without
// the map, a chord's voicings coming in runs with the same names.
template <typename Value>
class ByKey {
 public:
  template <typename Make>
  Value& Get(std::uint32_t key, const Make& make) {
    if (last_ && key == lastKey_) return *last_;
    auto [at, added] = values_.try_emplace(key);
    if (added) make(at->second);
    lastKey_ = key;
    return *(last_ = &at->second);
  }

 private:
  std::unordered_map<std::uint32_t, Value> values_;
  std::uint32_t lastKey_ = 0;
  Value* last_ = nullptr;
};

// A chord's thousands of voicings share a few dozen keys: each is named once.
class Names {
 public:
  explicit Names(chords::Bass bass) : bass_(bass) {}

  const std::vector<chords::ChordSymbol>& Of(std::span<const int> pitches) {
    return Of(pitches, NamesKey(pitches));
  }
  const std::vector<chords::ChordSymbol>& Of(std::span<const int> pitches, std::uint32_t key) {
    return named_.Get(key, [&](std::vector<chords::ChordSymbol>& names) {
      names = chords::DistinctNames(pitches, bass_);
    });
  }

 private:
  chords::Bass bass_;
  ByKey<std::vector<chords::ChordSymbol>> named_;
};

// The taught hand of the voicing's shape, where the tool was built with it: `table` is the
// search's, whose shape index the voicing carries.
bool MadeHand(const Voicing& voicing, const ShapeTable* table, Fingering& taught, Frets& fingers) {
  const TaughtHand* made = table && voicing.shape >= 0 ? table->TaughtOf(voicing.shape) : nullptr;
  if (!made) return false;
  taught = made->taught;
  for (int b = 0; b < taught.barreCount; ++b)
    taught.barres[b].fret = std::int8_t(taught.barres[b].fret + voicing.shapeFrom - 1);
  fingers = made->fingers;
  return true;
}

// The table whose shapes were made when building, for the options' hand, or nothing.
const ShapeTable* MadeTable(const SearchOptions& options) {
  if (options.span != kDefaultSpan) return nullptr;
  const ShapeTable* table = ShapesFor(options.tuning.size(), options.span);
  return table && table->Taught() ? table : nullptr;
}

chords::Bass BassOf(const Tuning& tuning) {
  return tuning.Rises() ? chords::Bass::kLowestPitch : chords::Bass::kNone;
}

// The voicing completed into the answer that `into(key, named)` gives for its names' key, where
// `named()` names its pitches; the answer's names are the caller's to set. Its vectors keep their
// room from one voicing to the next. With `table`, the shape table of the search that found it.
template <typename Into>
Answer& CompleteInto(const Voicing& voicing, const SearchOptions& options, const ShapeTable* table,
                     Names& names, Into into) {
  const int strings = options.tuning.size();
  Fingering taught;
  Frets fingers;
  if (!MadeHand(voicing, table, taught, fingers)) {
    taught = TaughtFingering(voicing.frets, strings, voicing.fingering);
    fingers = FingerNumbers(voicing.frets, strings, taught);
  }
  std::array<int, kMostStrings> pitches;
  int sounding = 0;
  for (int s = 0; s < strings; ++s) {
    pitches[std::size_t(sounding)] = options.tuning[s] + voicing.frets[s];
    sounding += voicing.frets[s] != kMuted;
  }
  const std::span<int> heard(pitches.data(), std::size_t(sounding));
  std::optional<chords::ChordSymbol> shape;
  if (options.capo > 0) {
    const std::vector<chords::ChordSymbol>& shapes = names.Of(heard);
    if (!shapes.empty()) shape = shapes.front();
    for (int& midi : heard) midi += options.capo;
  }
  const std::uint32_t key = NamesKey(heard);
  Answer& answer = into(key, [&]() -> const auto& { return names.Of(heard, key); });
  answer.frets.resize(std::size_t(strings));
  answer.fingers.resize(std::size_t(strings));
  for (int s = 0; s < strings; ++s) {
    answer.frets[std::size_t(s)] = voicing.frets[s];
    answer.fingers[std::size_t(s)] = fingers[s];
  }
  answer.pitches.assign(heard.begin(), heard.end());
  answer.barres.assign(taught.barres.begin(), taught.barres.begin() + taught.barreCount);
  answer.shape = std::move(shape);
  answer.namesKey = key;
  answer.score = voicing.score;
  return answer;
}

// Completes into `answer`, names and all.
void Complete(const Voicing& voicing, const SearchOptions& options, const ShapeTable* table,
              Names& names, Answer& answer) {
  CompleteInto(voicing, options, table, names, [&](std::uint32_t, const auto& named) -> Answer& {
    answer.names = named();
    return answer;
  });
}

std::vector<Answer> Complete(std::vector<Voicing> voicings, const SearchOptions& options,
                             std::optional<int> max) {
  if (max && int(voicings.size()) > *max) voicings.resize(std::size_t(std::max(0, *max)));
  std::vector<Answer> answers(voicings.size());
  Names names(BassOf(options.tuning));
  const ShapeTable* table = MadeTable(options);
  for (std::size_t i = 0; i < voicings.size(); ++i)
    Complete(voicings[i], options, table, names, answers[i]);
  return answers;
}

}  // namespace

std::uint32_t NamesKey(std::span<const int> pitches) {
  if (pitches.empty()) return 0;
  // MIDI numbers are not negative: their classes without PitchClass's care for those, which
  // showed in the tool's time; each class's bit from a table, which showed too.
  static constexpr auto kClassBits = [] {
    std::array<std::uint16_t, 256> bits{};
    for (unsigned midi = 0; midi < bits.size(); ++midi) bits[midi] = std::uint16_t(1u << midi % 12);
    return bits;
  }();
  std::uint32_t classes = 0;
  unsigned lowest = unsigned(pitches.front());
  for (int midi : pitches) {
    classes |= unsigned(midi) < kClassBits.size() ? kClassBits[unsigned(midi)]
                                                  : 1u << (unsigned(midi) % 12);
    lowest = std::min(lowest, unsigned(midi));
  }
  return classes | lowest % 12 << 12;
}

Answer AnswerOf(const Voicing& voicing, const SearchOptions& options) {
  Names names(BassOf(options.tuning));
  Answer answer;
  Complete(voicing, options, nullptr, names, answer);
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

namespace {

// Completes each voicing that `search` gives into one answer for `each`, up to `max`.
void EachCompleted(const SearchOptions& options, std::optional<int> max, const EachAnswer& each,
                   const std::function<void(const EachVoicing&)>& search) {
  if (max && *max <= 0) return;
  Names names(BassOf(options.tuning));
  // One answer kept for each list of names, its names set once: a chord's thousands of voicings
  // share a few dozen lists, which would otherwise be copied at every change.
  ByKey<Answer> answers;
  const ShapeTable* table = MadeTable(options);
  int left = max.value_or(-1);
  search([&](const Voicing& v) {
    each(CompleteInto(v, options, table, names, [&](std::uint32_t key, const auto& named) -> Answer& {
      return answers.Get(key, [&](Answer& answer) { answer.names = named(); });
    }));
    return --left != 0;
  });
}

}  // namespace

void EachAnswerOfChord(const chords::ChordSymbol& chord, const SearchOptions& options,
                       std::optional<int> max, const EachAnswer& each) {
  EachCompleted(options, max, each,
                [&](const EachVoicing& voicing) { EachVoicingOfChord(chord, options, voicing); });
}

void EachAnswerOfPitches(std::span<const int> midis, const SearchOptions& options,
                         std::optional<int> max, const EachAnswer& each) {
  EachCompleted(options, max, each,
                [&](const EachVoicing& voicing) { EachVoicingOfPitches(midis, options, voicing); });
}

}  // namespace fretwise::voicings
