// The chord collection in tests/data: players' voicings with their names, five keys of twelve.
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
  voicings::Frets frets{};      // absolute, string 6 first
  std::vector<int> midis = {};  // the sounding pitches
};

inline std::vector<CollectionVoicing> LoadCollection() {
  QFile file(FRETWISE_TEST_DATA "/chords-db-guitar-dev.json");
  if (!file.open(QIODevice::ReadOnly)) return {};
  const QJsonObject chords = QJsonDocument::fromJson(file.readAll()).object()["chords"].toObject();
  std::vector<CollectionVoicing> all;
  for (const QJsonValue key : chords) {
    for (const QJsonValue chord : key.toArray()) {
      // The collection's suffixes as chord symbols write them; its "alt" is the major triad with
      // a flat fifth.
      const QString suffix = chord["suffix"].toString();
      const QString symbol = chord["key"].toString() + (suffix == "major"   ? ""
                                                        : suffix == "minor" ? "m"
                                                        : suffix == "alt"   ? "(b5)"
                                                                            : suffix);
      for (const QJsonValue position : chord["positions"].toArray()) {
        CollectionVoicing& v = all.emplace_back(CollectionVoicing{symbol.toStdString()});
        // Frets are counted from baseFret: 1 is baseFret itself.
        const int base = position["baseFret"].toInt();
        for (int s = 0; s < voicings::kStrings; ++s) {
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
