// The chord finder's answers, as text for people or JSON for scripts, written straight into the
// output.
#pragma once

#include <functional>

#include "cli/finder_options.h"
#include "cli/json_writer.h"
#include "cli/output.h"

namespace fretwise::cli {

// Called after each voicing is written: a run that answers one query sends its output as it goes,
// so that a long list's memory is reused; --batch gathers each line's answer whole.
using AfterEachVoicing = std::function<void()>;

// Runs the query (not --batch) and writes what the tool prints for it, as text.
void WriteFinderText(Output& out, const FinderQuery& query, const AfterEachVoicing& after = {});

// The same as one JSON object without its newline, for --json and --batch.
void WriteFinderJson(JsonWriter& json, const FinderQuery& query,
                     const AfterEachVoicing& after = {});

}  // namespace fretwise::cli
