// fretwise-chord: the fingering engine on the command line.
#include <QCoreApplication>
#include <iostream>

#include "cli/chord_options.h"
#include "cli/play_chord.h"
#include "cli/report.h"

using namespace fretwise;

int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);
  QCoreApplication::setApplicationName("fretwise-chord");

  const cli::ParseOutcome parsed = cli::ParseChordOptions(QCoreApplication::arguments());
  if (parsed.help) {
    std::cout << parsed.helpText;
    return 0;
  }
  if (!parsed.options) {
    std::cerr << "fretwise-chord: " << parsed.error << "\n";
    return cli::kUsageError;
  }
  const cli::ChordOptions& options = *parsed.options;

  // With no notes the windows never run out, so one candidate is all there is to see.
  const int max = options.maxCandidates.value_or(options.ticks.Count() == 0 ? 1 : 1 << 30);
  const CandidateList list = ListCandidates(options.ticks, max);
  std::cout << (options.json ? cli::JsonReport(options.ticks, list) : cli::TextReport(list));
  if (!options.play) return 0;
  std::cout.flush();
  return cli::PlayChord(options.ticks);
}
