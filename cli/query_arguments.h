// The arguments of one call, read by option: from the command line (by QCommandLineParser, see
// command_line.h) or from a --batch line (by ReadArguments, which reads as that parser does), so
// that both answer with the same checks and the same error texts.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace fretwise::cli {

enum class Option {
  kHelp,
  kPng,
  kSvg,
  kCandidate,
  kJson,
  kMax,
  kSlots,
  kPlay,
  kVoicings,
  kChord,
  kName,
  kBatch,
  kSpan,
  kTuning,
  kPdf,
  kSheet,
  kSong,
  kPage,
  kTitle,
  kLeftHanded,
  kChordPro,
  kStrum,
  kStrumUp,
  kFrets,
  kCapo,
  kPosition
};

struct OptionRule {
  Option option;
  std::string_view name;         // after "--" or "-"
  std::string_view shortName;    // another name, or empty
  std::string_view valueName;    // what --help calls its value; empty when it takes none
  std::string_view description;  // for --help; empty when --help does not list it
};

// The window's search, in the order --help lists them.
extern const std::array<OptionRule, 9> kWindowOptions;
// The chord finder's, in the order its --help lists them; then those that --help lists with the
// window's search (images, --play), and the window's own, so that a finder query that gives one is
// told that it does not go with the query, not that it is unknown.
extern const std::array<OptionRule, 26> kFinderOptions;

struct Arguments {
  std::uint32_t set = 0;                               // one bit per Option given
  std::vector<std::pair<Option, std::string>> values;  // in the order given
  std::vector<std::string> positional;
  std::string error;  // empty when they could be read; else the command line parser's words

  bool IsSet(Option option) const { return set >> int(option) & 1; }
  // The last value given, or "".
  std::string_view Value(Option option) const;
};

// What one call's arguments come to: the options they ask for, or the error to report, or --help.
template <typename Options>
struct Reading {
  std::optional<Options> options;  // empty on error and when help was asked for
  std::string error;               // one line naming the bad argument
  bool help = false;
  std::string helpText;  // what --help shows, when the arguments came from the command line
};

// The reading of arguments through `check`, which fills the options or says what is wrong with
// them; first the error of reading them, then --help.
template <typename Options>
Reading<Options> Checked(const Arguments& arguments,
                         std::string (*check)(const Arguments&, Options&)) {
  Reading<Options> reading;
  if (!arguments.error.empty()) {
    reading.error = arguments.error;
  } else if (arguments.IsSet(Option::kHelp)) {
    reading.help = true;
  } else {
    Options options;
    reading.error = check(arguments, options);
    if (reading.error.empty()) reading.options = std::move(options);
  }
  return reading;
}

// Whether the words (the arguments without the program's name) ask for the chord finder rather
// than the window's search: they give --voicings, --chord, --name, --batch, --sheet or an option
// only the finder has.
bool IsFinderCall(std::span<const std::string> words);

// Splits a --batch line into words as QProcess::splitCommand does: at white space outside double
// quotes, with three double quotes in a row for a quote. The line is valid UTF-8.
void SplitWords(std::string_view line, std::vector<std::string>& words);

// Reads the words as the command line's parser reads the arguments with the same options: "--x"
// and "-x" alike, "--x=value" or "--x value", "--" before words that are notes whatever they look
// like. Takes the words' text.
void ReadArguments(std::vector<std::string>& words, std::span<const OptionRule> rules,
                   Arguments& into);

// The command line parser's words for options it does not know, each name cut short as Quoted
// does: "Unknown option 'x'." or "Unknown options: x, y.".
std::string UnknownOptionsText(std::span<const std::string> names);

}  // namespace fretwise::cli
