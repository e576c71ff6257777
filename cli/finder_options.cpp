#include "cli/finder_options.h"

#include "cli/chord_options.h"
#include "cli/command_line.h"
#include "cli/user_text.h"
#include "pitch/pitch.h"

namespace fretwise::cli {
namespace {

constexpr Usage kUsage = {"", "A pitch from C0 to B8."};
constexpr const char* kModeNames[] = {"voicings", "chord", "name", "batch"};
constexpr Option kModeOptions[] = {Option::kVoicings, Option::kChord, Option::kName,
                                   Option::kBatch};

std::string ReadNumbers(const Arguments& arguments, FinderQuery& query) {
  if (arguments.IsSet(Option::kMax)) {
    std::string error;
    query.max = CountOfAtLeastOne(arguments, Option::kMax, error);
    if (!query.max) return error;
  }
  if (arguments.IsSet(Option::kSpan)) {
    const std::string_view text = arguments.Value(Option::kSpan);
    const auto span = ParseCount(text);
    if (!span || *span < voicings::kFewestSpan || *span > voicings::kMostSpan) {
      return "--span needs a whole number from 2 to 6, not " + Quoted(text);
    }
    query.search.span = *span;
  }
  if (arguments.IsSet(Option::kTuning)) {
    const std::string_view text = arguments.Value(Option::kTuning);
    const auto tuning = voicings::ParseTuning(text);
    if (!tuning) {
      return "--tuning needs standard, drop-d or six pitches from string 6 to string 1, not " +
             Quoted(text);
    }
    query.search.tuning = tuning->tuning;
    query.search.frets = tuning->frets;
  }
  return {};
}

std::string ReadNotes(const std::vector<std::string>& notes, FinderQuery& query) {
  if (auto error = TooManyNotes(notes.size()); !error.empty()) return error;
  for (const std::string& note : notes) {
    const auto midi = ParsePitch(note);
    if (!midi)
      return "note " + Quoted(note) + " is not a pitch from C0 to B8 (like C4, F#3 or Bb2)";
    query.pitches.push_back(*midi);
  }
  return {};
}

// The query's mode, or an error when there is none or more than one.
std::string ReadMode(const Arguments& arguments, FinderQuery& query) {
  int count = 0;
  for (int m = 0; m < 4; ++m) {
    if (!arguments.IsSet(kModeOptions[m])) continue;
    if (count++ > 0) {
      return std::string("--") + kModeNames[int(query.mode)] + " and --" + kModeNames[m] +
             " do not go together";
    }
    query.mode = FinderMode(m);
  }
  if (count == 0) {
    return arguments.IsSet(Option::kSpan) ? "--span needs --voicings or --chord"
                                          : "--tuning needs --voicings or --chord";
  }
  return {};
}

// An option of the window's search given to the finder: images of chord symbols are yet to come.
std::string RefusedWithMode(const Arguments& arguments, FinderMode mode) {
  for (const OptionRule& rule : kFinderOptions) {
    if (!rule.description.empty() || !arguments.IsSet(rule.option)) continue;
    const bool image = rule.option == Option::kPng || rule.option == Option::kSvg;
    return "--" + std::string(rule.name) + " does not go with --" + kModeNames[int(mode)] +
           (image && mode == FinderMode::kChord ? " yet" : "");
  }
  return {};
}

// Fills the query from arguments that could be read, or says what is wrong with them.
std::string Check(const Arguments& arguments, FinderQuery& query) {
  query.json = arguments.IsSet(Option::kJson);
  if (auto error = ReadMode(arguments, query); !error.empty()) return error;
  if (auto error = RefusedWithMode(arguments, query.mode); !error.empty()) return error;
  if (auto error = ReadNumbers(arguments, query); !error.empty()) return error;
  const std::vector<std::string>& notes = arguments.positional;
  switch (query.mode) {
    case FinderMode::kBatch:
      if (!notes.empty()) return "--batch reads its queries from stdin, not " + Quoted(notes[0]);
      return {};
    case FinderMode::kChord: {
      const std::string_view text = arguments.Value(Option::kChord);
      const auto chord = chords::ParseChordSymbol(text);
      if (!chord) {
        return "chord " + Quoted(text) + " is not a chord symbol (like C, F#m7, Bbmaj7 or Am7/G)";
      }
      if (!notes.empty()) return "--chord takes no notes, not " + Quoted(notes[0]);
      query.chord = *chord;
      return {};
    }
    case FinderMode::kName:
      if (arguments.IsSet(Option::kSpan) || arguments.IsSet(Option::kTuning) ||
          arguments.IsSet(Option::kMax)) {
        return "--name takes no --span, --tuning or --max";
      }
      [[fallthrough]];
    case FinderMode::kVoicings:
      if (notes.empty()) return std::string("--") + kModeNames[int(query.mode)] + " needs notes";
      return ReadNotes(notes, query);
  }
  return {};
}

}  // namespace

FinderOutcome ParseFinderQuery(const QStringList& arguments) {
  return ReadCommandLine(arguments, kFinderOptions, kUsage, Check);
}

FinderOutcome CheckFinderQuery(const Arguments& arguments) { return Checked(arguments, Check); }

std::string FinderHelpText() {
  // The tool's own help already lists --json and --help.
  std::vector<OptionRule> listed;
  for (const OptionRule& rule : kFinderOptions) {
    if (rule.option != Option::kJson && rule.option != Option::kHelp) listed.push_back(rule);
  }
  return "\nChord finder (NOTEs from C0 to B8; --json and --max apply too):\n" +
         OptionsHelp(listed);
}

}  // namespace fretwise::cli
