#pragma once

#include <QStringList>

class QCommandLineOption;
class QCommandLineParser;
#include <optional>
#include <string>

#include "view/slot_buttons.h"

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

// Reading option values, for these options and the chord finder's.
// The text in single quotes, as errors name a bad argument.
std::string Quoted(const QString& text);
// A whole non-negative decimal number, or nothing.
std::optional<int> ParseCount(const QString& text);
// The value of a count option that must be at least 1, or nothing with the error set.
std::optional<int> CountOfAtLeastOne(const QCommandLineParser& parser,
                                     const QCommandLineOption& option, std::string& error);

}  // namespace fretwise::cli
