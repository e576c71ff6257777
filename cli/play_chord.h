#pragma once

#include <string>

#include "view/slot_buttons.h"

namespace fretwise::cli {

// Exit status 1 when the chord could not be played as asked.
inline constexpr int kPlayError = 1;

// Plays the ticked chord as the play button would right after the notes are shown: the first
// candidate's sound files, from ./wav/ under the working directory. Returns when the notes have
// sounded. The first message of the play, if any, goes to error and gives kPlayError.
int PlayChord(const TickSet& ticks, std::string& error);

}  // namespace fretwise::cli
