// The chord finder's command line: --voicings, --chord, --name and --batch.
#pragma once

#include <QStringList>
#include <optional>
#include <string>
#include <vector>

#include "chords/chord_symbol.h"
#include "cli/query_arguments.h"
#include "voicings/voicing_search.h"

namespace fretwise::cli {

enum class FinderMode { kVoicings, kChord, kName, kBatch };

struct FinderQuery {
  FinderMode mode = FinderMode::kVoicings;
  std::vector<int> pitches;   // MIDI numbers, as given (--voicings, --name)
  chords::ChordSymbol chord;  // --chord
  bool json = false;
  std::optional<int> max;  // all when empty
  voicings::SearchOptions search;
};

using FinderOutcome = Reading<FinderQuery>;

// The command line (the program's name first), when IsFinderCall says it is the finder's.
FinderOutcome ParseFinderQuery(const QStringList& arguments);
// Arguments read with kFinderOptions, as a --batch line gives them.
FinderOutcome CheckFinderQuery(const Arguments& arguments);

// The finder's options for the tool's --help.
std::string FinderHelpText();

}  // namespace fretwise::cli
