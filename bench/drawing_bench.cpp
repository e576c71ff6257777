// A show-notes command drawn on the window's canvas: the staff, every fingering attempt's clear,
// and the diagram or the message.
#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <QImage>

#include "canvas/canvas_surface.h"
#include "fretboard/fretboard_drawing.h"
#include "staff/staff_drawing.h"
#include "view/null_ports.h"
#include "view/view_core.h"

namespace fretwise {
namespace {

class SilentMessages final : public MessageBox {
 public:
  void Show(std::string_view) override {}
};

void ShowNotesOnCanvas(benchmark::State& state, TickSet ticks) {
  QImage canvas(800, 480, QImage::Format_RGB32);
  canvas.fill(Qt::white);
  CanvasSource source(canvas);
  StaffDrawing staff(source);
  FretboardDrawing diagram(source);
  SilentMessages messages;
  NullSound sound;
  ViewCore view({ticks, staff, diagram, messages, sound});
  for (auto _ : state) view.OnShowNotes();
}

void BM_ShowNotesThreeNotes(benchmark::State& state) {
  ShowNotesOnCanvas(state, TickSet{16, 22, 26});  // seven windows, then the diagram
}
BENCHMARK(BM_ShowNotesThreeNotes)->Unit(benchmark::kMicrosecond);

void BM_ShowNotesSevenNotes(benchmark::State& state) {
  ShowNotesOnCanvas(state, TickSet{63, 32, 35, 38, 39, 42, 45});  // 17 windows and the message
}
BENCHMARK(BM_ShowNotesSevenNotes)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace fretwise

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
