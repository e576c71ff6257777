// fretwise-chord: the fingering engine on the command line.
#include <QCoreApplication>
#include <QGuiApplication>
#include <iostream>
#include <memory>

#include "cli/batch.h"
#include "cli/chord_image.h"
#include "cli/chord_options.h"
#include "cli/finder_options.h"
#include "cli/play_chord.h"
#include "cli/report.h"

using namespace fretwise;

namespace {

int WriteImages(const cli::ChordOptions& options) {
  int status = 0;
  std::optional<std::string> message;
  auto report = [&](const cli::ImageResult& result) {
    if (!result.written) {
      std::cerr << "fretwise-chord: " << result.error << "\n";
      status = 1;
    }
    if (result.message) message = result.message;
  };
  if (!options.pngPath.isEmpty()) {
    report(cli::WritePng(options.pngPath, options.ticks, options.candidate));
  }
  if (!options.svgPath.isEmpty()) {
    report(cli::WriteSvg(options.svgPath, options.ticks, options.candidate));
  }
  if (message) std::cerr << *message << "\n";
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

// The offscreen platform warns about a missing runtime folder it does not need; the tool's stderr
// is for its own one-line errors.
void QuietQtMessages(QtMsgType type, const QMessageLogContext&, const QString& text) {
  if (type == QtDebugMsg || type == QtInfoMsg || text.startsWith("QStandardPaths:")) return;
  std::cerr << text.toStdString() << "\n";
}

}  // namespace

int main(int argc, char** argv) {
  std::unique_ptr<QCoreApplication> app;
  if (MentionsImage(argc, argv)) {
    // Images are drawn off screen; no display is needed.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    qInstallMessageHandler(QuietQtMessages);
    app = std::make_unique<QGuiApplication>(argc, argv);
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
    std::cerr << "fretwise-chord: " << parsed.error << "\n";
    return cli::kUsageError;
  }
  const cli::ChordOptions& options = *parsed.options;

  if (options.WantsImage()) return WriteImages(options);

  // With no notes the windows never run out, so one candidate is all there is to see.
  const int max = options.maxCandidates.value_or(options.ticks.Count() == 0 ? 1 : 1 << 30);
  const CandidateList list = ListCandidates(options.ticks, max);
  std::cout << (options.json ? cli::JsonReport(options.ticks, list) : cli::TextReport(options.ticks, list));
  if (!options.play) return 0;
  std::cout.flush();
  return cli::PlayChord(options.ticks);
}
