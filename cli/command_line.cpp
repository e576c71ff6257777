#include "cli/command_line.h"

#include <QCommandLineParser>

#include "cli/user_text.h"

namespace fretwise::cli {
namespace {

void AddOptions(QCommandLineParser& parser, std::span<const OptionRule> rules) {
  parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
  for (const OptionRule& rule : rules) {
    QStringList names{ToQString(rule.name)};
    if (!rule.shortName.empty()) names.prepend(ToQString(rule.shortName));
    QCommandLineOption option(names, ToQString(rule.description), ToQString(rule.valueName));
    if (rule.description.empty()) option.setFlags(QCommandLineOption::HiddenFromHelp);
    parser.addOption(option);
  }
}

// The parser's error, with the names of unknown options cut short as every error quotes.
std::string ErrorText(const QCommandLineParser& parser) {
  const QString error = parser.errorText();
  if (parser.unknownOptionNames().isEmpty() || !error.startsWith("Unknown option")) {
    return Utf8(error);
  }
  return UnknownOptionsText(Words(QStringList{{}} + parser.unknownOptionNames()));
}

}  // namespace

std::vector<std::string> Words(const QStringList& arguments) {
  std::vector<std::string> words;
  for (qsizetype i = 1; i < arguments.size(); ++i) words.push_back(Utf8(arguments[i]));
  return words;
}

Arguments ReadCommandLine(const QStringList& arguments, std::span<const OptionRule> rules,
                          const Usage& usage, std::string& helpText) {
  QCommandLineParser parser;
  parser.setApplicationDescription(ToQString(usage.description));
  AddOptions(parser, rules);
  parser.addPositionalArgument("NOTE", ToQString(usage.noteHelp), "[NOTE...]");
  Arguments read;
  if (!parser.parse(arguments)) {
    read.error = ErrorText(parser);
    return read;
  }
  for (const OptionRule& rule : rules) {
    const QString name = ToQString(rule.name);
    if (!parser.isSet(name)) continue;
    read.set |= 1u << int(rule.option);
    for (const QString& value : parser.values(name))
      read.values.emplace_back(rule.option, Utf8(value));
  }
  read.positional = Words(QStringList{{}} + parser.positionalArguments());
  if (read.IsSet(Option::kHelp)) helpText = Utf8(parser.helpText());
  return read;
}

std::string OptionsHelp(std::span<const OptionRule> rules) {
  QCommandLineParser parser;
  AddOptions(parser, rules);
  const QString text = parser.helpText();
  return Utf8(text.mid(text.indexOf("  --")));
}

}  // namespace fretwise::cli
