#include "cli/finder_options.h"

#include <QFileInfo>

#include "cli/chord_options.h"
#include "cli/command_line.h"
#include "cli/user_text.h"
#include "pitch/pitch.h"

namespace fretwise::cli {
namespace {

constexpr Usage kUsage = {"", "A pitch from C0 to B8."};
constexpr const char* kModeNames[] = {"voicings", "chord", "name", "batch", "sheet"};
constexpr Option kModeOptions[] = {Option::kVoicings, Option::kChord, Option::kName, Option::kBatch,
                                   Option::kSheet};

constexpr unsigned Bit(FinderMode mode) { return 1u << int(mode); }
constexpr unsigned kListed = Bit(FinderMode::kVoicings) | Bit(FinderMode::kChord);
constexpr unsigned kSearched = kListed | Bit(FinderMode::kSheet);
constexpr std::string_view kListedNeeds = "--voicings or --chord";
constexpr std::string_view kSearchedNeeds = "--voicings, --chord or --sheet";

// The modes each option goes with, and what to say when it comes without any. An option not
// listed goes with every mode.
struct Fit {
  Option option;
  unsigned modes;
  std::string_view needs;
};
constexpr Fit kFits[] = {
    {Option::kSpan, kSearched, kSearchedNeeds},
    {Option::kTuning, kSearched, kSearchedNeeds},
    {Option::kFrets, kSearched, kSearchedNeeds},
    {Option::kCapo, kSearched, kSearchedNeeds},
    {Option::kPosition, kSearched, kSearchedNeeds},
    {Option::kLeftHanded, kSearched, kSearchedNeeds},
    {Option::kSong, Bit(FinderMode::kSheet), "--sheet"},
    {Option::kPage, Bit(FinderMode::kSheet), "--sheet"},
    {Option::kTitle, Bit(FinderMode::kSheet), "--sheet"},
    {Option::kChordPro, kListed, kListedNeeds},
    {Option::kStrum, kListed, kListedNeeds},
    {Option::kStrumUp, kListed, kListedNeeds},
    {Option::kPng, kListed, {}},
    {Option::kSvg, kListed, {}},
    {Option::kPdf, kListed, {}},
    {Option::kPlay, kListed, {}},
    {Option::kMax, kListed | Bit(FinderMode::kBatch), {}},
    {Option::kJson, ~Bit(FinderMode::kSheet), {}},
    {Option::kCandidate, 0, {}},
    {Option::kSlots, 0, {}},
};

std::string Dashed(Option option) {
  for (const OptionRule& rule : kFinderOptions) {
    if (rule.option == option) return "--" + std::string(rule.name);
  }
  return {};
}

std::string NotASymbol(std::string_view text) {
  return "chord " + Quoted(text) + " is not a chord symbol (like C, F#m7, Bbmaj7 or Am7/G)";
}

// The query's mode, or an error when there is none or more than one, or when an option given does
// not go with it.
std::string ReadMode(const Arguments& arguments, FinderQuery& query) {
  int count = 0;
  for (int m = 0; m < int(std::size(kModeOptions)); ++m) {
    if (!arguments.IsSet(kModeOptions[m])) continue;
    if (count++ > 0) {
      return std::string("--") + kModeNames[int(query.mode)] + " and --" + kModeNames[m] +
             " do not go together";
    }
    query.mode = FinderMode(m);
  }
  for (const Fit& fit : kFits) {
    if (!arguments.IsSet(fit.option)) continue;
    if (count == 0 && !fit.needs.empty())
      return Dashed(fit.option) + " needs " + std::string(fit.needs);
    if (count > 0 && !(fit.modes & Bit(query.mode))) {
      return Dashed(fit.option) + " does not go with --" + kModeNames[int(query.mode)];
    }
  }
  return {};
}

std::string ReadNumbers(const Arguments& arguments, FinderQuery& query) {
  std::string error;
  if (arguments.IsSet(Option::kMax)) {
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
    query.tuningName = arguments.Value(Option::kTuning);
    const auto tuning = voicings::ParseTuning(query.tuningName);
    if (!tuning) {
      return "--tuning needs a preset or 3 to 8 pitches from C0 to B8, the highest-numbered "
             "string first, not " +
             Quoted(query.tuningName);
    }
    query.search.tuning = tuning->tuning;
    query.search.frets = tuning->frets;
  }
  // The neck's frets, the capo's and the position: whole numbers within their bounds.
  struct Bounded {
    Option option;
    int least, most;
    int& into;
  };
  const Bounded bounded[] = {
      {Option::kFrets, voicings::kFewestFrets, voicings::kMostFrets, query.search.frets},
      {Option::kCapo, 1, voicings::kHighestCapo, query.search.capo},
      {Option::kPosition, 0, voicings::kMostFrets, query.search.position}};
  for (const Bounded& b : bounded) {
    if (!arguments.IsSet(b.option)) continue;
    const std::string_view text = arguments.Value(b.option);
    const auto number = ParseCount(text);
    if (!number || *number < b.least || *number > b.most) {
      return Dashed(b.option) + " needs a whole number from " + std::to_string(b.least) + " to " +
             std::to_string(b.most) + ", not " + Quoted(text);
    }
    b.into = *number;
  }
  if (arguments.IsSet(Option::kStrum)) {
    const std::string_view text = arguments.Value(Option::kStrum);
    const auto between = ParseCount(text);
    if (!between || *between > playback::kSlowestStrum.count()) {
      return "--strum needs a whole number of milliseconds from 0 to 100, not " + Quoted(text);
    }
    query.strum.between = std::chrono::milliseconds(*between);
  }
  return {};
}

// The voicings' files and sound: images only, ChordPro lines or the list, then perhaps a play.
std::string ReadOutputs(const Arguments& arguments, FinderQuery& query) {
  constexpr Option kImages[] = {Option::kPng, Option::kSvg, Option::kPdf};
  for (int f = 0; f < 3; ++f) {
    query.images[f] = arguments.Value(kImages[f]);
    if (arguments.IsSet(kImages[f]) && query.images[f].empty()) {
      return "--png, --svg and --pdf need a file name";
    }
  }
  query.leftHanded = arguments.IsSet(Option::kLeftHanded);
  query.chordPro = arguments.IsSet(Option::kChordPro);
  query.play = arguments.IsSet(Option::kPlay);
  if (query.WantsImage()) {
    for (const Option option : {Option::kJson, Option::kChordPro, Option::kPlay}) {
      if (arguments.IsSet(option))
        return Dashed(option) + " does not go with --png, --svg or --pdf";
    }
  }
  if (query.chordPro && query.json) return "--json does not go with --chordpro";
  for (const Option option : {Option::kStrum, Option::kStrumUp}) {
    if (arguments.IsSet(option) && !query.play) return Dashed(option) + " needs --play";
  }
  if (arguments.IsSet(Option::kStrumUp)) query.strum.stroke = playback::Stroke::kUp;
  return {};
}

// The sheet's file, paper and chords: symbols on the command line or a song.
std::string ReadSheet(const Arguments& arguments, SheetQuery& sheet) {
  sheet.path = arguments.Value(Option::kSheet);
  if (sheet.path.empty()) return "--sheet needs a file name";
  const std::string suffix = Utf8(QFileInfo(ToQString(sheet.path)).suffix().toLower());
  if (sheet.path == "-" || suffix == "pdf") {
    sheet.format = ImageFormat::kPdf;
  } else if (suffix == "svg" || suffix == "png") {
    sheet.format = suffix == "svg" ? ImageFormat::kSvg : ImageFormat::kPng;
  } else {
    return "--sheet needs a file ending in .pdf, .svg or .png, not " + Quoted(sheet.path);
  }
  if (arguments.IsSet(Option::kTitle)) sheet.title = arguments.Value(Option::kTitle);
  if (arguments.IsSet(Option::kPage)) {
    const std::string page = Utf8(ToQString(arguments.Value(Option::kPage)).toLower());
    if (page != "a4" && page != "letter") {
      return "--page needs a4 or letter, not " + Quoted(arguments.Value(Option::kPage));
    }
    sheet.paper = page == "a4" ? chordbox::Paper::kA4 : chordbox::Paper::kLetter;
  }
  const std::vector<std::string>& symbols = arguments.positional;
  if (arguments.IsSet(Option::kSong)) {
    sheet.songPath = arguments.Value(Option::kSong);
    if (sheet.songPath.empty()) return "--song needs a file name";
    if (!symbols.empty()) return "--song takes no chord symbols, not " + Quoted(symbols[0]);
    return {};
  }
  if (symbols.empty()) return "--sheet needs chord symbols or --song";
  for (const std::string& symbol : symbols) {
    if (!chords::ParseChordSymbol(symbol)) return NotASymbol(symbol);
  }
  sheet.symbols = symbols;
  return {};
}

std::string ReadNotes(const std::vector<std::string>& notes, FinderQuery& query) {
  if (auto error = TooManyNotes(notes.size()); !error.empty()) return error;
  query.pitches.reserve(notes.size());
  for (const std::string& note : notes) {
    const auto midi = ParsePitch(note);
    if (!midi)
      return "note " + Quoted(note) + " is not a pitch from C0 to B8 (like C4, F#3 or Bb2)";
    query.pitches.push_back(*midi);
  }
  return {};
}

// Fills the query from arguments that could be read, or says what is wrong with them.
std::string Check(const Arguments& arguments, FinderQuery& query) {
  query.json = arguments.IsSet(Option::kJson);
  if (auto error = ReadMode(arguments, query); !error.empty()) return error;
  if (auto error = ReadNumbers(arguments, query); !error.empty()) return error;
  if (auto error = ReadOutputs(arguments, query); !error.empty()) return error;
  const std::vector<std::string>& notes = arguments.positional;
  switch (query.mode) {
    case FinderMode::kBatch:
      if (!notes.empty()) return "--batch reads its queries from stdin, not " + Quoted(notes[0]);
      return {};
    case FinderMode::kSheet:
      return ReadSheet(arguments, query.sheet);
    case FinderMode::kChord: {
      const std::string_view text = arguments.Value(Option::kChord);
      const auto chord = chords::ParseChordSymbol(text);
      if (!chord) return NotASymbol(text);
      if (!notes.empty()) return "--chord takes no notes, not " + Quoted(notes[0]);
      query.chord = *chord;
      query.chordName = text;
      return {};
    }
    case FinderMode::kName:
    case FinderMode::kVoicings:
      if (notes.empty()) return std::string("--") + kModeNames[int(query.mode)] + " needs notes";
      return ReadNotes(notes, query);
  }
  return {};
}

}  // namespace

bool FinderQuery::WantsImage() const {
  return !images[0].empty() || !images[1].empty() || !images[2].empty();
}

FinderOutcome ParseFinderQuery(const QStringList& arguments) {
  return ReadCommandLine(arguments, kFinderOptions, kUsage, Check);
}

FinderOutcome CheckFinderQuery(const Arguments& arguments) { return Checked(arguments, Check); }

std::string FinderHelpText() {
  // The tool's own help already lists --json, --help, the images and --play.
  std::vector<OptionRule> listed;
  for (const OptionRule& rule : kFinderOptions) {
    if (rule.option != Option::kJson && rule.option != Option::kHelp && !rule.description.empty())
      listed.push_back(rule);
  }
  return "\nChord finder (NOTEs from C0 to B8; --json and --max apply too):\n" +
         OptionsHelp(listed) +
         "\nWith --chord or --voicings, --png, --svg and --pdf draw the first voicing's chord\n"
         "box (the first N in a grid with --max N), and --play plays it, by default as a\n"
         "light downstroke.\n";
}

}  // namespace fretwise::cli
