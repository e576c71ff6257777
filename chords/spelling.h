// How chord tones are spelled: the letter a player writes for each pitch class of a chord.
#pragma once

#include <string>
#include <string_view>

#include "pitch/pitch.h"

namespace fretwise::chords {

// The spelling of a pitch class as a chord root: flats for the major keys players write with flats
// (Db, Eb, Ab, Bb), sharps for F#; a minor chord takes C#, G# instead of Db, Ab.
std::string RootName(int pitchClass, bool minor);

// The spelling of `pitchClass` in a chord whose root is spelled `rootName`, with the letter a
// player counts for its interval above the root (E over C, Bb over C, C over Ab). Eight semitones
// up is a flat sixth (Ab over C) unless the chord raises its fifth (G#).
std::string NoteAbove(std::string_view rootName, int pitchClass, bool raisedFifth = false);

}  // namespace fretwise::chords
