#include "cli/chord_options.h"

#include <QString>

#include "cli/command_line.h"
#include "cli/user_text.h"
#include "notes/note_token.h"

namespace fretwise::cli {
namespace {

constexpr Usage kUsage = {
    "Finds guitar fingerings for a chord within a window of five frets, as Fretwise does.\n"
    "Each NOTE is a pitch from C2 to B5 in scientific notation: a letter, an optional\n"
    "sharp (# or \u266F) or flat (b or \u266D), and the octave, e.g. C4 E4 G4 or Db3.",
    "A note of the chord."};

std::string Dashed(Option option) {
  for (const OptionRule& rule : kWindowOptions) {
    if (rule.option == option) return "--" + std::string(rule.name);
  }
  return {};
}

// An image run only writes its files: it prints no report and plays nothing, so the options that
// shape the report or play are refused rather than dropped.
std::string RefusedWithImage(const Arguments& arguments) {
  for (const Option option : {Option::kJson, Option::kMax, Option::kPlay}) {
    if (arguments.IsSet(option)) return Dashed(option) + " does not go with --png, --svg or --pdf";
  }
  return {};
}

// Ticks the slots of every --slots list, or says which one is not a slot with a check box.
std::string TickSlots(const Arguments& arguments, TickSet& ticks) {
  for (const auto& [option, list] : arguments.values) {
    if (option != Option::kSlots) continue;
    for (const QString& item : ToQString(list).split(',')) {
      const auto slot = ParseCount(Utf8(item.trimmed()));
      if (!slot || *slot >= kSlotCount) {
        return "slot " + Quoted(Utf8(item)) + " is not a slot index from 0 to 63";
      }
      if (!HasCheckBox(*slot)) {
        return "slot " + Quoted(Utf8(item)) + " is a natural slot, which has no check box";
      }
      ticks.Tick(*slot);
    }
  }
  return {};
}

std::string TickNotes(const Arguments& arguments, TickSet& ticks) {
  if (auto error = TooManyNotes(arguments.positional.size()); !error.empty()) return error;
  for (const std::string& note : arguments.positional) {
    const auto code = ParseScientificPitch(note);
    if (!code)
      return "note " + Quoted(note) + " is not a pitch from C2 to B5 (like C4, F#3 or Bb2)";
    ticks.Tick(SlotOfCode(*code));
  }
  return {};
}

// Fills the options from arguments that could be read, or says what is wrong with them.
std::string Check(const Arguments& arguments, ChordOptions& options) {
  options.json = arguments.IsSet(Option::kJson);
  options.play = arguments.IsSet(Option::kPlay);
  std::string error;
  if (arguments.IsSet(Option::kMax)) {
    options.maxCandidates = CountOfAtLeastOne(arguments, Option::kMax, error);
    if (!options.maxCandidates) return error;
  }
  options.pngPath = arguments.Value(Option::kPng);
  options.svgPath = arguments.Value(Option::kSvg);
  options.pdfPath = arguments.Value(Option::kPdf);
  if ((arguments.IsSet(Option::kPng) && options.pngPath.empty()) ||
      (arguments.IsSet(Option::kSvg) && options.svgPath.empty()) ||
      (arguments.IsSet(Option::kPdf) && options.pdfPath.empty())) {
    return "--png, --svg and --pdf need a file name";
  }
  if (options.WantsImage()) {
    if (error = RefusedWithImage(arguments); !error.empty()) return error;
  }
  if (arguments.IsSet(Option::kCandidate)) {
    const auto number = CountOfAtLeastOne(arguments, Option::kCandidate, error);
    if (!number) return error;
    if (!options.WantsImage())
      return "--candidate " + std::to_string(*number) + " needs --png, --svg or --pdf";
    options.candidate = *number;
  }
  if (error = TickSlots(arguments, options.ticks); !error.empty()) return error;
  return TickNotes(arguments, options.ticks);
}

}  // namespace

int ChordOptions::CandidatesToList() const {
  return ticks.Count() == 0 ? 1 : maxCandidates.value_or(kNoLimit);
}

std::optional<int> ParseCount(std::string_view text) {
  // Qt's reading, as the command line has always had it (surrounding ASCII white space is let by).
  const QString number = ToQString(text);
  bool ok = false;
  const int value = number.toInt(&ok, 10);
  if (!ok || number.startsWith('+') || number.startsWith('-')) return std::nullopt;
  return value;
}

std::optional<int> CountOfAtLeastOne(const Arguments& arguments, Option option,
                                     std::string& error) {
  const std::string_view value = arguments.Value(option);
  const auto count = ParseCount(value);
  if (!count || *count < 1) {
    error = Dashed(option) + " needs a whole number of at least 1, not " + Quoted(value);
    return std::nullopt;
  }
  return count;
}

std::string TooManyNotes(std::size_t notes) {
  if (notes <= kMostNotes) return {};
  return "a chord has at most " + std::to_string(kMostNotes) + " notes, not " +
         std::to_string(notes);
}

ParseOutcome ParseChordOptions(const QStringList& arguments) {
  return ReadCommandLine(arguments, kWindowOptions, kUsage, Check);
}

ParseOutcome CheckChordOptions(const Arguments& arguments) { return Checked(arguments, Check); }

}  // namespace fretwise::cli
