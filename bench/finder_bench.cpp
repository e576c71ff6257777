// The chord finder: every voicing of one chord symbol over frets 0 to 22, and every chord of the
// players' collection in tests/data.
#include <benchmark/benchmark.h>

#include "support/chord_collection.h"
#include "voicings/voicing_search.h"

namespace fretwise {
namespace {

void BM_AllVoicingsOfOneSymbol(benchmark::State& state, const char* text) {
  const auto chord = chords::ParseChordSymbol(text);
  std::size_t found = 0;
  for (auto _ : state) {
    const auto list = voicings::VoicingsOfChord(*chord, {});
    found = list.size();
    benchmark::DoNotOptimize(list.data());
  }
  state.counters["voicings"] = double(found);
}
BENCHMARK_CAPTURE(BM_AllVoicingsOfOneSymbol, C, "C")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_AllVoicingsOfOneSymbol, Am7_G, "Am7/G")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_AllVoicingsOfOneSymbol, D9, "D9")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_AllVoicingsOfOneSymbol, C13, "C13")->Unit(benchmark::kMicrosecond);

// Each collection voicing's symbol and its exact pitches, as the coverage test asks them.
void BM_EveryChordOfTheCollection(benchmark::State& state) {
  const auto collection = test::LoadCollection();
  std::vector<chords::ChordSymbol> symbols;
  for (const auto& v : collection) symbols.push_back(*chords::ParseChordSymbol(v.symbol));
  for (auto _ : state) {
    std::size_t found = 0;
    for (std::size_t i = 0; i < collection.size(); ++i) {
      found += voicings::VoicingsOfChord(symbols[i], {}).size();
      found += voicings::VoicingsOfPitches(collection[i].midis, {}).size();
    }
    benchmark::DoNotOptimize(found);
  }
  state.counters["queries"] = double(2 * collection.size());
}
BENCHMARK(BM_EveryChordOfTheCollection)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace fretwise

BENCHMARK_MAIN();
