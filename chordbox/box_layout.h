// A chord box laid out as a figure, kBox.width units wide (see box_sizes.h): the name centred on
// top; the strings upright, the highest-numbered on the left (on the right, left-handed); the
// frets across, a thick nut on top in open position, else the top fret's number beside its row
// ("5fr"); × above a muted string and ○ above an open one; a dot on each fretted note with its
// finger number inside; a barre as one bar across the strings it holds, its finger number in its
// middle; the tuning's note names under the strings; the capo's fret under them.
//
// Left-handed, every shape is mirrored across the box's middle, and every text sits at its
// mirrored place, unmirrored.
#pragma once

#include "chordbox/chord_box.h"
#include "draw/figure.h"

namespace fretwise::chordbox {

// A model that does not hold together (a string count outside 3 to 8, a note below the first fret,
// a barre over strings the box has not) draws what it can: strings clamped, such marks left out.
Figure LayOutBox(const ChordBox& box);

}  // namespace fretwise::chordbox
