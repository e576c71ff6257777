// How hard a voicing is: the order the finder lists them in.
#pragma once

#include "voicings/playability.h"

namespace fretwise::voicings {

// Lower is easier. Points for each finger, each fret of stretch, a barre, the position (lowest
// fretted fret), each muted string between sounding ones, each string that does not sound, and a
// bass that is not the root (`root` is a pitch class, or -1 when there is none to prefer), and
// each chord tone left out.
int Score(const Frets& frets, const Fingering& fingering, const Tuning& tuning, int root,
          int omitted);

}  // namespace fretwise::voicings
