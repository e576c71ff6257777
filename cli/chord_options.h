// The window's search on the command line: notes or panel slots, the report's form, images, play.
#pragma once

#include <QStringList>
#include <optional>
#include <string>

#include "cli/query_arguments.h"
#include "view/slot_buttons.h"

namespace fretwise::cli {

struct ChordOptions {
  TickSet ticks;
  bool json = false;
  bool play = false;  // then plays the first candidate's chord
  std::optional<int> maxCandidates;
  std::string pngPath;  // empty unless an image is asked for
  std::string svgPath;
  std::string pdfPath;
  int candidate = 1;  // which candidate the image shows, from 1
  bool WantsImage() const { return !pngPath.empty() || !svgPath.empty() || !pdfPath.empty(); }
  // How many candidates to list: with no notes the windows never run out and every candidate is
  // the same empty one, so one is all there is to see, whatever --max asks.
  int CandidatesToList() const;
};

// Exit status 2 for anything the user typed wrong.
inline constexpr int kUsageError = 2;

// A chord sounds at most as many notes as the panel has boxes (no neck sounds more distinct
// pitches); a query that names more is refused before any is read.
inline constexpr int kMostNotes = 48;

using ParseOutcome = Reading<ChordOptions>;

// The command line (the program's name first).
ParseOutcome ParseChordOptions(const QStringList& arguments);
// Arguments read with kWindowOptions, as a --batch line gives them.
ParseOutcome CheckChordOptions(const Arguments& arguments);

// Reading option values, for these options and the chord finder's.
// A whole non-negative decimal number, or nothing.
std::optional<int> ParseCount(std::string_view text);
// The value of a count option that must be at least 1, or nothing with the error set.
std::optional<int> CountOfAtLeastOne(const Arguments& arguments, Option option, std::string& error);
// The error for more notes than a chord sounds, or "".
std::string TooManyNotes(std::size_t notes);

}  // namespace fretwise::cli
