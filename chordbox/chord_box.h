// A chord box, the upright diagram of a chord shape in songbooks, as the facts it shows: for any
// fretted instrument of 3 to 8 strings, whatever its tuning, however the shape was found.
#pragma once

#include <span>
#include <string>
#include <vector>

namespace fretwise::chordbox {

inline constexpr int kFewestStrings = 3;
inline constexpr int kMostStrings = 8;
inline constexpr int kMuted = -1;  // a fret value: the string does not sound; 0 is open
// A box shows at least this many frets; more when the shape spans more.
inline constexpr int kFewestFretsShown = 4;

struct StringNote {
  int fret = kMuted;  // kMuted, 0 (open) or the fret's number on the neck, from 1
  int finger = 0;     // 0 none (open, muted or not told), 1 index .. 4 little
  friend bool operator==(const StringNote&, const StringNote&) = default;
};

// One finger across several strings at one fret; strings are numbered as players do, 1 the
// highest-pitched, so fromString > toString. Partial barres hold only some strings.
struct Barre {
  int fret = 1;
  int fromString = 0;
  int toString = 0;
  friend bool operator==(const Barre&, const Barre&) = default;
};

struct ChordBox {
  std::string name;
  int strings = 6;
  // One per string, the highest-numbered string first (string 6 of a guitar); empty when there
  // is no shape to show (the box is drawn empty under its name).
  std::vector<StringNote> notes;
  std::vector<Barre> barres;
  int firstFret = 1;  // the fret of the top row; 1 shows the nut
  int capo = 0;       // the capo's fret, 0 for none; frets are then counted from the capo
  // Note names under the strings, highest-numbered string first; empty for standard tuning.
  std::vector<std::string> tuning;
  bool leftHanded = false;
  friend bool operator==(const ChordBox&, const ChordBox&) = default;
};

// The top row for a shape: 1 (the nut) when every fretted note lies within the fewest frets
// shown, else the lowest fretted fret.
int FirstFretFor(std::span<const StringNote> notes);

// The frets a box shows from first: at least kFewestFretsShown, more to reach the highest note.
int FretsShown(std::span<const StringNote> notes, int first);

// The barres that fingers tell: where one finger holds two or more strings at one fret, a barre
// from the outermost of them to the other. Lowest fret first.
std::vector<Barre> BarresOfFingers(std::span<const StringNote> notes);

}  // namespace fretwise::chordbox
