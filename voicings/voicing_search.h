// Every playable voicing of a set of pitches or of a chord symbol, easiest first.
#pragma once

#include <functional>
#include <span>
#include <vector>

#include "chords/chord_symbol.h"
#include "voicings/playability.h"

namespace fretwise::voicings {

struct Voicing {
  Frets frets{};
  Fingering fingering;
  int score = 0;  // lower is easier; see Score
  // Its index in the shape table the search read (see shape_table.h), -1 when none was read, and
  // the lowest fretted fret the index counts from (1 when none is fretted).
  std::int32_t shape = -1;
  std::int8_t shapeFrom = 1;
};

inline constexpr int kAnywhere = -1;
// A capo clamps the strings at a fret from 1 up to this one.
inline constexpr int kHighestCapo = 12;

struct SearchOptions {
  Tuning tuning = kStandardTuning;
  int span = kDefaultSpan;
  int frets = kDefaultFrets;  // the neck's highest fret
  // The capo's fret, 0 for none: no note is fretted below it, an open string sounds at it, and a
  // voicing's frets count from it (0 is the capo), as chord books write capo shapes.
  int capo = 0;
  // With a fret F (from 0), only the voicings whose lowest fretted note lies within the span
  // from F (frets F to F + span - 1, from the capo; 0 for a voicing of open strings only), as a
  // chord book lists shapes up the neck; kAnywhere for all.
  int position = kAnywhere;
};

// Voicings whose sounding pitches, as a set, are exactly `midis` (a pitch may sound on two
// strings). Empty when some pitch is out of every string's reach.
std::vector<Voicing> VoicingsOfPitches(std::span<const int> midis, const SearchOptions& options);

// Voicings that sound the chord's tones, less those the quality lets a player leave out; a slash
// bass sounds lowest.
std::vector<Voicing> VoicingsOfChord(const chords::ChordSymbol& chord,
                                     const SearchOptions& options);

// The voicings of VoicingsOfPitches and VoicingsOfChord in the same order, each placed in turn into
// one record that `each` reads before the next, until it gives false: for a caller that writes
// voicings out and keeps none, whose thousands would each hold their own memory.
using EachVoicing = std::function<bool(const Voicing&)>;
void EachVoicingOfPitches(std::span<const int> midis, const SearchOptions& options,
                          const EachVoicing& each);
void EachVoicingOfChord(const chords::ChordSymbol& chord, const SearchOptions& options,
                        const EachVoicing& each);

// The sounding pitches, in the order of the tuning's strings.
std::vector<int> Pitches(const Frets& frets, const Tuning& tuning);

}  // namespace fretwise::voicings
