// The chord finder's entry and fretwise-chord --batch: one query per line in, JSON Lines out.
#pragma once

#include <QStringList>
#include <iosfwd>
#include <string>

namespace fretwise::cli {

// Runs a finder call (IsFinderCall): its output on stdout, or one error line on stderr and the
// usage status.
int RunFinder(const QStringList& arguments);

// Answers each line of `in` (the arguments of one call, as a shell would split them) with one
// JSON object on a line of `out`: what --json gives, or {"error":"..."} for a bad line.
void RunBatch(std::istream& in, std::ostream& out);

// One line's answer, without the newline.
std::string BatchAnswer(const QString& line);

}  // namespace fretwise::cli
