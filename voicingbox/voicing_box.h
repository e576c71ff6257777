// The chord finder's voicings as chord boxes, so that the tool and the window can draw them.
#pragma once

#include <string>
#include <vector>

#include "chordbox/chord_box.h"
#include "voicings/voicing_search.h"

namespace fretwise::voicingbox {

// The voicing's frets, finger numbers (voicings::FingerNumbers) and barres under name, one string
// per string of the tuning, the highest-numbered on the left (a ukulele's string 4); the top row as
// chordbox::FirstFretFor puts it; the open strings' note names when the tuning is not standard;
// the capo's fret when there is one, the frets counted from it as the finder gives them.
chordbox::ChordBox BoxOf(const voicings::Voicing& voicing, std::string name,
                         const voicings::Tuning& tuning, bool leftHanded = false, int capo = 0);

// The open strings' note names that a box shows under a tuning: none for standard tuning.
std::vector<std::string> TuningNames(const voicings::Tuning& tuning);

}  // namespace fretwise::voicingbox
