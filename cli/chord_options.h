#pragma once

#include <QStringList>
#include <optional>
#include <string>

#include "notes/slot_buttons.h"

namespace fretwise::cli {

struct ChordOptions {
  TickSet ticks;
  bool json = false;
  bool play = false;  // then plays the first candidate's chord
  std::optional<int> maxCandidates;
  QString pngPath;  // empty unless an image is asked for
  QString svgPath;
  int candidate = 1;  // which candidate the image shows, from 1
  bool WantsImage() const { return !pngPath.isEmpty() || !svgPath.isEmpty(); }
};

// Exit status 2 for anything the user typed wrong.
inline constexpr int kUsageError = 2;

struct ParseOutcome {
  std::optional<ChordOptions> options;  // empty when help was shown or on error
  std::string error;                    // one line naming the bad argument
  bool help = false;
  std::string helpText;
};

ParseOutcome ParseChordOptions(const QStringList& arguments);

}  // namespace fretwise::cli
