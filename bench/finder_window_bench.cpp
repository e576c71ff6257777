// The chord finder's window, headless: Ctrl+F to the window painted (each time in a fresh main
// window, so each is a first use), a typed symbol to its first boxes painted for common chords, and
// the memory the open finder adds once a large list has been scrolled through.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QLineEdit>
#include <QScrollBar>
#include <QSpinBox>
#include <QTest>
#include <algorithm>
#include <chrono>
#include <fstream>
#include <string>

#include "app/box_grid.h"
#include "app/commands.h"
#include "app/finder_window.h"
#include "app/fretwise_app.h"
#include "app/fretwise_view.h"
#include "app/main_frame.h"
#include "view/null_ports.h"

namespace fretwise {
namespace {

using Clock = std::chrono::steady_clock;

class NoDialogs final : public app::FileDialogs {
 public:
  QString OpenFileName(QWidget*) override { return {}; }
  QString SaveFileName(QWidget*) override { return {}; }
};

double ResidentMegabytes() {
  std::ifstream status("/proc/self/status");
  for (std::string line; std::getline(status, line);)
    if (line.starts_with("VmRSS:")) return std::stod(line.substr(6)) / 1024;
  return 0;
}

double Median(std::vector<double> values) {
  std::ranges::sort(values);
  return values.empty() ? 0 : values[values.size() / 2];
}

// Sees the grid's paints: the window is up once its grid has been painted.
class PaintWatch final : public QObject {
 public:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Paint && watched->isWidgetType())
      painted =
          painted || qobject_cast<app::FinderWindow*>(static_cast<QWidget*>(watched)->window());
    return false;
  }
  bool painted = false;
};

// The main window up, its first frame painted.
struct MainWindow {
  NullSound sound;
  NoDialogs dialogs;
  app::CFretwiseApp app{sound, dialogs};
  MainWindow() {
    app.InitInstance({});
    if (!QTest::qWaitForWindowExposed(app.m_pMainWnd)) std::abort();
  }
  // Ctrl+F, and the events it brings until the grid has been painted.
  app::FinderWindow& OpenFinder() {
    PaintWatch watch;
    qApp->installEventFilter(&watch);
    QTest::keySequence(app.m_pMainWnd, QKeySequence("Ctrl+F"));
    while (!watch.painted) QCoreApplication::processEvents();
    qApp->removeEventFilter(&watch);
    return *app.finder();
  }
};

void BM_CtrlFToFinderPainted(benchmark::State& state) {
  std::vector<double> times;
  for (auto _ : state) {
    state.PauseTiming();
    auto window = std::make_unique<MainWindow>();
    state.ResumeTiming();
    const Clock::time_point start = Clock::now();
    window->OpenFinder();
    times.push_back(std::chrono::duration<double, std::milli>(Clock::now() - start).count());
    state.PauseTiming();
    window.reset();
    QCoreApplication::processEvents();
    state.ResumeTiming();
  }
  state.counters["first_ms"] = times.front();
  state.counters["median_ms"] = Median(times);
}
BENCHMARK(BM_CtrlFToFinderPainted)->Iterations(15)->Unit(benchmark::kMillisecond);

// Chords a player looks up, from triads to thirteenths: the median is the goal's figure.
constexpr const char* kChords[] = {"C",      "Am",  "G7",    "Dm7",  "Fmaj7", "E7",    "Bm7b5",
                                   "A7sus4", "C9",  "F#m",   "Bb",   "Eb6",   "Ab13",  "C/E",
                                   "D/F#",   "Gm7", "Cdim7", "Caug", "Esus4", "Cmaj9", "Bb7#9"};

void BM_SymbolToFirstBoxesPainted(benchmark::State& state) {
  MainWindow window;
  app::FinderWindow& finder = window.OpenFinder();
  std::vector<double> times;
  int boxes = 0;
  for (auto _ : state) {
    for (const char* chord : kChords) {
      finder.field().setText(chord);
      const Clock::time_point start = Clock::now();
      Q_EMIT finder.field().returnPressed();
      finder.grid().viewport()->repaint();
      times.push_back(std::chrono::duration<double, std::milli>(Clock::now() - start).count());
      boxes = std::max(boxes, finder.grid().paintedBoxes());
    }
  }
  state.counters["median_ms"] = Median(times);
  state.counters["worst_ms"] = *std::ranges::max_element(times);
  state.counters["boxes_in_sight"] = boxes;
}
BENCHMARK(BM_SymbolToFirstBoxesPainted)->Iterations(5)->Unit(benchmark::kMillisecond);

// One step down a list of 4,361 boxes (C9, span 5): a new row comes into sight.
// The finder open on C9 at span 5: 4,361 boxes.
app::FinderWindow& ShowC9(MainWindow& window) {
  app::FinderWindow& finder = window.OpenFinder();
  finder.findChild<QSpinBox*>("span")->setValue(5);
  finder.field().setText("C9");
  Q_EMIT finder.field().returnPressed();
  return finder;
}

void BM_ScrollOneRow(benchmark::State& state) {
  MainWindow window;
  app::FinderWindow& finder = ShowC9(window);
  QScrollBar* bar = finder.grid().verticalScrollBar();
  for (auto _ : state) {
    const int next = bar->value() + finder.grid().cellSize().height();
    bar->setValue(next > bar->maximum() ? 0 : next);
    finder.grid().viewport()->repaint();
  }
  state.counters["voicings"] = finder.core().count();
}
BENCHMARK(BM_ScrollOneRow)->Unit(benchmark::kMicrosecond);

// What the open finder adds: the window, a list of 4,361 voicings and the kept pictures of a
// scroll through all of it. Run alone, first in its process (--benchmark_filter=Memory), so that
// the memory freed by the other benchmarks does not hide it.
void BM_FinderMemory(benchmark::State& state) {
  MainWindow window;
  const double before = ResidentMegabytes();
  app::FinderWindow& finder = ShowC9(window);
  QScrollBar* bar = finder.grid().verticalScrollBar();
  for (auto _ : state) {
    for (int y = 0; y <= bar->maximum(); y += finder.grid().viewport()->height()) {
      bar->setValue(y);
      finder.grid().viewport()->repaint();
    }
  }
  state.counters["added_MB"] = ResidentMegabytes() - before;
}
BENCHMARK(BM_FinderMemory)->Iterations(1)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace fretwise

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
