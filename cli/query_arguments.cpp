#include "cli/query_arguments.h"

#include <QChar>
#include <algorithm>

#include "cli/user_text.h"

namespace fretwise::cli {
namespace {

constexpr std::string_view kFinderOptionNames[] = {
    "voicings", "chord",       "name",     "batch", "sheet",    "song",  "page", "title",   "span",
    "tuning",   "left-handed", "chordpro", "strum", "strum-up", "frets", "capo", "position"};

// The option's name in "--name=value" or "-name", or nothing for a word that is no option.
std::optional<std::string_view> OptionName(std::string_view word) {
  if (word.starts_with("--")) {
    word.remove_prefix(2);
  } else if (word.starts_with('-')) {
    word.remove_prefix(1);
  } else {
    return std::nullopt;
  }
  return word.substr(0, word.find('='));
}

// The code point that starts at text[i], which is not ASCII, and its length.
std::pair<char32_t, std::size_t> DecodeUtf8(std::string_view text, std::size_t i) {
  const auto lead = static_cast<unsigned char>(text[i]);
  const std::size_t length = lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : 2;
  char32_t code = lead & (0x3F >> (length - 1));
  for (std::size_t k = 1; k < length && i + k < text.size(); ++k) {
    code = code << 6 | (static_cast<unsigned char>(text[i + k]) & 0x3F);
  }
  return {code, length};
}

const OptionRule* FindRule(std::span<const OptionRule> rules, std::string_view name) {
  const auto rule = std::find_if(rules.begin(), rules.end(), [&](const OptionRule& r) {
    return r.name == name || (!r.shortName.empty() && r.shortName == name);
  });
  return rule == rules.end() ? nullptr : &*rule;
}

}  // namespace

// clang-format off
const std::array<OptionRule, 9> kWindowOptions = {{
  {Option::kHelp, "help", "h", "", "Shows this help."},
  {Option::kPng, "png", "", "FILE",
   "Writes the view's drawing as an 800x480 PNG (- for standard output) instead of the report; "
   "not with --json, --max or --play."},
  {Option::kSvg, "svg", "", "FILE", "Writes the same drawing as SVG (- likewise)."},
  {Option::kPdf, "pdf", "", "FILE", "Writes the same drawing as a one-page PDF (- likewise)."},
  {Option::kCandidate, "candidate", "", "N", "Draws the Nth candidate in the image (default 1)."},
  {Option::kJson, "json", "", "", "Writes one JSON object for scripts."},
  {Option::kMax, "max", "", "N", "Stops after N candidates."},
  {Option::kSlots, "slots", "", "K,K,...", "Ticks the panel slots K (0-63) instead of naming notes."},
  {Option::kPlay, "play", "", "",
   "Then plays the first candidate's chord from the sound files in ./wav/, as the play\n"
   "button does, and waits until it has sounded."},
}};

const std::array<OptionRule, 26> kFinderOptions = {{
  {Option::kVoicings, "voicings", "", "", "Every playable voicing of exactly the NOTEs."},
  {Option::kChord, "chord", "", "SYMBOL", "Every playable voicing of a chord symbol (Am7, C/E)."},
  {Option::kName, "name", "", "", "The names of the chord the NOTEs make, best first."},
  {Option::kBatch, "batch", "", "", "Reads one query per line from stdin; writes JSON Lines."},
  {Option::kSheet, "sheet", "", "FILE",
   "A chord sheet of the chord symbols given as arguments, one box each in order: .pdf, .svg "
   "or .png (- for a PDF on standard output)."},
  {Option::kSong, "song", "", "FILE",
   "With --sheet: every chord of a ChordPro song once, in order of first use, under its title."},
  {Option::kPage, "page", "", "SIZE", "The sheet's PDF pages: a4 (default) or letter."},
  {Option::kTitle, "title", "", "TEXT", "The sheet's title (default: the song's)."},
  {Option::kJson, "json", "", "", "Writes one JSON object."},
  {Option::kMax, "max", "", "N", "Lists at most N voicings (default: all)."},
  {Option::kSpan, "span", "", "N", "Lets the fretted notes spread over N frets, 2 to 6 (default 4)."},
  {Option::kTuning, "tuning", "", "T",
   "A preset (standard, drop-d, dadgad, open-g, open-d, seven-string, bass, bass5, ukulele, "
   "baritone-ukulele, mandolin) or 3 to 8 pitches from the highest-numbered string to string 1 "
   "(\"C2 A2 D3 G3 B3 E4\", \"G4 C4 E4 A4\")."},
  {Option::kFrets, "frets", "", "N",
   "The neck's frets, 12 to 24 (default 22; 15 for the ukuleles, 20 for mandolin and bass)."},
  {Option::kCapo, "capo", "", "N",
   "A capo at fret N, 1 to 12: frets are counted from it, each voicing named with its shape."},
  {Option::kPosition, "position", "", "F",
   "Only the voicings whose lowest fretted note lies within the span from fret F."},
  {Option::kLeftHanded, "left-handed", "", "", "Draws the boxes mirrored, string 6 on the right."},
  {Option::kChordPro, "chordpro", "", "",
   "Writes the voicings as ChordPro {define} lines instead of the list."},
  {Option::kStrum, "strum", "", "MS",
   "With --play: MS milliseconds from one string to the next, 0 to 100 (default 15)."},
  {Option::kStrumUp, "strum-up", "", "", "With --play: an upstroke, string 1 first."},
  {Option::kHelp, "help", "h", "", "Shows this help."},
  {Option::kPng, "png", "", "FILE", ""},
  {Option::kSvg, "svg", "", "FILE", ""},
  {Option::kPdf, "pdf", "", "FILE", ""},
  {Option::kPlay, "play", "", "", ""},
  {Option::kCandidate, "candidate", "", "N", ""},
  {Option::kSlots, "slots", "", "K,K,...", ""},
}};
// clang-format on

std::string_view Arguments::Value(Option option) const {
  for (auto value = values.rbegin(); value != values.rend(); ++value) {
    if (value->first == option) return value->second;
  }
  return {};
}

bool IsFinderCall(std::span<const std::string> words) {
  return std::any_of(words.begin(), words.end(), [](const std::string& word) {
    const auto name = OptionName(word);
    return name && std::find(std::begin(kFinderOptionNames), std::end(kFinderOptionNames), *name) !=
                       std::end(kFinderOptionNames);
  });
}

void SplitWords(std::string_view line, std::vector<std::string>& words) {
  words.clear();
  // Most lines are plain ASCII words: split at white space without reading quotes.
  const bool plain = std::none_of(line.begin(), line.end(), [](char c) {
    return c == '"' || static_cast<unsigned char>(c) >= 0x80;
  });
  if (plain) {
    constexpr std::string_view kSpace = " \t\n\v\f\r";
    for (std::size_t start = line.find_first_not_of(kSpace); start != std::string_view::npos;) {
      const std::size_t end = std::min(line.find_first_of(kSpace, start), line.size());
      words.emplace_back(line.substr(start, end - start));
      start = line.find_first_not_of(kSpace, end);
    }
    return;
  }
  std::string word;
  int quotes = 0;  // double quotes in a row just read
  bool quoted = false;
  std::size_t run = 0;  // where the part of the word not yet in `word` starts
  for (std::size_t i = 0; i < line.size();) {
    if (line[i] == '"') {
      word.append(line.substr(run, i - run));
      if (++quotes == 3) quotes = 0, word += '"';
      run = ++i;
      continue;
    }
    if (quotes == 1) quoted = !quoted;
    quotes = 0;
    std::size_t length = 1;
    bool space = line[i] == ' ' || (line[i] >= '\t' && line[i] <= '\r');
    if (static_cast<unsigned char>(line[i]) >= 0x80) {
      const auto [code, bytes] = DecodeUtf8(line, i);
      space = QChar::isSpace(code), length = bytes;
    }
    if (space && !quoted) {
      word.append(line.substr(run, i - run));
      if (!word.empty()) words.push_back(std::move(word)), word.clear();
      run = i + length;
    }
    i += length;
  }
  word.append(line.substr(run));
  if (!word.empty()) words.push_back(std::move(word));
}

void ReadArguments(std::vector<std::string>& words, std::span<const OptionRule> rules,
                   Arguments& into) {
  into.set = 0;
  into.values.clear();
  into.positional.clear();
  into.error.clear();
  std::vector<std::string> unknown;
  std::string valueError;  // the last one, as the parser keeps it
  bool positionalOnly = false;
  for (auto word = words.begin(); word != words.end(); ++word) {
    if (positionalOnly || *word == "-" || !word->starts_with('-')) {
      into.positional.push_back(std::move(*word));
      continue;
    }
    if (*word == "--") {
      positionalOnly = true;
      continue;
    }
    const std::string_view name = *OptionName(*word);
    const OptionRule* rule = FindRule(rules, name);
    if (!rule) {
      unknown.emplace_back(name);
      continue;
    }
    into.set |= 1u << int(rule->option);
    const auto assign = word->find('=');
    if (rule->valueName.empty()) {
      if (assign != std::string::npos) {
        valueError = "Unexpected value after '" + word->substr(0, assign) + "'.";
      }
    } else if (assign != std::string::npos) {
      into.values.emplace_back(rule->option, word->substr(assign + 1));
    } else if (word + 1 == words.end()) {
      valueError = "Missing value after '" + *word + "'.";
    } else {
      ++word;
      into.values.emplace_back(rule->option, std::move(*word));
    }
  }
  into.error = !valueError.empty() ? valueError : UnknownOptionsText(unknown);
}

std::string UnknownOptionsText(std::span<const std::string> names) {
  if (names.empty()) return {};
  if (names.size() == 1) return "Unknown option " + Quoted(names[0]) + ".";
  std::string text = "Unknown options: ";
  for (const std::string& name : names) {
    if (&name != &names[0]) text += ", ";
    text += Shortened(name);
  }
  return text + ".";
}

}  // namespace fretwise::cli
