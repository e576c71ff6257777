#include "cli/report.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include "chords/chord_namer.h"
#include "fingering/fret_table.h"
#include "notes/note_token.h"

namespace fretwise::cli {
namespace {

QString Utf8(std::string_view text) {
  return QString::fromUtf8(text.data(), qsizetype(text.size()));
}

// "x", "0" or the fret of one string cell; a tuned-down string 6 shows its fret in the new tuning.
std::string StringMark(const StringCell& cell) {
  return cell.used() ? std::to_string(cell.fret) : "x";
}

// The best name of the ticked notes, or nothing.
std::optional<std::string> ChordName(const TickSet& ticks) {
  std::vector<int> pitches;
  for (int slot : kScanOrder) {
    if (ticks.IsTicked(slot)) pitches.push_back(kLowestMidi + TokenCode(kSlots[slot].token));
  }
  const auto names = chords::NameChord(pitches);
  if (names.empty()) return std::nullopt;
  return names.front();
}

}  // namespace

std::string TextReport(const TickSet& ticks, const CandidateList& list) {
  std::string out = "Chord: " + ChordName(ticks).value_or("(none)") + "\n";
  int number = 0;
  for (const Candidate& c : list.candidates) {
    out += "Candidate " + std::to_string(++number) + ": frets " + std::to_string(c.windowStart) +
           "-" + std::to_string(c.windowStart + 4) + "\n";
    out += "  strings 6-1:";
    for (int s = kStringCount - 1; s >= 0; --s) out += " " + StringMark(c.cells[s]);
    out += "\n";
    if (c.tuning) out += std::string("  string 6 tuned down to ") + c.tuning + "\n";
    out += "  sound files:";
    for (const std::string& file : c.soundFiles) out += " " + file;
    out += "\n";
  }
  if (list.message) out += *list.message + "\n";
  return out;
}

std::string JsonReport(const TickSet& ticks, const CandidateList& list) {
  QJsonArray notes;
  for (int slot : kScanOrder) {
    if (!ticks.IsTicked(slot)) continue;
    const std::string_view token = kSlots[slot].token;
    notes.append(QJsonObject{
        {"slot", slot},
        {"token", Utf8(token)},
        {"pitch", Utf8(ScientificName(TokenCode(token)))},
    });
  }
  QJsonArray candidates;
  for (const Candidate& c : list.candidates) {
    QJsonArray cells;
    for (const StringCell& cell : c.cells) cells.append(Utf8(CellText(cell)));
    QJsonArray files;
    for (const std::string& file : c.soundFiles) files.append(Utf8(file));
    candidates.append(QJsonObject{
        {"window", QJsonArray{c.windowStart, c.windowStart + 4}},
        {"cells", cells},
        {"highestFret", c.highestFret},
        {"tuning", c.tuning ? QJsonValue(QString(QChar(c.tuning))) : QJsonValue()},
        {"soundFiles", files},
    });
  }
  const auto name = ChordName(ticks);
  const QJsonObject root{
      {"notes", notes},
      {"name", name ? QJsonValue(Utf8(*name)) : QJsonValue()},
      {"candidates", candidates},
      {"message", list.message ? QJsonValue(Utf8(*list.message)) : QJsonValue()},
  };
  return QJsonDocument(root).toJson(QJsonDocument::Compact).toStdString() + "\n";
}

}  // namespace fretwise::cli
