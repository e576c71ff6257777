// fretwise-chord --batch: one query per line in, JSON Lines out.
#pragma once

#include <cstddef>

#include "cli/output.h"

namespace fretwise::cli {

// Answers each line of standard input (the arguments of one call, as a shell would split them)
// with one JSON object on a line of out: what --json gives, or {"error":"..."} for a line that
// cannot be answered. A line longer than kLongestLine is answered with an error at once and
// skipped. Stops at the first failed write (status 1); stdin that cannot be read is status 1 and
// one line on stderr.
int RunBatch(Output& out);

// A query line's longest, not counting its newline.
inline constexpr std::size_t kLongestLine = 64 * 1024;

}  // namespace fretwise::cli
