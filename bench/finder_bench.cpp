// The chord finder: every voicing of one chord symbol over the whole neck, on each preset, and
// every chord of the players' collections in tests/data.
#include <benchmark/benchmark.h>

#include "support/chord_collection.h"
#include "voicings/voicing_search.h"

namespace fretwise {
namespace {

voicings::SearchOptions PresetOptions(std::string_view name) {
  const auto preset = voicings::ParseTuning(name);
  return {preset->tuning, voicings::kDefaultSpan, preset->frets};
}

void BM_AllVoicingsOfOneSymbol(benchmark::State& state, const char* text, const char* preset) {
  const auto chord = chords::ParseChordSymbol(text);
  const voicings::SearchOptions options = PresetOptions(preset);
  std::size_t found = 0;
  for (auto _ : state) {
    const auto list = voicings::VoicingsOfChord(*chord, options);
    found = list.size();
    benchmark::DoNotOptimize(list.data());
  }
  state.counters["voicings"] = double(found);
}
#define FINDER_CASE(name, text, preset) \
  BENCHMARK_CAPTURE(BM_AllVoicingsOfOneSymbol, name, text, preset)->Unit(benchmark::kMicrosecond)
FINDER_CASE(C, "C", "standard");
FINDER_CASE(Am7_G, "Am7/G", "standard");
FINDER_CASE(D9, "D9", "standard");
FINDER_CASE(C13, "C13", "standard");
FINDER_CASE(C_dadgad, "C", "dadgad");
FINDER_CASE(G7_seven_string, "G7", "seven-string");
FINDER_CASE(C13_seven_string, "C13", "seven-string");
FINDER_CASE(Am7_bass5, "Am7", "bass5");
FINDER_CASE(C_ukulele, "C", "ukulele");
FINDER_CASE(G7_mandolin, "G7", "mandolin");

// The slowest symbol of a set of common and rich ones on each preset, as one query's time: the
// slowest of the whole set is what a user may wait for.
void BM_SlowestSymbolOnEveryPreset(benchmark::State& state) {
  constexpr const char* kSymbols[] = {"C",     "Am",   "G7",     "Cmaj7", "F#m7b5", "Bb9",
                                      "E13",   "C11",  "Dm9",    "Ab6/9", "C7#9",   "Gsus4",
                                      "Cdim7", "Caug", "C13#11", "Am7/G", "C/E",    "Ebmaj9"};
  std::vector<std::pair<chords::ChordSymbol, voicings::SearchOptions>> queries;
  for (const voicings::Preset& preset : voicings::kPresets)
    for (const char* text : kSymbols)
      queries.emplace_back(*chords::ParseChordSymbol(text), PresetOptions(preset.name));
  for (auto _ : state) {
    std::size_t found = 0;
    for (const auto& [chord, options] : queries)
      found += voicings::VoicingsOfChord(chord, options).size();
    benchmark::DoNotOptimize(found);
  }
  state.counters["queries"] = double(queries.size());
  state.counters["per query"] =
      benchmark::Counter(double(queries.size()), benchmark::Counter::kIsIterationInvariantRate |
                                                     benchmark::Counter::kInvert);
}
BENCHMARK(BM_SlowestSymbolOnEveryPreset)->Unit(benchmark::kMillisecond);

// Each collection voicing's symbol and its exact pitches, as the coverage test asks them.
void BM_EveryChordOfTheCollection(benchmark::State& state, const char* file, int strings,
                                  const char* preset) {
  const auto collection = test::LoadCollection(file, strings);
  const voicings::SearchOptions options = PresetOptions(preset);
  std::vector<chords::ChordSymbol> symbols;
  for (const auto& v : collection)
    symbols.push_back(chords::ParseChordSymbol(v.symbol).value_or(chords::ChordSymbol{}));
  for (auto _ : state) {
    std::size_t found = 0;
    for (std::size_t i = 0; i < collection.size(); ++i) {
      found += voicings::VoicingsOfChord(symbols[i], options).size();
      found += voicings::VoicingsOfPitches(collection[i].midis, options).size();
    }
    benchmark::DoNotOptimize(found);
  }
  state.counters["queries"] = double(2 * collection.size());
}
BENCHMARK_CAPTURE(BM_EveryChordOfTheCollection, guitar, "chords-db-guitar-dev.json", 6, "standard")
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_EveryChordOfTheCollection, ukulele, "chords-db-ukulele-dev.json", 4, "ukulele")
    ->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace fretwise

BENCHMARK_MAIN();
