#include "cli/finder_report.h"

#include <QJsonArray>
#include <QJsonDocument>

#include "chords/chord_namer.h"
#include "pitch/pitch.h"
#include "voicings/answer.h"

namespace fretwise::cli {
namespace {

using voicings::Answer;
using voicings::kMuted;

QString Text(const std::string& text) { return QString::fromStdString(text); }

std::vector<Answer> Answers(const FinderQuery& query) {
  return query.mode == FinderMode::kChord
             ? voicings::AnswersOfChord(query.chord, query.search, query.max)
             : voicings::AnswersOfPitches(query.pitches, query.search, query.max);
}

QJsonArray PitchNames(const std::vector<int>& midis) {
  QJsonArray names;
  for (int midi : midis) names.append(Text(PitchName(midi)));
  return names;
}

QJsonArray Numbers(const std::vector<int>& numbers) {
  QJsonArray array;
  for (int n : numbers) array.append(n);
  return array;
}

QJsonObject BarreJson(const voicings::Barre& b) {
  return {{"fret", b.fret}, {"strings", QJsonArray{b.fromString, b.toString}}};
}

QJsonObject AnswerJson(const Answer& a) {
  QJsonArray barres, names;
  for (const voicings::Barre& b : a.barres) barres.append(BarreJson(b));
  for (const chords::ChordSymbol& name : a.names) names.append(Text(chords::SymbolText(name)));
  return {
      {"frets", Numbers(a.frets)},
      {"fingers", Numbers(a.fingers)},
      {"barre", barres.isEmpty() ? QJsonValue() : barres.first()},
      {"barres", barres},
      {"pitches", PitchNames(a.pitches)},
      {"name", names.isEmpty() ? QJsonValue() : names.first()},
      {"names", names},
      {"score", a.score},
  };
}

QJsonObject QueryJson(const FinderQuery& query) {
  QJsonObject json;
  if (query.mode == FinderMode::kChord) {
    json["chord"] = Text(chords::SymbolText(query.chord));
  } else {
    json["notes"] = PitchNames(query.pitches);
  }
  if (query.mode == FinderMode::kName) return json;
  json["span"] = query.search.span;
  json["max"] = query.max ? QJsonValue(*query.max) : QJsonValue();
  return json;
}

// "x 3 2 0 1 0": frets, or fingers, in the answer's string order.
std::string Row(const std::vector<int>& frets, const std::vector<int>& shown) {
  std::string row;
  for (std::size_t s = 0; s < frets.size(); ++s) {
    if (s > 0) row += ' ';
    row += frets[s] == kMuted ? "x" : std::to_string(shown[s]);
  }
  return row;
}

std::string AnswerLine(int rank, const Answer& a) {
  std::string line =
      std::to_string(rank) + ": " + Row(a.frets, a.frets) + "  fingers " + Row(a.frets, a.fingers);
  for (const voicings::Barre& barre : a.barres) {
    line += " barre " + std::to_string(barre.fret) + " (" + std::to_string(barre.fromString) + "-" +
            std::to_string(barre.toString) + ")";
  }
  line += "  " + (a.names.empty() ? std::string("-") : chords::SymbolText(a.names.front())) + " ";
  for (int midi : a.pitches) line += " " + PitchName(midi);
  return line + "\n";
}

}  // namespace

QJsonObject FinderJson(const FinderQuery& query) {
  if (query.mode == FinderMode::kName) {
    QJsonArray names;
    for (const std::string& name : chords::NameChord(query.pitches)) names.append(Text(name));
    return {{"query", QueryJson(query)}, {"names", names}};
  }
  QJsonArray tuning, list;
  for (int midi : query.search.tuning) tuning.append(Text(PitchName(midi)));
  for (const Answer& a : Answers(query)) list.append(AnswerJson(a));
  return {{"query", QueryJson(query)}, {"tuning", tuning}, {"voicings", list}};
}

std::string FinderOutput(const FinderQuery& query) {
  if (query.json) {
    return QJsonDocument(FinderJson(query)).toJson(QJsonDocument::Compact).toStdString() + "\n";
  }
  std::string out;
  if (query.mode == FinderMode::kName) {
    for (const std::string& name : chords::NameChord(query.pitches)) out += name + "\n";
    return out;
  }
  int rank = 0;
  for (const Answer& a : Answers(query)) out += AnswerLine(++rank, a);
  if (rank == 0) out = "No playable voicing.\n";
  return out;
}

}  // namespace fretwise::cli
