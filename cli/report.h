#pragma once

#include <string>

#include "view/candidate_list.h"
#include "view/slot_buttons.h"

namespace fretwise::cli {

// For people: the chord's name ("Chord: C/E", or "Chord: (none)"), one block per candidate, the
// message last.
std::string TextReport(const TickSet& ticks, const CandidateList& list);

// For scripts: {"notes":[...],"name":...,"candidates":[...],"message":...}, UTF-8, one line; the
// name is null when the notes make no chord.
std::string JsonReport(const TickSet& ticks, const CandidateList& list);

}  // namespace fretwise::cli
