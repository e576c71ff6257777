#include "voicings/playability.h"

#include <algorithm>

namespace fretwise::voicings {
namespace {

struct Run {
  Barre barre;
  int saved;  // fingers saved: the strings it frets, less one
};

// Eight strings hold at most four runs of two.
using Runs = std::array<Run, kMostStrings / 2>;

// The strings at `fret` grouped into runs that no open or lower-fretted string breaks; each run of
// two or more is a barre that saves fingers.
void AddRunsAt(const Frets& frets, int stringCount, int fret, Runs& runs, int& count) {
  int first = -1, last = -1, strings = 0;
  auto close = [&] {
    if (strings > 1)
      runs[count++] = {
          {std::int8_t(fret), std::int8_t(stringCount - first), std::int8_t(stringCount - last)},
          strings - 1};
    first = last = -1, strings = 0;
  };
  for (int s = 0; s < stringCount; ++s) {
    const int f = frets[s];
    if (f == kMuted || f > fret) continue;
    if (f < fret) {
      close();
      continue;
    }
    if (first < 0) first = s;
    last = s, ++strings;
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

std::optional<Fingering> Finger(const Frets& frets, int strings, int span) {
  Fingering fingering;
  if (!FingerInto(frets, strings, span, fingering)) return std::nullopt;
  return fingering;
}

bool FingerInto(const Frets& frets, int strings, int span, Fingering& fingering) {
  int sounding = 0, fretted = 0, lowest = kMostFrets + 1, highest = 0;
  for (int s = 0; s < strings; ++s) {
    const int f = frets[s];
    if (f == kMuted) continue;
    ++sounding;
    if (f == 0) continue;
    ++fretted, lowest = std::min(lowest, f), highest = std::max(highest, f);
  }
  if (sounding < 2 || (fretted > 0 && highest - lowest >= span)) return false;

  fingering.count = std::int8_t(fretted);
  fingering.barreCount = 0;
  if (fretted > kMostFingers) {
    Runs runs;
    int count = 0;
    for (int fret = lowest; fret <= highest; ++fret) AddRunsAt(frets, strings, fret, runs, count);
    for (int r = 0; r < count && fingering.count > kMostFingers; ++r) {
      const Run& run = runs[r];
      fingering.barres[fingering.barreCount++] = run.barre;
      fingering.count -= run.saved;
    }
    if (fingering.count > kMostFingers) return false;
  }
  return true;
}

}  // namespace fretwise::voicings
