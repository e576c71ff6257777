#pragma once

#include <span>
#include <string>

#include "playback/voicing_player.h"
#include "view/slot_buttons.h"

namespace fretwise::cli {

// Exit status 1 when the chord could not be played as asked.
inline constexpr int kPlayError = 1;

// Plays the ticked chord as the play button would right after the notes are shown: the first
// candidate's sound files, from ./wav/ under the working directory. Returns when the notes have
// sounded. The first message of the play, if any, goes to error and gives kPlayError.
int PlayChord(const TickSet& ticks, std::string& error);

// Plays a voicing through VoicingPlayer (pitches per string, highest-numbered first, with
// playback::kMutedString for a string that does not sound) and returns once it has sounded; a
// failure's text goes to error and gives kPlayError.
int PlayVoicing(std::span<const int> pitches, playback::Instrument instrument,
                playback::Strum strum, std::string& error);

}  // namespace fretwise::cli
