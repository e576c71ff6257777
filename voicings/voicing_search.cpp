#include "voicings/voicing_search.h"

#include <algorithm>

#include "chords/chord_namer.h"
#include "voicings/ranking.h"
#include "voicings/search_query.h"

namespace fretwise::voicings {

namespace {

// The neck as the search sees it: with a capo, open strings sound at the capo's fret and the
// frets count from it.
SearchOptions AtCapo(const SearchOptions& options) {
  SearchOptions capoed = options;
  std::array<int, kMostStrings> open{};
  for (int s = 0; s < options.tuning.size(); ++s) open[s] = options.tuning[s] + options.capo;
  capoed.tuning = Tuning(std::span(open).first(options.tuning.size()));
  capoed.frets = options.frets - options.capo;
  capoed.capo = 0;
  return capoed;
}

// Whether the voicing lies in the position asked for.
bool InPosition(const Voicing& v, const SearchOptions& options) {
  if (options.position == kAnywhere) return true;
  int lowest = kMostFrets + 1;
  for (int s = 0; s < options.tuning.size(); ++s)
    if (v.frets[s] > 0) lowest = std::min<int>(lowest, v.frets[s]);
  if (lowest > kMostFrets) lowest = 0;
  return lowest >= options.position && lowest < options.position + options.span;
}

std::vector<Voicing> AtPosition(std::vector<Voicing> voicings, const SearchOptions& options) {
  if (options.position == kAnywhere) return voicings;
  std::erase_if(voicings, [&](const Voicing& v) { return !InPosition(v, options); });
  return voicings;
}

// The weight of the chord tones a voicing leaves out, in halves of a tone (see points).
int OmittedWeight(const chords::ChordQuality& quality, PitchClassSet left, bool rises) {
  using namespace chords::interval;
  const PitchClassSet third = chords::ThirdOf(quality);
  int weight = points::kOmittedTone * Count(left & ~R & ~P5 & ~third);
  // A major third a ninth under a natural eleventh clashes with it: where the quality lets it go,
  // players leave it out (C11 as C Bb D F) and it weighs as a free fifth.
  const bool clashes = (third & M3) && (quality.tones & n11) && (quality.optional & M3);
  if (left & third) weight += clashes ? points::kOmittedFifth : points::kOmittedThird;
  if (left & R) weight += rises ? points::kOmittedRoot : points::kOmittedTone;
  if (left & P5) weight += quality.optional & P5 ? points::kOmittedFifth : points::kOmittedTone;
  return std::min(weight, points::kMostOmitted);
}

// The query for the pitches on the neck of `options` (at the capo), false when nothing sounds them.
bool PitchesQuery(std::span<const int> midis, const SearchOptions& options, Query& query) {
  std::vector<int> asked(midis.begin(), midis.end());
  std::sort(asked.begin(), asked.end());
  asked.erase(std::unique(asked.begin(), asked.end()), asked.end());
  if (asked.empty() || int(asked.size()) > options.tuning.size() || options.frets < 1) return false;
  for (int s = 0; s < options.tuning.size(); ++s) {
    for (int f = 0; f <= options.frets; ++f) {
      const auto at = std::find(asked.begin(), asked.end(), options.tuning[s] + f);
      if (at != asked.end()) query.bits[s][f] = Bits(1u << (at - asked.begin()));
    }
  }
  query.required = Bits((1u << asked.size()) - 1);
  query.fewest = int(asked.size());
  query.omitted.fill(kRejected);
  query.omitted[query.required] = 0;
  const auto names = chords::NameSymbols(asked);
  query.root = names.empty() || !options.tuning.Rises() ? -1 : names.front().root;
  query.reentrant = !options.tuning.Rises();
  return true;
}

// The query for the chord on the neck of `options` (at the capo), false when nothing sounds it.
bool ChordQuery(const chords::ChordSymbol& chord, const SearchOptions& options, Query& query) {
  if (options.frets < 1) return false;
  const chords::ChordQuality quality = chord.Quality();
  const PitchClassSet tones = chord.Tones();
  const bool slash = chord.bass != chords::kNoBass;
  const PitchClassSet bassBit = slash ? Bit(chord.bass) : 0;
  const PitchClassSet allowed = tones | bassBit;
  // A slash bass outside the chord is an added note, not one of its tones.
  const PitchClassSet added = bassBit & ~tones;

  for (int s = 0; s < options.tuning.size(); ++s) {
    for (int f = 0; f <= options.frets; ++f) {
      const PitchClassSet bit = Bit(PitchClass(options.tuning[s] + f));
      if (bit & allowed) query.bits[s][f] = bit;
    }
  }
  query.required = TransposeUp(RequiredTones(quality), chord.root) | bassBit;
  query.fewest = quality.fewestTones;
  query.omitted.fill(kRejected);
  // Every subset of the allowed pitch classes, walked as submasks.
  for (unsigned have = allowed;; have = (have - 1) & allowed) {
    const PitchClassSet intervals = Transpose(PitchClassSet(have & ~added), chord.root);
    if ((have & query.required) == query.required && chords::Sounds(quality, intervals)) {
      query.omitted[have] =
          std::int8_t(OmittedWeight(quality, quality.tones & ~intervals, options.tuning.Rises()));
    }
    if (have == 0) break;
  }
  // A power chord sounds full on three strings.
  query.fullSound = std::min(4, Count(tones | bassBit) + 1);
  query.bass = slash ? chord.bass : -1;
  // The slash bass, else the root, is the bass a player looks for.
  // On a re-entrant tuning no string sounds a bass below the others, and players weigh none: A on
  // a ukulele is 2 1 0 0 first, its lowest pitch the third.
  query.root = slash ? chord.bass : options.tuning.Rises() ? chord.root : -1;
  query.reentrant = !options.tuning.Rises();
  query.octaveRepeats = true;
  return true;
}

std::vector<Voicing> Run(const Query& query, const SearchOptions& options,
                         const EachVoicing* each) {
  const int strings = options.tuning.size();
  if (options.span < kFewestSpan || options.span > kMostSpan || options.frets < 1 ||
      options.frets > kMostFrets || strings < kFewestStrings || strings > kMostStrings)
    return {};
  // The lists are kept for the thread's next search: their memory, freed and taken again at each
  // search, would be handed back to the system and fetched anew page by page. Room for the
  // largest chords' lists is taken at once: pages not written cost nothing, and lists that grew
  // would be copied at each step. A search made from within another's `each` has lists of its
  // own, the outer one still reading its lists.
  thread_local FoundLists kept;
  thread_local bool searching = false;
  FoundLists own;
  FoundLists& lists = searching ? own : kept;
  constexpr std::size_t kRoom = 1 << 14;
  lists.found.reserve(kRoom), lists.movedUp.reserve(kRoom);
  struct Searching {
    bool& flag;
    const bool was = flag;
    ~Searching() { flag = was; }
  } scope{searching};
  searching = true;
  return Walk(query, options, lists, each);
}

}  // namespace

std::vector<int> Pitches(const Frets& frets, const Tuning& tuning) {
  std::vector<int> pitches;
  for (int s = 0; s < tuning.size(); ++s) {
    if (frets[s] != kMuted) pitches.push_back(tuning[s] + frets[s]);
  }
  return pitches;
}

std::vector<Voicing> Search(const Query& query, const SearchOptions& options) {
  return Run(query, options, nullptr);
}

void Search(const Query& query, const SearchOptions& options, const EachVoicing& each) {
  Run(query, options, &each);
}

std::vector<Voicing> VoicingsOfPitches(std::span<const int> midis, const SearchOptions& given) {
  const SearchOptions options = AtCapo(given);
  Query query;
  if (!PitchesQuery(midis, options, query)) return {};
  return AtPosition(Search(query, options), options);
}

std::vector<Voicing> VoicingsOfChord(const chords::ChordSymbol& chord, const SearchOptions& given) {
  const SearchOptions options = AtCapo(given);
  Query query;
  if (!ChordQuery(chord, options, query)) return {};
  return AtPosition(Search(query, options), options);
}

void EachVoicingOfPitches(std::span<const int> midis, const SearchOptions& given,
                          const EachVoicing& each) {
  const SearchOptions options = AtCapo(given);
  Query query;
  if (!PitchesQuery(midis, options, query)) return;
  Search(query, options, [&](const Voicing& v) { return !InPosition(v, options) || each(v); });
}

void EachVoicingOfChord(const chords::ChordSymbol& chord, const SearchOptions& given,
                        const EachVoicing& each) {
  const SearchOptions options = AtCapo(given);
  Query query;
  if (!ChordQuery(chord, options, query)) return;
  Search(query, options, [&](const Voicing& v) { return !InPosition(v, options) || each(v); });
}

}  // namespace fretwise::voicings
