#include "cli/finder_options.h"

#include <QCommandLineParser>

#include "cli/chord_options.h"
#include "pitch/pitch.h"

namespace fretwise::cli {
namespace {

constexpr const char* kModeNames[] = {"voicings", "chord", "name", "batch"};
constexpr const char* kOptionNames[] = {"voicings", "chord", "name", "batch", "span", "tuning"};

std::string Utf8(const QString& text) { return text.toStdString(); }

struct Options {
  QCommandLineOption voicings{"voicings", "Every playable voicing of exactly the NOTEs."};
  QCommandLineOption chord{"chord", "Every playable voicing of a chord symbol (Am7, C/E).",
                           "SYMBOL"};
  QCommandLineOption name{"name", "The names of the chord the NOTEs make, best first."};
  QCommandLineOption batch{"batch", "Reads one query per line from stdin; writes JSON Lines."};
  QCommandLineOption json{"json", "Writes one JSON object."};
  QCommandLineOption max{"max", "Lists at most N voicings (default: all).", "N"};
  QCommandLineOption span{"span", "Lets the fretted notes spread over N frets, 2 to 6 (default 4).",
                          "N"};
  QCommandLineOption tuning{
      "tuning",
      "standard, drop-d, or six pitches from string 6 to string 1 (\"C2 A2 D3 G3 B3 E4\").", "T"};
};

std::string ReadNumbers(const QCommandLineParser& parser, const Options& o, FinderQuery& query) {
  if (parser.isSet(o.max)) {
    std::string error;
    query.max = CountOfAtLeastOne(parser, o.max, error);
    if (!query.max) return error;
  }
  if (parser.isSet(o.span)) {
    const auto span = ParseCount(parser.value(o.span));
    if (!span || *span < voicings::kFewestSpan || *span > voicings::kMostSpan) {
      return "--span needs a whole number from 2 to 6, not " + Quoted(parser.value(o.span));
    }
    query.search.span = *span;
  }
  if (parser.isSet(o.tuning)) {
    const QByteArray text = parser.value(o.tuning).toUtf8();
    const auto tuning = voicings::ParseTuning(std::string_view(text.constData(), text.size()));
    if (!tuning) {
      return "--tuning needs standard, drop-d or six pitches from string 6 to string 1, not " +
             Quoted(parser.value(o.tuning));
    }
    query.search.tuning = *tuning;
  }
  return {};
}

std::string ReadNotes(const QStringList& notes, FinderQuery& query) {
  for (const QString& note : notes) {
    const QByteArray utf8 = note.toUtf8();
    const auto midi = ParsePitch(std::string_view(utf8.constData(), utf8.size()));
    if (!midi) {
      return "note " + Quoted(note) + " is not a pitch from C0 to B8 (like C4, F#3 or Bb2)";
    }
    query.pitches.push_back(*midi);
  }
  return {};
}

// The query's mode, or an error when there is none or more than one.
std::string ReadMode(const QCommandLineParser& parser, const Options& o, FinderQuery& query) {
  const QCommandLineOption* modes[] = {&o.voicings, &o.chord, &o.name, &o.batch};
  int count = 0;
  for (int m = 0; m < 4; ++m) {
    if (!parser.isSet(*modes[m])) continue;
    if (count++ > 0) {
      return std::string("--") + kModeNames[int(query.mode)] + " and --" + kModeNames[m] +
             " do not go together";
    }
    query.mode = FinderMode(m);
  }
  if (count == 0) {
    return parser.isSet(o.span) ? "--span needs --voicings or --chord"
                                : "--tuning needs --voicings or --chord";
  }
  return {};
}

std::string Check(const QCommandLineParser& parser, const Options& o, FinderQuery& query) {
  if (auto error = ReadMode(parser, o, query); !error.empty()) return error;
  if (auto error = ReadNumbers(parser, o, query); !error.empty()) return error;
  const QStringList notes = parser.positionalArguments();
  switch (query.mode) {
    case FinderMode::kBatch:
      if (!notes.isEmpty()) return "--batch reads its queries from stdin, not " + Quoted(notes[0]);
      return {};
    case FinderMode::kChord: {
      const QByteArray text = parser.value(o.chord).toUtf8();
      const auto chord = chords::ParseChordSymbol(std::string_view(text.constData(), text.size()));
      if (!chord) {
        return "chord " + Quoted(parser.value(o.chord)) +
               " is not a chord symbol (like C, F#m7, Bbmaj7 or Am7/G)";
      }
      if (!notes.isEmpty()) return "--chord takes no notes, not " + Quoted(notes[0]);
      query.chord = *chord;
      return {};
    }
    case FinderMode::kName:
      if (parser.isSet(o.span) || parser.isSet(o.tuning) || parser.isSet(o.max)) {
        return "--name takes no --span, --tuning or --max";
      }
      [[fallthrough]];
    case FinderMode::kVoicings:
      if (notes.isEmpty()) return std::string("--") + kModeNames[int(query.mode)] + " needs notes";
      return ReadNotes(notes, query);
  }
  return {};
}

}  // namespace

bool IsFinderCall(const QStringList& arguments) {
  for (const QString& argument : arguments.mid(1)) {
    for (const char* name : kOptionNames) {
      for (const QString& dashes : {QString("--"), QString("-")}) {
        const QString option = dashes + name;
        if (argument == option || argument.startsWith(option + '=')) return true;
      }
    }
  }
  return false;
}

FinderOutcome ParseFinderQuery(const QStringList& arguments) {
  QCommandLineParser parser;
  parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
  const Options o;
  parser.addOptions({o.voicings, o.chord, o.name, o.batch, o.json, o.max, o.span, o.tuning});
  const QCommandLineOption help({"h", "help"}, "Shows this help.");
  parser.addOption(help);
  parser.addPositionalArgument("NOTE", "A pitch from C0 to B8.", "[NOTE...]");
  FinderOutcome outcome;
  if (!parser.parse(arguments)) {
    outcome.error = Utf8(parser.errorText());
    return outcome;
  }
  if (parser.isSet(help)) {
    outcome.helpText = Utf8(parser.helpText());
    return outcome;
  }
  FinderQuery query;
  query.json = parser.isSet(o.json);
  outcome.error = Check(parser, o, query);
  if (outcome.error.empty()) outcome.query = std::move(query);
  return outcome;
}

std::string FinderHelpText() {
  QCommandLineParser parser;
  const Options o;
  parser.addOptions({o.voicings, o.chord, o.name, o.batch, o.max, o.span, o.tuning});
  const QString text = parser.helpText();
  // Only the option lines: the usage line belongs to the tool's own help.
  return "\nChord finder (NOTEs from C0 to B8; --json and --max apply too):\n" +
         Utf8(text.mid(text.indexOf("  --voicings")));
}

}  // namespace fretwise::cli
