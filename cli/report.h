// The window's search as the tool reports it, written straight into the output.
#pragma once

#include "cli/json_writer.h"
#include "cli/output.h"
#include "view/candidate_list.h"
#include "view/slot_buttons.h"

namespace fretwise::cli {

// For people: the chord's name ("Chord: C/E", or "Chord: (none)"), one block per candidate, the
// message last.
void WriteTextReport(Output& out, const TickSet& ticks, const CandidateList& list);

// For scripts: {"candidates":[...],"message":...,"name":...,"notes":[...]}, UTF-8, one line
// without its newline; the name is null when the notes make no chord.
void WriteJsonReport(JsonWriter& json, const TickSet& ticks, const CandidateList& list);

}  // namespace fretwise::cli
