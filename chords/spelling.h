// How chord tones are spelled: the letter a player writes for each pitch class of a chord.
#pragma once

#include <string>
#include <string_view>

#include "chords/chord_quality.h"

namespace fretwise::chords {

// The spelling of a pitch class as the root of a chord of that quality: the spelling whose own
// key has fewer accidentals. Major-type chords take flats for Db, Eb, Ab and Bb and F# for the
// tie; minor-type ones C#m, Ebm, F#m, G#m and Bbm; diminished and half-diminished chords are
// spelled as the leading tone of the key a semitone up (C#dim7, D#dim, A#m7b5), sharps throughout.
std::string RootName(int pitchClass, const ChordQuality& quality);

// The spelling of `pitchClass` in a chord whose root is spelled `rootName`, with the letter a
// player counts for its interval above the root (E over C, Bb over C, C over Ab). Eight semitones
// up is a flat sixth (Ab over C) unless the chord raises its fifth (G#).
std::string NoteAbove(std::string_view rootName, int pitchClass, bool raisedFifth);

// A slash bass as players write it: the chord's spelling, but never B#, Cb, E# or Fb, which are
// written C, B, F and E (E7#5/C, not E7#5/B#).
std::string BassName(std::string_view rootName, int pitchClass, bool raisedFifth);

}  // namespace fretwise::chords
