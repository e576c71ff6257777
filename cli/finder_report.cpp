#include "cli/finder_report.h"

#include <QJsonArray>
#include <QJsonDocument>

#include "chords/chord_namer.h"
#include "pitch/pitch.h"

namespace fretwise::cli {
namespace {

using voicings::kMuted;
using voicings::Voicing;

QString Text(const std::string& text) { return QString::fromStdString(text); }

std::vector<Voicing> Search(const FinderQuery& query) {
  std::vector<Voicing> list = query.mode == FinderMode::kChord
                                  ? voicings::VoicingsOfChord(query.chord, query.search)
                                  : voicings::VoicingsOfPitches(query.pitches, query.search);
  if (query.max && int(list.size()) > *query.max) list.resize(*query.max);
  return list;
}

QJsonArray PitchNames(const std::vector<int>& midis) {
  QJsonArray names;
  for (int midi : midis) names.append(Text(PitchName(midi)));
  return names;
}

QJsonObject BarreJson(const voicings::Barre& b) {
  return {{"fret", b.fret}, {"strings", QJsonArray{b.fromString, b.toString}}};
}

QJsonObject VoicingJson(const Voicing& v, const voicings::Tuning& tuning) {
  QJsonArray frets, fingers, barres;
  const voicings::Frets numbers = voicings::FingerNumbers(v.frets, v.fingering);
  for (int s = 0; s < voicings::kStrings; ++s) {
    frets.append(v.frets[s]);
    fingers.append(numbers[s]);
  }
  for (int b = 0; b < v.fingering.barreCount; ++b) barres.append(BarreJson(v.fingering.barres[b]));
  const std::vector<int> pitches = voicings::Pitches(v.frets, tuning);
  QJsonArray names;
  for (const std::string& name : chords::NameChord(pitches)) names.append(Text(name));
  return {
      {"frets", frets},
      {"fingers", fingers},
      {"barre", barres.isEmpty() ? QJsonValue() : barres.first()},
      {"barres", barres},
      {"pitches", PitchNames(pitches)},
      {"name", names.isEmpty() ? QJsonValue() : names.first()},
      {"names", names},
      {"score", v.score},
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

// "x 3 2 0 1 0": frets, or fingers, string 6 first.
std::string Row(const voicings::Frets& frets, const voicings::Frets& shown) {
  std::string row;
  for (int s = 0; s < voicings::kStrings; ++s) {
    if (s > 0) row += ' ';
    row += frets[s] == kMuted ? "x" : std::to_string(shown[s]);
  }
  return row;
}

std::string VoicingLine(int rank, const Voicing& v, const voicings::Tuning& tuning) {
  std::string line = std::to_string(rank) + ": " + Row(v.frets, v.frets) + "  fingers " +
                     Row(v.frets, voicings::FingerNumbers(v.frets, v.fingering));
  for (int b = 0; b < v.fingering.barreCount; ++b) {
    const voicings::Barre& barre = v.fingering.barres[b];
    line += " barre " + std::to_string(barre.fret) + " (" + std::to_string(barre.fromString) + "-" +
            std::to_string(barre.toString) + ")";
  }
  const std::vector<int> pitches = voicings::Pitches(v.frets, tuning);
  const auto names = chords::NameChord(pitches);
  line += "  " + (names.empty() ? std::string("-") : names.front()) + " ";
  for (int midi : pitches) line += " " + PitchName(midi);
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
  for (const Voicing& v : Search(query)) list.append(VoicingJson(v, query.search.tuning));
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
  for (const Voicing& v : Search(query)) out += VoicingLine(++rank, v, query.search.tuning);
  if (rank == 0) out = "No playable voicing.\n";
  return out;
}

}  // namespace fretwise::cli
