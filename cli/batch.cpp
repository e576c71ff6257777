#include "cli/batch.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <iostream>

#include "cli/chord_options.h"
#include "cli/finder_options.h"
#include "cli/finder_report.h"
#include "cli/one_line.h"
#include "cli/report.h"

namespace fretwise::cli {
namespace {

std::string Compact(const QJsonObject& json) {
  return QJsonDocument(json).toJson(QJsonDocument::Compact).toStdString();
}

std::string ErrorLine(const std::string& error) {
  return Compact({{"error", QString::fromStdString(error)}});
}

// A line of notes for the window's search, answered as its --json does.
std::string WindowAnswer(const QStringList& arguments) {
  const ParseOutcome parsed = ParseChordOptions(arguments);
  if (parsed.help) return ErrorLine("--help is not a query");
  if (!parsed.options) return ErrorLine(parsed.error);
  const ChordOptions& options = *parsed.options;
  if (options.WantsImage() || options.play)
    return ErrorLine("--batch writes no images and plays nothing");
  const int max = options.maxCandidates.value_or(options.ticks.Count() == 0 ? 1 : 1 << 30);
  std::string json = JsonReport(options.ticks, ListCandidates(options.ticks, max));
  json.pop_back();  // its newline
  return json;
}

}  // namespace

std::string BatchAnswer(const QString& line) {
  const QStringList words = QProcess::splitCommand(line);
  if (words.isEmpty()) return ErrorLine("an empty line is not a query");
  const QStringList arguments = QStringList{"fretwise-chord"} + words;
  if (!IsFinderCall(arguments)) return WindowAnswer(arguments);
  const FinderOutcome parsed = ParseFinderQuery(arguments);
  if (!parsed.helpText.empty()) return ErrorLine("--help is not a query");
  if (!parsed.query) return ErrorLine(parsed.error);
  if (parsed.query->mode == FinderMode::kBatch) return ErrorLine("--batch does not nest");
  return Compact(FinderJson(*parsed.query));
}

void RunBatch(std::istream& in, std::ostream& out) {
  std::string line;
  while (std::getline(in, line)) {
    out << BatchAnswer(QString::fromStdString(line)) << "\n";
    out.flush();  // a script may wait for each answer before it sends the next line
  }
}

int RunFinder(const QStringList& arguments) {
  const FinderOutcome parsed = ParseFinderQuery(arguments);
  if (!parsed.helpText.empty()) {
    std::cout << parsed.helpText;
    return 0;
  }
  if (!parsed.query) {
    ReportError(parsed.error);
    return kUsageError;
  }
  if (parsed.query->mode == FinderMode::kBatch) {
    RunBatch(std::cin, std::cout);
  } else {
    std::cout << FinderOutput(*parsed.query);
  }
  return 0;
}

}  // namespace fretwise::cli
