#include "voicings/ranking.h"

#include <algorithm>

#include "pitch/pitch.h"

namespace fretwise::voicings {

Traits TraitsOf(const Frets& frets, const Fingering& fingering, const Tuning& tuning, int root) {
  Traits t;
  t.fingers = fingering.count;
  t.barres = fingering.barreCount;
  int lowest = kMostFrets + 1, bass = kSilence, first = -1, last = -1;
  for (int s = 0; s < tuning.size(); ++s) {
    const int f = frets[s];
    if (f == kMuted) {
      ++t.silent;
      continue;
    }
    if (first < 0) first = s;
    last = s;
    bass = std::min(bass, tuning[s] + f);
    if (f == 0) ++t.open;
    if (f > 0) lowest = std::min(lowest, f), t.highest = std::max(t.highest, f);
  }
  for (int s = first + 1; s < last; ++s) {
    if (frets[s] != kMuted) continue;
    ++t.innerMutes;
    int before = s - 1, after = s + 1;
    while (frets[before] == kMuted) --before;
    while (frets[after] == kMuted) ++after;
    t.undamped += frets[before] == 0 && frets[after] == 0;
  }
  if (t.highest > 0) t.stretch = t.highest - lowest, t.position = lowest;
  int firstLowest = -1, lastLowest = -1, firstFretted = -1, lastFretted = -1;
  for (int s = 0; s < tuning.size(); ++s) {
    if (frets[s] == lowest) lastLowest = s, firstLowest = firstLowest < 0 ? s : firstLowest;
    if (frets[s] > 0) lastFretted = s, firstFretted = firstFretted < 0 ? s : firstFretted;
  }
  bool open = false, higher = false, openInside = false;
  for (int s = firstLowest + 1; s < lastLowest; ++s)
    open = open || frets[s] == 0, higher = higher || frets[s] > lowest;
  for (int s = firstFretted + 1; s < lastFretted; ++s) openInside = openInside || frets[s] == 0;
  bool barreAtLowest = false;
  for (int b = 0; b < fingering.barreCount; ++b) {
    const Barre& barre = fingering.barres[b];
    barreAtLowest = barreAtLowest || barre.fret == lowest;
    t.highBarres += barre.fret != lowest && barre.fromString - barre.toString >= 3;
  }
  t.splitLowest = open && (higher || barreAtLowest);
  // An index across the lowest fret frees a finger (x 3 3 0 1 1).
  t.archedOpen = t.fingers == kMostFingers && t.stretch >= 2 && openInside &&
                 !IndexAcross(frets, tuning.size(), lowest);
  t.bassNotRoot = root >= 0 && PitchClass(bass) != root;
  return t;
}

}  // namespace fretwise::voicings
