// Runs the view's commands the way a player would to list the fingerings of a chord: tick the
// boxes, show the notes, then press next candidate until the message appears.
#pragma once

#include <limits>
#include <optional>
#include <string>
#include <vector>

#include "fingering/string_cells.h"
#include "view/slot_buttons.h"

namespace fretwise {

struct Candidate {
  int windowStart = 0;  // the window covers frets windowStart..windowStart+4
  StringCells cells{};
  int highestFret = 0;
  char tuning = '\0';  // 'C' or 'D' when string 6 is tuned down, else '\0'
  // Entries 0..m_noteCount-1 of the view's sound-file paths while this candidate is shown.
  std::vector<std::string> soundFiles;
};

struct CandidateList {
  std::vector<Candidate> candidates;
  std::optional<std::string> message;  // the message shown, if any
};

// Stops after maxCandidates candidates (at least 1), or at the message, whichever comes first.
// With no notes the windows never run out, so only maxCandidates ends the list.
inline constexpr int kAllCandidates = std::numeric_limits<int>::max();  // up to the message
CandidateList ListCandidates(const TickSet& ticks, int maxCandidates);

}  // namespace fretwise
