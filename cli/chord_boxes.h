// The finder's voicings as the chord boxes, ChordPro lines and sounds that fretwise-chord makes of
// them: what the image and play modules are handed.
#pragma once

#include <string>
#include <vector>

#include "chordbox/chord_box.h"
#include "chordpro/chordpro.h"
#include "cli/finder_options.h"

namespace fretwise::cli {

// The voicings a --chord or --voicings query lists, easiest first (the first query.max of them),
// under the name their boxes show: the symbol as given, or the pitches' best name (their
// names joined by "-" when none fits).
struct Listed {
  std::string name;
  std::vector<voicings::Voicing> voicings;
};
Listed ListVoicings(const FinderQuery& query);

// The listed voicings as boxes, on the query's tuning and hand.
std::vector<chordbox::ChordBox> BoxesOf(const Listed& listed, const FinderQuery& query);

// A box with no shape, its name over an empty grid: a chord the finder cannot voice.
chordbox::ChordBox EmptyBox(const std::string& name, const FinderQuery& query);

// A sheet's boxes: one per symbol, or per chord of the song, in order. A chord the song gives a
// shape for is drawn as given; any other is the finder's first voicing, or an empty box under its
// name when the finder has none.
std::vector<chordbox::ChordBox> SheetBoxes(const FinderQuery& query, const chordpro::Song* song);

// The voicing's pitch on each string (at the capo), the highest-numbered first,
// playback::kMutedString where it is muted.
std::vector<int> StringPitches(const voicings::Voicing& voicing,
                               const voicings::SearchOptions& search);

// The instrument the query's tuning is heard on: a preset's own, else the steel-string guitar.
playback::Instrument InstrumentOf(const FinderQuery& query);

}  // namespace fretwise::cli
