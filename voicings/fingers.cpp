// Finger numbers as players are taught them.
#include <algorithm>
#include <utility>

#include "voicings/playability.h"

namespace fretwise::voicings {
namespace {

// Partial barres as players use them: the index finger over two strings side by side or more at
// the lowest fret when notes lie above it (x x 3 2 1 1 is 3 2 1 1), or over four strings or more
// when it frets them all (the ukulele's Dm7 5 5 5 5); one finger over three strings or more at a
// fret above (the A shape's x 5 7 7 7 5, the ring finger's), with no open or lower-fretted string
// between them; none over strings a barre holds already.
void AddPartialBarres(const Frets& frets, int strings, int lowest, int highest,
                      Fingering& fingering) {
  for (int fret = lowest; fret <= highest; ++fret) {
    const bool index = fret == lowest;
    const int fewest = !index ? 3 : highest > lowest ? 2 : 4;
    int first = -1, last = -1, count = 0;
    const auto close = [&] {
      if (count >= fewest && fingering.barreCount < int(fingering.barres.size()))
        fingering.barres[fingering.barreCount++] = {std::int8_t(fret), std::int8_t(strings - first),
                                                    std::int8_t(strings - last)};
      first = last = -1, count = 0;
    };
    for (int s = 0; s < strings; ++s) {
      const int f = frets[s];
      if (!index && (f == kMuted || f > fret)) continue;
      if (f != fret || fingering.BarreAt(fret, strings - s) >= 0) {
        close();
        continue;
      }
      if (first < 0) first = s;
      last = s, ++count;
    }
    close();
  }
  // The lowest fret's first: an insertion, the playable fingering's being in that order already.
  for (int b = 1; b < fingering.barreCount; ++b)
    for (int c = b; c > 0 && fingering.barres[c].fret < fingering.barres[c - 1].fret; --c)
      std::swap(fingering.barres[c], fingering.barres[c - 1]);
}

}  // namespace

Fingering TaughtFingering(const Frets& frets, int strings, const Fingering& playable) {
  Fingering taught = playable;
  int lowest = kMostFrets + 1, highest = 0;
  for (int s = 0; s < strings; ++s)
    if (frets[s] > 0)
      lowest = std::min<int>(lowest, frets[s]), highest = std::max<int>(highest, frets[s]);
  if (highest > 0) AddPartialBarres(frets, strings, lowest, highest, taught);
  return taught;
}

Frets FingerNumbers(const Frets& frets, int strings, const Fingering& fingering) {
  Frets fingers{};
  // What each fret needs: a finger per barre and per string outside one, from the lowest fret up.
  std::array<int, kMostFrets + 1> needed{};
  std::array<unsigned, kMostFrets + 1> barresAt{};  // bit b: barre b counted at that fret
  int lowest = kMostFrets + 1, highest = 0, fretted = 0, open = 0;
  for (int s = 0; s < strings; ++s) {
    const int f = frets[s];
    open += f == 0;
    if (f <= 0) continue;
    ++fretted, lowest = std::min(lowest, f), highest = std::max(highest, f);
    const int barre = fingering.BarreAt(f, strings - s);
    if (barre >= 0 && (barresAt[f] >> barre & 1)) continue;
    if (barre >= 0) barresAt[f] |= 1u << barre;
    ++needed[f];
  }
  if (fretted == 0) return fingers;
  if (fretted == 1 && open > 0 && lowest <= kMostFingers) {
    for (int s = 0; s < strings; ++s) fingers[s] = std::int8_t(frets[s] > 0 ? frets[s] : 0);
    return fingers;
  }
  const auto lay = [&](const Barre& barre, int finger) {
    for (int s = strings - barre.fromString; s <= strings - barre.toString; ++s)
      if (frets[s] == barre.fret) fingers[s] = std::int8_t(finger);
  };
  int after = 0;  // fingers the frets above need
  for (int fret = lowest; fret <= highest; ++fret) after += needed[fret];
  int next = 1;
  for (int fret = lowest; fret <= highest; ++fret) {
    if (needed[fret] == 0) continue;
    after -= needed[fret];
    // One finger per fret, as far as the fingers the frets above need leave room.
    const int room = kMostFingers - after - needed[fret] + 1;
    const int finger = std::max(next, std::min(1 + fret - lowest, room));
    // Across the strings from the highest-numbered, so that fingers side by side on one fret never
    // cross (3 2 3 0 3 3 is 2 1 3 0 4 4, x 5 4 5 5 5 is 2 1 3 3 3); but the index barres the
    // lowest fret, and the little finger seldom lies flat over three strings: such a barre takes
    // its fret's first finger (5 3 5 5 5 3 is 4 1 3 3 3 1).
    const auto place = [&](bool barresFirst) {
      int f = finger;
      for (int b = 0; barresFirst && b < fingering.barreCount; ++b)
        if (fingering.barres[b].fret == fret) lay(fingering.barres[b], f++);
      for (int s = 0; s < strings; ++s) {
        if (frets[s] != fret || fingers[s] != 0) continue;
        const int barre = fingering.BarreAt(fret, strings - s);
        if (barre < 0)
          fingers[s] = std::int8_t(f);
        else
          lay(fingering.barres[barre], f);
        ++f;
      }
      return f;
    };
    int placed = place(fret == lowest);
    for (int b = 0; b < fingering.barreCount; ++b) {
      const Barre& barre = fingering.barres[b];
      if (barre.fret != fret || barre.fromString - barre.toString < 2 ||
          fingers[strings - barre.fromString] < kMostFingers)
        continue;
      for (int s = 0; s < strings; ++s)
        if (frets[s] == fret) fingers[s] = 0;
      placed = place(true);
      break;
    }
    next = placed;
  }
  return fingers;
}

}  // namespace fretwise::voicings
