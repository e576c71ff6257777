// The chord finder's voicings as chord boxes, so that the tool and the window can draw them.
#pragma once

#include <string>
#include <vector>

#include "chordbox/chord_box.h"
#include "voicings/voicing_search.h"

namespace fretwise::voicingbox {

// The voicing's frets, finger numbers (voicings::FingerNumbers) and barres under name; the top
// row as chordbox::FirstFretFor puts it; the open strings' note names when the tuning is not
// standard.
chordbox::ChordBox BoxOf(const voicings::Voicing& voicing, std::string name,
                         const voicings::Tuning& tuning, bool leftHanded = false);

// The open strings' note names that a box shows under a tuning: none for standard tuning.
std::vector<std::string> TuningNames(const voicings::Tuning& tuning);

}  // namespace fretwise::voicingbox
