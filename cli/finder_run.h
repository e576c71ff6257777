// The chord finder's run: its list as text or JSON, its voicings drawn or written as ChordPro, its
// sheets, its first voicing played.
#pragma once

#include <QStringList>

#include "cli/chord_modules.h"
#include "cli/output.h"

namespace fretwise::cli {

// Runs a finder call (IsFinderCall): its output in out, its images through `images` (loaded when
// the command line names an image or a sheet, else nullptr), or one error line on stderr and its
// status. A failed write of out gives status 1 and is left to the caller to report.
int RunFinder(const QStringList& arguments, ImageModule* images, Output& out);

}  // namespace fretwise::cli
