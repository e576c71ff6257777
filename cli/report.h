#pragma once

#include <string>

#include "fingering/candidate_list.h"
#include "notes/slot_buttons.h"

namespace fretwise::cli {

// For people: one block per candidate, the message last.
std::string TextReport(const CandidateList& list);

// For scripts: {"notes":[...],"candidates":[...],"message":...}, UTF-8, one line.
std::string JsonReport(const TickSet& ticks, const CandidateList& list);

}  // namespace fretwise::cli
