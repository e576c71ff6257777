// Draws the README's chord box and chord sheet from a ChordPro song, as the tool draws sheets:
// each chord as the song defines it, else the finder's first voicing. Runs headless at build time:
// make_chord_examples <song.cho> <folder>; writes chord-sheet.png (the song) and chord-box.png
// (the first chord the song defines).
#include <QFile>
#include <QGuiApplication>
#include <iostream>

#include "canvas/chord_box_files.h"
#include "chordpro/chordpro.h"
#include "voicingbox/voicing_box.h"

namespace fretwise {
namespace {

chordbox::ChordBox BoxOf(const chordpro::SongChord& chord) {
  if (chord.shape) return *chord.shape;
  std::vector<voicings::Voicing> found;
  if (const auto symbol = chords::ParseChordSymbol(chord.name))
    found = voicings::VoicingsOfChord(*symbol, {});
  if (!found.empty())
    return voicingbox::BoxOf(found.front(), chord.name, voicings::kStandardTuning);
  chordbox::ChordBox empty;  // a symbol the finder cannot voice: its name over an empty grid
  empty.name = chord.name;
  return empty;
}

}  // namespace
}  // namespace fretwise

int main(int argc, char** argv) {
  using namespace fretwise;
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication qt(argc, argv);
  QFile file(argc == 3 ? argv[1] : "");
  if (argc != 3 || !file.open(QIODevice::ReadOnly)) {
    std::cerr << "usage: make_chord_examples <song.cho> <folder>\n";
    return 2;
  }
  const chordpro::Song song = chordpro::ReadSong(file.readAll().toStdString());
  std::vector<chordbox::ChordBox> boxes, defined;
  for (const chordpro::SongChord& chord : song.chords) {
    boxes.push_back(BoxOf(chord));
    if (chord.shape && defined.empty()) defined.push_back(*chord.shape);
  }
  const QString folder = QString::fromLocal8Bit(argv[2]);
  const bool written =
      WriteChordSheet(folder + "/chord-sheet.png", ImageFormat::kPng, boxes, {song.title}).ok() &&
      WriteChordBoxes(folder + "/chord-box.png", ImageFormat::kPng, defined).ok();
  return written ? 0 : 1;
}
