#include "cli/chord_options.h"

#include <QCommandLineParser>

#include "notes/note_token.h"

namespace fretwise::cli {
namespace {

// An image run only writes its files: it prints no report and plays nothing, so the options that
// shape the report or play are refused rather than dropped.
std::string RefusedWithImage(const QCommandLineParser& parser,
                             std::initializer_list<const QCommandLineOption*> options) {
  for (const QCommandLineOption* option : options) {
    if (parser.isSet(*option)) {
      return "--" + option->names().front().toStdString() + " does not go with --png or --svg";
    }
  }
  return {};
}

}  // namespace

std::string Quoted(const QString& text) { return "'" + text.toStdString() + "'"; }

std::optional<int> ParseCount(const QString& text) {
  bool ok = false;
  const int value = text.toInt(&ok, 10);
  if (!ok || text.startsWith('+') || text.startsWith('-')) return std::nullopt;
  return value;
}

std::optional<int> CountOfAtLeastOne(const QCommandLineParser& parser,
                                     const QCommandLineOption& option, std::string& error) {
  const QString value = parser.value(option);
  const auto count = ParseCount(value);
  if (!count || *count < 1) {
    error = "--" + option.names().front().toStdString() +
            " needs a whole number of at least 1, not " + Quoted(value);
    return std::nullopt;
  }
  return count;
}

ParseOutcome ParseChordOptions(const QStringList& arguments) {
  QCommandLineParser parser;
  parser.setApplicationDescription(
      "Finds guitar fingerings for a chord within a window of five frets, as Fretwise does.\n"
      "Each NOTE is a pitch from C2 to B5 in scientific notation: a letter, an optional\n"
      "sharp (# or \u266F) or flat (b or \u266D), and the octave, e.g. C4 E4 G4 or Db3.");
  parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
  const QCommandLineOption helpOption({"h", "help"}, "Shows this help.");
  const QCommandLineOption jsonOption("json", "Writes one JSON object for scripts.");
  const QCommandLineOption maxOption("max", "Stops after N candidates.", "N");
  const QCommandLineOption slotsOption(
      "slots", "Ticks the panel slots K (0-63) instead of naming notes.", "K,K,...");
  const QCommandLineOption pngOption(
      "png",
      "Writes the view's drawing as an 800x480 PNG (- for standard output) instead of the "
      "report; not with --json, --max or --play.",
      "FILE");
  const QCommandLineOption svgOption("svg", "Writes the same drawing as SVG (- likewise).", "FILE");
  const QCommandLineOption candidateOption(
      "candidate", "Draws the Nth candidate in the image (default 1).", "N");
  const QCommandLineOption playOption(
      "play",
      "Then plays the first candidate's chord from the sound files in ./wav/, as the play\n"
      "button does, and waits until it has sounded.");
  parser.addOption(helpOption);
  parser.addOption(pngOption);
  parser.addOption(svgOption);
  parser.addOption(candidateOption);
  parser.addOption(jsonOption);
  parser.addOption(maxOption);
  parser.addOption(slotsOption);
  parser.addOption(playOption);
  parser.addPositionalArgument("NOTE", "A note of the chord.", "[NOTE...]");

  ParseOutcome outcome;
  if (!parser.parse(arguments)) {
    outcome.error = parser.errorText().toStdString();
    return outcome;
  }
  if (parser.isSet(helpOption)) {
    outcome.help = true;
    outcome.helpText = parser.helpText().toStdString();
    return outcome;
  }

  ChordOptions options;
  options.json = parser.isSet(jsonOption);
  options.play = parser.isSet(playOption);
  if (parser.isSet(maxOption)) {
    options.maxCandidates = CountOfAtLeastOne(parser, maxOption, outcome.error);
    if (!options.maxCandidates) return outcome;
  }
  options.pngPath = parser.value(pngOption);
  options.svgPath = parser.value(svgOption);
  if ((parser.isSet(pngOption) && options.pngPath.isEmpty()) ||
      (parser.isSet(svgOption) && options.svgPath.isEmpty())) {
    outcome.error = "--png and --svg need a file name";
    return outcome;
  }
  if (options.WantsImage()) {
    outcome.error = RefusedWithImage(parser, {&jsonOption, &maxOption, &playOption});
    if (!outcome.error.empty()) return outcome;
  }
  if (parser.isSet(candidateOption)) {
    const auto number = CountOfAtLeastOne(parser, candidateOption, outcome.error);
    if (!number) return outcome;
    if (!options.WantsImage()) {
      outcome.error = "--candidate " + std::to_string(*number) + " needs --png or --svg";
      return outcome;
    }
    options.candidate = *number;
  }
  for (const QString& list : parser.values(slotsOption)) {
    for (const QString& item : list.split(',')) {
      const auto slot = ParseCount(item.trimmed());
      if (!slot || *slot >= kSlotCount) {
        outcome.error = "slot " + Quoted(item) + " is not a slot index from 0 to 63";
        return outcome;
      }
      if (!HasCheckBox(*slot)) {
        outcome.error = "slot " + Quoted(item) + " is a natural slot, which has no check box";
        return outcome;
      }
      options.ticks.Tick(*slot);
    }
  }
  for (const QString& note : parser.positionalArguments()) {
    const QByteArray utf8 = note.toUtf8();
    const auto code = ParseScientificPitch(std::string_view(utf8.constData(), utf8.size()));
    if (!code) {
      outcome.error =
          "note " + Quoted(note) + " is not a pitch from C2 to B5 (like C4, F#3 or Bb2)";
      return outcome;
    }
    options.ticks.Tick(SlotOfCode(*code));
  }
  outcome.options = std::move(options);
  return outcome;
}

}  // namespace fretwise::cli
