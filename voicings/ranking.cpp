#include "voicings/ranking.h"

#include <algorithm>

#include "chords/pitch.h"

namespace fretwise::voicings {
namespace {

// Points, fitted so that the voicings players write down rank near the top.
constexpr int kPerFinger = 0;
constexpr int kPerFretOfStretch = 4;
constexpr int kPerBarre = 3;
constexpr int kPerFretOfPosition = 1;
constexpr int kPerFretAbove11 = 10;     // the same shapes sound an octave lower below fret 12
constexpr int kPerInnerMute = 15;
constexpr int kPerSilentString = 2;
constexpr int kPerStringUnderFour = 3;  // three strings or fewer sound thin
constexpr int kBassNotRoot = 21;
constexpr int kPerOmittedTone = 3;
constexpr int kPerOpenString = 3;
constexpr int kPerOpenStringUpTheNeck = 8;  // an open string beside frets 5 and up

}  // namespace

int Score(const Frets& frets, const Fingering& fingering, const Tuning& tuning, int root,
          int omitted) {
  int lowest = kHighestFret + 1, highest = 0, silent = 0, innerMutes = 0, open = 0;
  int bass = 1 << 30;
  int firstSounding = -1, lastSounding = -1;
  for (int s = 0; s < kStrings; ++s) {
    if (frets[s] == kMuted) {
      ++silent;
      continue;
    }
    if (firstSounding < 0) firstSounding = s;
    lastSounding = s;
    bass = std::min(bass, tuning[s] + frets[s]);
    if (frets[s] == 0) ++open;
    if (frets[s] > 0) lowest = std::min(lowest, frets[s]), highest = std::max(highest, frets[s]);
  }
  for (int s = firstSounding; s <= lastSounding; ++s) innerMutes += frets[s] == kMuted;
  const bool fretted = highest >= lowest;
  const int stretch = fretted ? highest - lowest : 0;
  const int position = fretted ? lowest : 0;
  return kPerFinger * fingering.count + kPerFretOfStretch * stretch +
         kPerBarre * fingering.barreCount + kPerFretOfPosition * position +
         kPerFretAbove11 * std::max(0, position - 11) + kPerInnerMute * innerMutes +
         kPerSilentString * silent + kPerStringUnderFour * std::max(0, silent - 2) +
         (root >= 0 && chords::PitchClass(bass) != root ? kBassNotRoot : 0) +
         kPerOmittedTone * omitted + kPerOpenString * open +
         (highest >= 5 ? kPerOpenStringUpTheNeck * open : 0);
}

}  // namespace fretwise::voicings
