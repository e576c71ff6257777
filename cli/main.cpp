// fretwise-chord: the fingering engine on the command line.
#include <QCoreApplication>
#include <iostream>
#include <memory>

#include "cli/batch.h"
#include "cli/chord_modules.h"
#include "cli/chord_options.h"
#include "cli/finder_options.h"
#include "cli/one_line.h"
#include "cli/report.h"

using namespace fretwise;

namespace {

// Writes every image asked for. A failure gives one line, for all the images that failed, and
// then the view's message is not shown.
int WriteImages(cli::ImageModule& images, const cli::ChordOptions& options) {
  // With no notes every candidate is the same empty one.
  const int candidate = options.ticks.Count() == 0 ? 1 : options.candidate;
  std::string errors;
  std::optional<std::string> message;
  auto report = [&](const cli::ImageResult& result) {
    if (!result.written) errors += (errors.empty() ? "" : "; ") + result.error;
    if (result.message) message = result.message;
  };
  if (!options.pngPath.isEmpty()) {
    report(images.WritePng(options.pngPath, options.ticks, candidate));
  }
  if (!options.svgPath.isEmpty()) {
    report(images.WriteSvg(options.svgPath, options.ticks, candidate));
  }
  if (!errors.empty()) {
    cli::ReportError(errors);
    return 1;
  }
  if (message) std::cerr << *message << "\n";
  return 0;
}

int Play(const TickSet& ticks) {
  std::string error;
  cli::PlayModule* const player = cli::LoadPlayModule(error);
  const int status = player ? player->Play(ticks, error) : cli::kModuleError;
  if (!error.empty()) cli::ReportError(error);
  return status;
}

// Images need Qt's GUI part, which the text output does without; the options are read after the
// application object exists, so this looks ahead.
bool MentionsImage(int argc, char** argv) {
  for (int i = 1; i < argc; ++i) {
    const std::string_view argument = argv[i];
    for (std::string_view option : {"--png", "--svg", "-png", "-svg"}) {
      if (argument.starts_with(option)) return true;
    }
  }
  return false;
}

}  // namespace

int main(int argc, char** argv) {
  std::unique_ptr<QCoreApplication> app;
  cli::ImageModule* images = nullptr;
  if (MentionsImage(argc, argv)) {
    std::string error;
    images = cli::LoadImageModule(error);
    if (!images) {
      cli::ReportError(error);
      return cli::kModuleError;
    }
    app = images->MakeApplication(argc, argv);
  } else {
    app = std::make_unique<QCoreApplication>(argc, argv);
  }
  QCoreApplication::setApplicationName("fretwise-chord");
  if (cli::IsFinderCall(QCoreApplication::arguments())) {
    return cli::RunFinder(QCoreApplication::arguments());
  }

  const cli::ParseOutcome parsed = cli::ParseChordOptions(QCoreApplication::arguments());
  if (parsed.help) {
    std::cout << parsed.helpText << cli::FinderHelpText();
    return 0;
  }
  if (!parsed.options) {
    cli::ReportError(parsed.error);
    return cli::kUsageError;
  }
  const cli::ChordOptions& options = *parsed.options;

  if (options.WantsImage()) {
    if (images) return WriteImages(*images, options);
    cli::ReportError("--png and --svg must be given as options of their own");
    return cli::kUsageError;
  }

  // With no notes the windows never run out and every candidate is the same empty one, so one is
  // all there is to see, whatever --max asks.
  const bool noNotes = options.ticks.Count() == 0;
  const int max = noNotes ? 1 : options.maxCandidates.value_or(1 << 30);
  const CandidateList list = ListCandidates(options.ticks, max);
  std::cout << (options.json ? cli::JsonReport(options.ticks, list)
                             : cli::TextReport(options.ticks, list));
  if (noNotes && !options.json) std::cout << "No notes: every candidate is this same empty one.\n";
  if (!options.play) return 0;
  std::cout.flush();
  return Play(options.ticks);
}
