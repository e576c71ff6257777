// The chord finder's answers, as text for people or JSON for scripts, written straight into the
// output.
#pragma once

#include "cli/finder_options.h"
#include "cli/json_writer.h"
#include "cli/output.h"

namespace fretwise::cli {

// Runs the query (not --batch) and writes what the tool prints for it, as text.
void WriteFinderText(Output& out, const FinderQuery& query);

// The same as one JSON object without its newline, for --json and --batch.
void WriteFinderJson(JsonWriter& json, const FinderQuery& query);

}  // namespace fretwise::cli
