#include "cli/finder_run.h"

#include <iostream>

#include "cli/batch.h"
#include "cli/chord_boxes.h"
#include "cli/chord_options.h"
#include "cli/finder_report.h"
#include "cli/one_line.h"
#include "cli/song_file.h"
#include "cli/user_text.h"

namespace fretwise::cli {
namespace {

constexpr const char* kNoVoicing = "No playable voicing.";

// The sheet, from the symbols or the song; the file is written whole or not at all.
int WriteSheet(ImageModule& images, const FinderQuery& query) {
  std::optional<chordpro::Song> song;
  if (!query.sheet.songPath.empty()) {
    std::string error;
    const std::optional<std::string> text = ReadSongFile(query.sheet.songPath, error);
    if (!text) {
      ReportError(error);
      return 1;
    }
    song = chordpro::ReadSong(*text);
  }
  const std::vector<chordbox::ChordBox> boxes = SheetBoxes(query, song ? &*song : nullptr);
  SheetOptions options;
  options.title = query.sheet.title.value_or(song ? song->title : std::string());
  options.paper = query.sheet.paper;
  const ImageResult result =
      images.WriteSheet(ToQString(query.sheet.path), query.sheet.format, boxes, options);
  if (result.written) return 0;
  ReportError(result.error);
  return 1;
}

// The first voicing's box, or the first --max N in a grid, into every image asked for; a chord
// without a voicing is drawn as an empty box under its name. A failure gives one line for all the
// images that failed.
int WriteBoxImages(ImageModule& images, FinderQuery query) {
  query.max = query.max.value_or(1);
  const Listed listed = ListVoicings(query);
  std::vector<chordbox::ChordBox> boxes = BoxesOf(listed, query);
  if (boxes.empty()) boxes.push_back(EmptyBox(listed.name, query));
  std::string errors;
  for (int f = 0; f < int(query.images.size()); ++f) {
    if (query.images[f].empty()) continue;
    const ImageResult result = images.WriteBoxes(ToQString(query.images[f]), ImageFormat(f), boxes);
    if (!result.written) errors += (errors.empty() ? "" : "; ") + result.error;
  }
  if (!errors.empty()) {
    ReportError(errors);
    return 1;
  }
  // As the window's drawing says its message, after the file.
  if (listed.voicings.empty()) std::cerr << kNoVoicing << "\n";
  return 0;
}

void WriteDefineLines(Output& out, const FinderQuery& query) {
  const Listed listed = ListVoicings(query);
  for (const chordbox::ChordBox& box : BoxesOf(listed, query)) {
    out.Append(chordpro::DefineLine(box));
    out.Put('\n');
  }
  if (listed.voicings.empty()) out.Append(std::string(kNoVoicing) + "\n");
}

// The first voicing, as the list just written shows it; the list goes out before it sounds.
int PlayFirst(const FinderQuery& query, Output& out) {
  if (!out.Send()) return 1;
  FinderQuery first = query;
  first.max = 1;
  const Listed listed = ListVoicings(first);
  if (listed.voicings.empty()) return 0;
  std::string error;
  PlayModule* const player = LoadPlayModule(error);
  const int status = player
                         ? player->PlayVoicing(StringPitches(listed.voicings.front(), query.search),
                                               InstrumentOf(query), query.strum, error)
                         : kModuleError;
  if (!error.empty()) ReportError(error);
  return status;
}

}  // namespace

int RunFinder(const QStringList& arguments, ImageModule* images, Output& out) {
  const FinderOutcome parsed = ParseFinderQuery(arguments);
  if (parsed.help) {
    out.Append(parsed.helpText);
    return 0;
  }
  if (!parsed.options) {
    ReportError(parsed.error);
    return kUsageError;
  }
  const FinderQuery& query = *parsed.options;
  if (query.mode == FinderMode::kBatch) return RunBatch(out);
  if (query.mode == FinderMode::kSheet || query.WantsImage()) {
    if (!images) {
      ReportError("--png, --svg, --pdf and --sheet must be given as options of their own");
      return kUsageError;
    }
    return query.mode == FinderMode::kSheet ? WriteSheet(*images, query)
                                            : WriteBoxImages(*images, query);
  }
  // What is answered goes out even after a failure, so it may go out as it is written.
  const auto send = [&] { out.SendIfFull(); };
  if (query.chordPro) {
    WriteDefineLines(out, query);
  } else if (query.json) {
    JsonWriter json(out);
    WriteFinderJson(json, query, send);
    out.Put('\n');
  } else {
    WriteFinderText(out, query, send);
  }
  return query.play ? PlayFirst(query, out) : 0;
}

}  // namespace fretwise::cli
