#include "voicings/ranking.h"

#include <algorithm>

#include "chords/pitch.h"

namespace fretwise::voicings {
namespace {

// Points, fitted so that the voicings players write down rank near the top.
constexpr int kPerFinger = 3;
constexpr int kPerBarre = 7;
constexpr int kPerFretOfStretch = 4;
constexpr int kPerFretOfPosition = 1;
constexpr int kPerFretAbove11 = 10;  // the same shapes sound an octave lower below fret 12
constexpr int kPerInnerMute = 18;
constexpr int kPerSilentString = 2;
constexpr int kPerFillableString = 7;
constexpr int kPerThinString = 21;
constexpr int kPerOpenString = 3;
constexpr int kPerOpenStringUpTheNeck = 9;  // an open string beside frets 5 and up
constexpr int kBassNotRoot = 27;
constexpr int kPerOmittedTone = 3;

}  // namespace

Traits TraitsOf(const Frets& frets, const Fingering& fingering, const Tuning& tuning, int root) {
  Traits t;
  t.fingers = fingering.count;
  t.barres = fingering.barreCount;
  int lowest = kHighestFret + 1, bass = 1 << 30, first = -1, last = -1;
  for (int s = 0; s < kStrings; ++s) {
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
  for (int s = first + 1; s < last; ++s) t.innerMutes += frets[s] == kMuted;
  if (t.highest > 0) t.stretch = t.highest - lowest, t.position = lowest;
  t.bassNotRoot = root >= 0 && chords::PitchClass(bass) != root;
  return t;
}

int Score(const Traits& t) {
  return kPerFinger * t.fingers + kPerBarre * t.barres + kPerFretOfStretch * t.stretch +
         kPerFretOfPosition * t.position + kPerFretAbove11 * std::max(0, t.position - 11) +
         kPerInnerMute * t.innerMutes + kPerSilentString * t.silent +
         kPerFillableString * t.fillable + kPerThinString * t.thin +
         kPerOpenString * t.open + (t.highest >= kUpTheNeck ? kPerOpenStringUpTheNeck * t.open : 0) +
         (t.bassNotRoot ? kBassNotRoot : 0) + kPerOmittedTone * t.omitted;
}

}  // namespace fretwise::voicings
