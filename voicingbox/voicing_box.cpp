#include "voicingbox/voicing_box.h"

#include "pitch/pitch.h"

namespace fretwise::voicingbox {

chordbox::ChordBox BoxOf(const voicings::Voicing& voicing, std::string name,
                         const voicings::Tuning& tuning, bool leftHanded, int capo) {
  chordbox::ChordBox box;
  box.name = std::move(name);
  box.strings = tuning.size();
  box.leftHanded = leftHanded;
  box.capo = capo;
  const voicings::Fingering taught =
      voicings::TaughtFingering(voicing.frets, tuning.size(), voicing.fingering);
  const voicings::Frets fingers = voicings::FingerNumbers(voicing.frets, tuning.size(), taught);
  for (int i = 0; i < tuning.size(); ++i)
    box.notes.push_back(
        {voicing.frets[i] == voicings::kMuted ? chordbox::kMuted : voicing.frets[i], fingers[i]});
  for (int i = 0; i < taught.barreCount; ++i) {
    const voicings::Barre& barre = taught.barres[i];
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
