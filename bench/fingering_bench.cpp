// The full enumeration of a chord: the show-notes pass and next-candidate presses until the
// message, as ListCandidates runs them.
#include <benchmark/benchmark.h>

#include "view/candidate_list.h"

namespace fretwise {
namespace {

void BM_OneChordFullEnumeration(benchmark::State& state) {
  const TickSet chord{16, 22, 26};  // C4 E4 G4: five candidates, then the message
  for (auto _ : state) {
    CandidateList list = ListCandidates(chord, kAllCandidates);
    benchmark::DoNotOptimize(list);
  }
}
BENCHMARK(BM_OneChordFullEnumeration);

void BM_AllThreeNoteChords(benchmark::State& state) {
  std::vector<TickSet> chords;
  for (std::size_t a = 0; a < kScanOrder.size(); ++a)
    for (std::size_t b = a + 1; b < kScanOrder.size(); ++b)
      for (std::size_t c = b + 1; c < kScanOrder.size(); ++c)
        chords.push_back(TickSet{kScanOrder[a], kScanOrder[b], kScanOrder[c]});
  for (auto _ : state) {
    std::size_t candidates = 0;
    for (const TickSet& chord : chords)
      candidates += ListCandidates(chord, kAllCandidates).candidates.size();
    benchmark::DoNotOptimize(candidates);
  }
  state.counters["chords"] = double(chords.size());
}
BENCHMARK(BM_AllThreeNoteChords)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace fretwise
