#include "chordbox/chord_box.h"

#include <algorithm>

namespace fretwise::chordbox {

int FirstFretFor(std::span<const StringNote> notes) {
  int lowest = 0, highest = 0;
  for (const StringNote& note : notes) {
    if (note.fret < 1) continue;
    lowest = lowest ? std::min(lowest, note.fret) : note.fret;
    highest = std::max(highest, note.fret);
  }
  return highest <= kFewestFretsShown ? 1 : lowest;
}

int FretsShown(std::span<const StringNote> notes, int first) {
  int highest = 0;
  for (const StringNote& note : notes) highest = std::max(highest, note.fret);
  return std::max(kFewestFretsShown, highest - first + 1);
}

std::vector<Barre> BarresOfFingers(std::span<const StringNote> notes) {
  const int strings = static_cast<int>(notes.size());
  std::vector<Barre> barres;
  for (int i = 0; i < strings; ++i) {
    const StringNote& outer = notes[i];
    if (outer.finger == 0 || outer.fret < 1) continue;
    const auto same = [&](const StringNote& n) {
      return n.finger == outer.finger && n.fret == outer.fret;
    };
    // Each barre once, from its first string.
    if (std::any_of(notes.begin(), notes.begin() + i, same)) continue;
    int last = i;
    for (int j = i + 1; j < strings; ++j)
      if (same(notes[j])) last = j;
    if (last > i) barres.push_back({outer.fret, strings - i, strings - last});
  }
  std::stable_sort(barres.begin(), barres.end(),
                   [](const Barre& a, const Barre& b) { return a.fret < b.fret; });
  return barres;
}

}  // namespace fretwise::chordbox
