// The tool's own command line, read by QCommandLineParser: its --help is what the manual page is
// made from.
#pragma once

#include <QStringList>
#include <span>
#include <string>
#include <string_view>

#include "cli/query_arguments.h"

namespace fretwise::cli {

// What --help says besides the options.
struct Usage {
  std::string_view description;  // may be empty
  std::string_view noteHelp;     // what a NOTE is
};

// Reads the arguments (the program's name first) with the rules' options. helpText is set when
// --help was given and everything could be read.
Arguments ReadCommandLine(const QStringList& arguments, std::span<const OptionRule> rules,
                          const Usage& usage, std::string& helpText);

// The same, checked as Checked does, with the help text when --help was given.
template <typename Options>
Reading<Options> ReadCommandLine(const QStringList& arguments, std::span<const OptionRule> rules,
                                 const Usage& usage,
                                 std::string (*check)(const Arguments&, Options&)) {
  std::string helpText;
  const Arguments read = ReadCommandLine(arguments, rules, usage, helpText);
  if (helpText.empty()) return Checked(read, check);
  Reading<Options> help;
  help.help = true;
  help.helpText = std::move(helpText);
  return help;
}

// --help's lines for the rules' options, without the usage line and the arguments.
std::string OptionsHelp(std::span<const OptionRule> rules);

// The arguments after the program's name, in UTF-8.
std::vector<std::string> Words(const QStringList& arguments);

}  // namespace fretwise::cli
