// The chords of a song kept as ChordPro text, and the {define} line of a chord box.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "chordbox/chord_box.h"

namespace fretwise::chordpro {

struct SongChord {
  std::string name;  // as written in the song, trimmed
  // The shape the song gives for it ({define} or {chord} with frets), drawn as given; nothing
  // when the song gives none.
  std::optional<chordbox::ChordBox> shape;
};

struct Song {
  std::string title;  // the first {title} or {t}; empty when there is none
  // Every chord the song uses, once each, in order of first use: [NAME] in the lyrics and
  // {chord: NAME}. A NAME that is not a chord symbol ([N.C.], an annotation such as [*Riff]) is
  // left out unless the song defines a shape for it. A shape given anywhere in the song holds for
  // every use; a later one for the same name replaces an earlier one.
  std::vector<SongChord> chords;
};

// Reads a song's text: UTF-8, with or without a byte-order mark, lines ending in LF or CRLF.
// Comment lines (#) and tab sections ({start_of_tab} .. {end_of_tab}) hold no chords.
Song ReadSong(std::string_view text);

// The body of a {define} or {chord} directive: NAME [base-fret B] frets F... [fingers N...], the
// frets from the highest-numbered string, relative to the base fret (1, the default, is the
// base fret itself; 0 is open; x, X, N or -1 muted), 3 to 8 of them; fingers 1 to 4 (any other
// is none), one per fret. A barre is where one finger holds two or more strings at one fret.
// Nothing when the body is not such a shape.
std::optional<chordbox::ChordBox> ReadShape(std::string_view body);

// "{define: Am7 base-fret 1 frets x 0 2 0 1 0 fingers 0 0 2 0 1 0}": the base fret is the box's
// first fret. Empty for a box without notes.
std::string DefineLine(const chordbox::ChordBox& box);

}  // namespace fretwise::chordpro
