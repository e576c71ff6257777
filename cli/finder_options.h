// The chord finder's command line: --voicings, --chord, --name, --batch and --sheet, and what the
// voicings found become: chord boxes in images and sheets, ChordPro lines, a chord heard.
#pragma once

#include <QStringList>
#include <optional>
#include <string>
#include <vector>

#include "canvas/chord_box_files.h"
#include "chords/chord_symbol.h"
#include "cli/query_arguments.h"
#include "playback/voicing_player.h"
#include "voicings/voicing_search.h"

namespace fretwise::cli {

enum class FinderMode { kVoicings, kChord, kName, kBatch, kSheet };

struct SheetQuery {
  std::string path;
  ImageFormat format = ImageFormat::kPdf;
  std::vector<std::string> symbols;  // as given, each a chord symbol; none with a song
  std::string songPath;              // empty without --song
  std::optional<std::string> title;  // --title, over the song's own
  chordbox::Paper paper = chordbox::Paper::kA4;
};

struct FinderQuery {
  FinderMode mode = FinderMode::kVoicings;
  std::vector<int> pitches;   // MIDI numbers, as given (--voicings, --name)
  chords::ChordSymbol chord;  // --chord
  std::string chordName;      // --chord as given, which its boxes show
  bool json = false;
  std::optional<int> max;  // all when empty
  voicings::SearchOptions search;
  std::string tuningName;  // --tuning as given, for the instrument a preset sounds on
  bool leftHanded = false;
  std::array<std::string, 3> images;  // by ImageFormat: --png, --svg, --pdf; empty when not given
  SheetQuery sheet;
  bool chordPro = false;
  bool play = false;
  playback::Strum strum;
  bool WantsImage() const;
};

using FinderOutcome = Reading<FinderQuery>;

// The command line (the program's name first), when IsFinderCall says it is the finder's.
FinderOutcome ParseFinderQuery(const QStringList& arguments);
// Arguments read with kFinderOptions, as a --batch line gives them.
FinderOutcome CheckFinderQuery(const Arguments& arguments);

// The finder's options for the tool's --help.
std::string FinderHelpText();

}  // namespace fretwise::cli
