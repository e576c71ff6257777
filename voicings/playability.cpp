#include "voicings/playability.h"

#include <algorithm>
#include <vector>

namespace fretwise::voicings {
namespace {

struct Run {
  Barre barre;
  int saved;  // fingers saved: the strings it frets, less one
};

// The strings at `fret` grouped into runs that no open or lower-fretted string breaks; each run of
// two or more is a barre that saves fingers.
void AddRunsAt(const Frets& frets, int fret, std::vector<Run>& runs) {
  int first = -1, last = -1, count = 0;
  auto close = [&] {
    if (count > 1) runs.push_back({{fret, kStrings - first, kStrings - last}, count - 1});
    first = last = -1, count = 0;
  };
  for (int s = 0; s < kStrings; ++s) {
    const int f = frets[s];
    if (f == kMuted || f > fret) continue;
    if (f < fret) {
      close();
      continue;
    }
    if (first < 0) first = s;
    last = s, ++count;
  }
  close();
}

}  // namespace

int Fingering::BarreAt(int fret, int stringNumber) const {
  for (int i = 0; i < barreCount; ++i) {
    const Barre& b = barres[i];
    if (b.fret == fret && stringNumber <= b.fromString && stringNumber >= b.toString) return i;
  }
  return -1;
}

std::optional<Fingering> Finger(const Frets& frets, int span) {
  int sounding = 0, fretted = 0, lowest = kHighestFret + 1, highest = 0;
  for (int f : frets) {
    if (f == kMuted) continue;
    ++sounding;
    if (f == 0) continue;
    ++fretted, lowest = std::min(lowest, f), highest = std::max(highest, f);
  }
  if (sounding < 2 || (fretted > 0 && highest - lowest >= span)) return std::nullopt;

  Fingering fingering;
  fingering.count = fretted;
  if (fretted > kMostFingers) {
    std::vector<Run> runs;
    for (int fret = lowest; fret <= highest; ++fret) AddRunsAt(frets, fret, runs);
    for (const Run& run : runs) {
      if (fingering.count <= kMostFingers) break;
      fingering.barres[fingering.barreCount++] = run.barre;
      fingering.count -= run.saved;
    }
    if (fingering.count > kMostFingers) return std::nullopt;
    // Lowest fret first; three at most, so a plain exchange sort.
    for (int i = 0; i < fingering.barreCount; ++i) {
      for (int j = i + 1; j < fingering.barreCount; ++j) {
        if (fingering.barres[j].fret < fingering.barres[i].fret) {
          std::swap(fingering.barres[i], fingering.barres[j]);
        }
      }
    }
  }

  // Number the fingers up the neck, then from string 6 across; a barre's strings share one.
  int next = 1;
  std::array<int, kStrings / 2> barreFinger{};
  for (int fret = lowest; fret <= highest; ++fret) {
    for (int s = 0; s < kStrings; ++s) {
      if (frets[s] != fret) continue;
      const int barre = fingering.BarreAt(fret, kStrings - s);
      if (barre < 0) {
        fingering.fingers[s] = next++;
        continue;
      }
      if (barreFinger[barre] == 0) barreFinger[barre] = next++;
      fingering.fingers[s] = barreFinger[barre];
    }
  }
  return fingering;
}

}  // namespace fretwise::voicings
