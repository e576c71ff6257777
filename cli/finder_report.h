// The chord finder's answers, as text for people or JSON for scripts.
#pragma once

#include <QJsonObject>
#include <string>

#include "cli/finder_options.h"

namespace fretwise::cli {

// Runs the query (not --batch) and gives what the tool prints for it.
std::string FinderOutput(const FinderQuery& query);

// The same as one JSON object, for --json and --batch.
QJsonObject FinderJson(const FinderQuery& query);

}  // namespace fretwise::cli
