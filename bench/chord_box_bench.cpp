// Chord boxes drawn in process: one box to SVG (the tool's --svg with --chord), and a sheet of
// 100 chords to PDF (--sheet), into memory.
#include <benchmark/benchmark.h>

#include <QBuffer>

#include "canvas/chord_box_files.h"
#include "chordbox/box_layout.h"
#include "chordbox/sheet_layout.h"

namespace fretwise {
namespace {

using chordbox::ChordBox;

// A barre up the neck: every kind of mark but × and ○, which an open shape adds.
ChordBox Am7() {
  ChordBox box;
  box.name = "Am7";
  box.firstFret = 5;
  for (const auto& [fret, finger] : {std::pair{5, 1}, {7, 3}, {5, 1}, {5, 1}, {5, 1}, {5, 1}})
    box.notes.push_back({fret, finger});
  box.barres = {{5, 6, 1}};
  return box;
}

ChordBox C() {
  ChordBox box;
  box.name = "C";
  for (const auto& [fret, finger] : {std::pair{-1, 0}, {3, 3}, {2, 2}, {0, 0}, {1, 1}, {0, 0}})
    box.notes.push_back({fret, finger});
  return box;
}

void BM_OneBoxToSvg(benchmark::State& state) {
  const ChordBox box = Am7();
  for (auto _ : state) {
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    const Figure figure = chordbox::LayOutBox(box);
    benchmark::DoNotOptimize(WriteFigures(buffer, ImageFormat::kSvg, {&figure, 1}, "Am7"));
  }
}
BENCHMARK(BM_OneBoxToSvg)->Unit(benchmark::kMicrosecond);

void BM_HundredChordSheetToPdf(benchmark::State& state) {
  std::vector<ChordBox> boxes;
  for (int i = 0; i < 100; ++i) boxes.push_back(i % 2 ? Am7() : C());
  for (auto _ : state) {
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    const std::vector<Figure> pages = chordbox::LayOutSheet(boxes, "A song", chordbox::Paper::kA4);
    benchmark::DoNotOptimize(WriteFigures(buffer, ImageFormat::kPdf, pages, "A song"));
  }
}
BENCHMARK(BM_HundredChordSheetToPdf)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace fretwise
