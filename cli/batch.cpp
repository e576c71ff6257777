#include "cli/batch.h"

#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <new>

#include "cli/chord_options.h"
#include "cli/finder_options.h"
#include "cli/finder_report.h"
#include "cli/line_reader.h"
#include "cli/one_line.h"
#include "cli/report.h"
#include "cli/user_text.h"

namespace fretwise::cli {
namespace {

void ErrorLine(Output& out, std::string_view error) {
  JsonWriter json(out);
  json.StartObject();
  json.Member("error", error);
  json.EndObject();
}

// The words and arguments of the line being answered, kept from line to line for their memory.
struct LineWords {
  std::vector<std::string> words;
  Arguments arguments;
};

// A line of notes for the window's search, answered as its --json does.
void AnswerWindow(const Arguments& arguments, Output& out) {
  const ParseOutcome parsed = CheckChordOptions(arguments);
  if (parsed.help) return ErrorLine(out, "--help is not a query");
  if (!parsed.options) return ErrorLine(out, parsed.error);
  const ChordOptions& options = *parsed.options;
  if (options.WantsImage() || options.play) {
    return ErrorLine(out, "--batch writes no images and plays nothing");
  }
  JsonWriter json(out);
  WriteJsonReport(json, options.ticks, ListCandidates(options.ticks, options.CandidatesToList()));
}

void AnswerFinder(const Arguments& arguments, Output& out) {
  const FinderOutcome parsed = CheckFinderQuery(arguments);
  if (parsed.help) return ErrorLine(out, "--help is not a query");
  if (!parsed.options) return ErrorLine(out, parsed.error);
  const FinderQuery& query = *parsed.options;
  if (query.mode == FinderMode::kBatch) return ErrorLine(out, "--batch does not nest");
  if (query.mode == FinderMode::kSheet || query.WantsImage() || query.chordPro || query.play) {
    return ErrorLine(out,
                     "--batch writes only JSON: no images, sheets or ChordPro, and plays nothing");
  }
  JsonWriter json(out);
  WriteFinderJson(json, query);
}

void Answer(std::string_view line, LineWords& kept, Output& out) {
  std::string repaired;
  SplitWords(ValidUtf8(line, repaired), kept.words);
  if (kept.words.empty()) return ErrorLine(out, "an empty line is not a query");
  if (IsFinderCall(kept.words)) {
    ReadArguments(kept.words, kFinderOptions, kept.arguments);
    return AnswerFinder(kept.arguments, out);
  }
  ReadArguments(kept.words, kWindowOptions, kept.arguments);
  AnswerWindow(kept.arguments, out);
}

// The answer, or an error in its place when the query fails for want of memory or otherwise: the
// next line is answered all the same.
void AnswerOrFail(std::string_view line, LineWords& kept, Output& out) {
  const std::size_t start = out.Mark();
  try {
    Answer(line, kept, out);
  } catch (const std::bad_alloc&) {
    out.Truncate(start);
    ErrorLine(out, "not enough memory to answer this line");
  } catch (const std::exception& failure) {
    out.Truncate(start);
    ErrorLine(out, std::string("cannot answer this line: ") + failure.what());
  }
  out.Put('\n');
}

}  // namespace

int RunBatch(Output& out) {
  LineReader reader(STDIN_FILENO, kLongestLine);
  LineWords kept;
  std::string_view line;
  for (;;) {
    // A script may wait for each answer before it sends the next line: whatever is answered goes
    // out before the reader waits for more.
    const LineReader::Result read = reader.Next(line, [&] { out.Send(); });
    if (out.Failed()) return 1;
    if (read == LineReader::kEnd) return 0;
    if (read == LineReader::kFailed) {
      ReportError("cannot read standard input: " + std::string(std::strerror(reader.error())));
      return 1;
    }
    if (read == LineReader::kTooLong) {
      ErrorLine(out, "a line longer than " + std::to_string(kLongestLine) +
                         " bytes is not a query; it is skipped");
      out.Put('\n');
    } else {
      AnswerOrFail(line, kept, out);
    }
    if (!out.SendIfFull()) return 1;
  }
}

}  // namespace fretwise::cli
