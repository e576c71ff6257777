// fretwise-chord: the fingering engine on the command line.
#include <QCoreApplication>
#include <iostream>
#include <memory>
#include <new>

#include "cli/batch.h"
#include "cli/chord_modules.h"
#include "cli/chord_options.h"
#include "cli/command_line.h"
#include "cli/finder_options.h"
#include "cli/finder_run.h"
#include "cli/json_writer.h"
#include "cli/one_line.h"
#include "cli/output.h"
#include "cli/report.h"
#include "cli/user_text.h"

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
  if (!options.pngPath.empty()) {
    report(images.WritePng(cli::ToQString(options.pngPath), options.ticks, candidate));
  }
  if (!options.svgPath.empty()) {
    report(images.WriteSvg(cli::ToQString(options.svgPath), options.ticks, candidate));
  }
  if (!options.pdfPath.empty()) {
    report(images.WritePdf(cli::ToQString(options.pdfPath), options.ticks, candidate));
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

// Images and sheets need Qt's GUI part, which the text output does without; the options are read
// after the application object exists, so this looks ahead.
bool MentionsImage(int argc, char** argv) {
  for (int i = 1; i < argc; ++i) {
    const std::string_view argument = argv[i];
    for (std::string_view option :
         {"--png", "--svg", "--pdf", "--sheet", "-png", "-svg", "-pdf", "-sheet"}) {
      if (argument.starts_with(option)) return true;
    }
  }
  return false;
}

// The window's search. A failed write is left to the caller, which reports it.
int RunWindowSearch(cli::ImageModule* images, cli::Output& out) {
  const cli::ParseOutcome parsed = cli::ParseChordOptions(QCoreApplication::arguments());
  if (parsed.help) {
    out.Append(parsed.helpText);
    out.Append(cli::FinderHelpText());
    return 0;
  }
  if (!parsed.options) {
    cli::ReportError(parsed.error);
    return cli::kUsageError;
  }
  const cli::ChordOptions& options = *parsed.options;
  if (options.WantsImage()) {
    if (images) return WriteImages(*images, options);
    cli::ReportError("--png, --svg and --pdf must be given as options of their own");
    return cli::kUsageError;
  }
  const CandidateList list = ListCandidates(options.ticks, options.CandidatesToList());
  if (options.json) {
    cli::JsonWriter json(out);
    cli::WriteJsonReport(json, options.ticks, list);
    out.Put('\n');
  } else {
    cli::WriteTextReport(out, options.ticks, list);
    if (options.ticks.Count() == 0) {
      out.Append("No notes: every candidate is this same empty one.\n");
    }
  }
  if (!options.play) return 0;
  // The report shows while the chord sounds.
  return out.Send() ? Play(options.ticks) : 1;
}

int Run(cli::ImageModule* images, cli::Output& out) {
  try {
    const QStringList arguments = QCoreApplication::arguments();
    if (cli::IsFinderCall(cli::Words(arguments))) return cli::RunFinder(arguments, images, out);
    return RunWindowSearch(images, out);
  } catch (const std::bad_alloc&) {
    cli::ReportError("not enough memory to answer");
  } catch (const std::exception& failure) {
    cli::ReportError(std::string("cannot answer: ") + failure.what());
  }
  return 1;
}

}  // namespace

int main(int argc, char** argv) {
  cli::HoldStandardDescriptors();
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
  cli::Output out;
  const int status = Run(images, out);
  // What was answered goes out even after a failure; a write that fails is the run's one line.
  if (!out.Close()) {
    cli::ReportError(out.Error());
    return 1;
  }
  return status;
}
