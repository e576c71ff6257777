// The tool's stderr: one line per run, in which nothing a user typed can break the line or drive
// the terminal.
#pragma once

#include <string>
#include <string_view>

namespace fretwise::cli {

// text with its control characters escaped: \n, \r and \t as such, the others (ESC, DEL and the
// C1 controls among them) as \xHH or \u00HH. Everything else, UTF-8 included, is kept.
std::string OneLine(std::string_view text);

// "fretwise-chord: <text>" on stderr, as one line.
void ReportError(std::string_view text);

}  // namespace fretwise::cli
