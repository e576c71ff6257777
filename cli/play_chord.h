#pragma once

#include "notes/slot_buttons.h"

namespace fretwise::cli {

// Exit status 1 when the chord could not be played as asked.
inline constexpr int kPlayError = 1;

// Plays the ticked chord as the play button would right after the notes are shown: the first
// candidate's sound files, from ./wav/ under the working directory. Returns when the notes have
// sounded. Each message of the play goes to stderr as one line; any gives kPlayError.
int PlayChord(const TickSet& ticks);

}  // namespace fretwise::cli
