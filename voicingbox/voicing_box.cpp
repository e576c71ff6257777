#include "voicingbox/voicing_box.h"

#include "pitch/pitch.h"

namespace fretwise::voicingbox {

chordbox::ChordBox BoxOf(const voicings::Voicing& voicing, std::string name,
                         const voicings::Tuning& tuning, bool leftHanded) {
  chordbox::ChordBox box;
  box.name = std::move(name);
  box.strings = voicings::kStrings;
  box.leftHanded = leftHanded;
  const voicings::Frets fingers = voicings::FingerNumbers(voicing.frets, voicing.fingering);
  for (int i = 0; i < voicings::kStrings; ++i)
    box.notes.push_back(
        {voicing.frets[i] == voicings::kMuted ? chordbox::kMuted : voicing.frets[i], fingers[i]});
  for (int i = 0; i < voicing.fingering.barreCount; ++i) {
    const voicings::Barre& barre = voicing.fingering.barres[i];
    box.barres.push_back({barre.fret, barre.fromString, barre.toString});
  }
  box.firstFret = chordbox::FirstFretFor(box.notes);
  box.tuning = TuningNames(tuning);
  return box;
}

std::vector<std::string> TuningNames(const voicings::Tuning& tuning) {
  std::vector<std::string> names;
  if (tuning != voicings::kStandardTuning)
    for (const int midi : tuning) names.emplace_back(SharpName(PitchClass(midi)));
  return names;
}

}  // namespace fretwise::voicingbox
