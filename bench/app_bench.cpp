// The window, headless: start-up to the first painted frame, a show-notes click to pixels on the
// screen, a full repaint, and the memory the program holds once started.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QPushButton>
#include <QTest>
#include <fstream>
#include <string>

#include "app/commands.h"
#include "app/fretwise_app.h"
#include "app/fretwise_view.h"
#include "app/main_frame.h"
#include "view/null_ports.h"

namespace fretwise {
namespace {

class NoDialogs final : public app::FileDialogs {
 public:
  QString OpenFileName(QWidget*) override { return {}; }
  QString SaveFileName(QWidget*) override { return {}; }
};

class NoMessages final : public MessageBox {
 public:
  void Show(std::string_view) override {}
};

// The legend's bar is drawn by the paint, so the first frame is up once it is on the canvas.
bool FirstFrameDrawn(const app::CFretwiseView* view) {
  return view && view->canvas().width() > 12 && view->canvas().pixel(12, 80) == 0xFF000000;
}

long ResidentKilobytes() {
  std::ifstream status("/proc/self/status");
  for (std::string line; std::getline(status, line);) {
    if (line.starts_with("VmRSS:")) return std::stol(line.substr(6));
  }
  return 0;
}

void BM_StartUpToFirstPaintedFrame(benchmark::State& state) {
  NullSound sound;
  NoDialogs dialogs;
  long resident = 0;
  for (auto _ : state) {
    app::CFretwiseApp app(sound, dialogs);
    app.InitInstance({});
    while (!FirstFrameDrawn(app.view())) QCoreApplication::processEvents();
    state.PauseTiming();
    if (!resident) resident = ResidentKilobytes();
    state.ResumeTiming();
  }
  state.counters["resident_MB"] = double(resident) / 1024;
}
BENCHMARK(BM_StartUpToFirstPaintedFrame)->Unit(benchmark::kMillisecond);

// A view on its own, whose messages return at once, so a command's time is its drawing.
struct ShownView {
  NullSound sound;
  NoMessages messages;
  app::CFretwiseView view{nullptr, sound, messages};
  ShownView() {
    view.resize(800, 459);
    view.show();
    if (!QTest::qWaitForWindowExposed(&view)) std::abort();
    while (!FirstFrameDrawn(&view)) QCoreApplication::processEvents();
  }
  QPushButton* Button(int command) {
    for (QPushButton* button : view.findChildren<QPushButton*>()) {
      if (button->property("controlId").toInt() == command) return button;
    }
    return nullptr;
  }
};

void ClickShowNotes(benchmark::State& state, std::initializer_list<int> slots) {
  ShownView shown;
  for (QAbstractButton* box : shown.view.findChildren<QAbstractButton*>()) {
    for (int slot : slots) {
      if (box->property("controlId").toInt() == kSlots[slot].controlId) box->setChecked(true);
    }
  }
  QPushButton* button = shown.Button(app::kShowNotes);
  for (auto _ : state) QTest::mouseClick(button, Qt::LeftButton);
}

void BM_ShowNotesClickThreeNotes(benchmark::State& state) { ClickShowNotes(state, {16, 22, 26}); }
BENCHMARK(BM_ShowNotesClickThreeNotes)->Unit(benchmark::kMicrosecond);

void BM_ShowNotesClickSevenNotes(benchmark::State& state) {
  ClickShowNotes(state, {63, 32, 35, 38, 39, 42, 45});
}
BENCHMARK(BM_ShowNotesClickSevenNotes)->Unit(benchmark::kMicrosecond);

// What an expose costs: the canvas drawn anew, then the whole view with its controls on screen.
void BM_FullRepaint(benchmark::State& state) {
  ShownView shown;
  for (auto _ : state) {
    shown.view.DrawAnew();
    shown.view.repaint();
  }
}
BENCHMARK(BM_FullRepaint)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace fretwise

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QElapsedTimer timer;
  timer.start();
  QApplication app(argc, argv);
  std::printf("QApplication start-up: %.1f ms\n", timer.nsecsElapsed() / 1e6);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
