#include "support/chord_collection.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace fretwise::test {
namespace {

// The collection's suffixes as chord symbols write them.
QString SymbolSuffix(const QString& suffix) {
  if (suffix == "major") return "";
  if (suffix == "minor") return "m";
  if (suffix == "alt") return "(b5)";  // its "alt" is the major triad with a flat fifth
  return suffix;
}

}  // namespace

std::vector<CollectionVoicing> LoadCollection() {
  QFile file(FRETWISE_TEST_DATA "/chords-db-guitar-dev.json");
  if (!file.open(QIODevice::ReadOnly)) return {};
  const QJsonObject chords = QJsonDocument::fromJson(file.readAll()).object()["chords"].toObject();
  std::vector<CollectionVoicing> all;
  for (const QJsonValue key : chords) {
    for (const QJsonValue chord : key.toArray()) {
      const QString symbol = chord["key"].toString() + SymbolSuffix(chord["suffix"].toString());
      for (const QJsonValue position : chord["positions"].toArray()) {
        CollectionVoicing v;
        v.symbol = symbol.toStdString();
        // Frets are counted from baseFret: 1 is baseFret itself.
        const int base = position["baseFret"].toInt();
        const QJsonArray frets = position["frets"].toArray();
        for (int s = 0; s < voicings::kStrings; ++s) {
          const int f = frets[s].toInt();
          v.frets[s] = f <= 0 ? f : f + base - 1;
        }
        for (const QJsonValue midi : position["midi"].toArray()) v.midis.push_back(midi.toInt());
        all.push_back(v);
      }
    }
  }
  return all;
}

}  // namespace fretwise::test
