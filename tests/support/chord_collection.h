// The chord collections in tests/data: players' voicings with their names, five keys of twelve, for
// the guitar and for the ukulele.
#pragma once

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <string>
#include <vector>

#include "voicings/playability.h"

namespace fretwise::test {

struct CollectionVoicing {
  std::string symbol;           // key and suffix as a chord symbol ("C", "C#m7", "Ebm/B")
  voicings::Frets frets{};      // absolute, the highest-numbered string first
  std::vector<int> midis = {};  // the sounding pitches
};

// The collection's suffixes as chord symbols write them: its "alt" is the major triad with a flat
// fifth, its "b13b9" and "b13#9" the dominant seventh with those tones.
inline QString SymbolSuffix(const QString& suffix) {
  if (suffix == "major") return "";
  if (suffix == "minor") return "m";
  if (suffix == "alt") return "(b5)";
  if (suffix == "b13b9") return "7b9b13";
  if (suffix == "b13#9") return "7#5#9";
  return suffix;
}

inline std::vector<CollectionVoicing> LoadCollection(const char* name = "chords-db-guitar-dev.json",
                                                     int strings = 6) {
  QFile file(QString(FRETWISE_TEST_DATA "/") + name);
  if (!file.open(QIODevice::ReadOnly)) return {};
  const QJsonObject chords = QJsonDocument::fromJson(file.readAll()).object()["chords"].toObject();
  std::vector<CollectionVoicing> all;
  for (const QJsonValue key : chords) {
    for (const QJsonValue chord : key.toArray()) {
      const QString symbol = chord["key"].toString() + SymbolSuffix(chord["suffix"].toString());
      for (const QJsonValue position : chord["positions"].toArray()) {
        CollectionVoicing& v = all.emplace_back(CollectionVoicing{symbol.toStdString()});
        // Frets are counted from baseFret: 1 is baseFret itself.
        const int base = position["baseFret"].toInt();
        v.frets.fill(voicings::kMuted);
        for (int s = 0; s < strings; ++s) {
          const int f = position["frets"][s].toInt();
          v.frets[s] = f <= 0 ? f : f + base - 1;
        }
        for (const QJsonValue midi : position["midi"].toArray()) v.midis.push_back(midi.toInt());
      }
    }
  }
  return all;
}

}  // namespace fretwise::test
