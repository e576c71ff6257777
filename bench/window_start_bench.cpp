// The window's start-up as a user sees it: from the program's start to its first frame on a real X
// server, against the smallest Qt window (one button), in turns. Needs an X server: run it under
// xvfb-run (Debian's xvfb). The first frame is the first image the program puts on the server,
// which first_paint_probe (preloaded into both programs) reports; the counters give each one's
// median over the runs and their ratio, in wall-clock time and in CPU time up to that frame.
// FRETWISE_PROGRAM in the environment weighs another build of the window (an older one, to
// compare).
#include <benchmark/benchmark.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace {

std::int64_t Now() {
  timespec now{};
  ::clock_gettime(CLOCK_MONOTONIC, &now);
  return std::int64_t(now.tv_sec) * 1000000000 + now.tv_nsec;
}

// The CPU time of all the process's threads so far, in milliseconds (from the scheduler's
// nanosecond counts, which a loaded machine does not stretch as it stretches the wall clock).
double CpuMs(pid_t process) {
  double ms = 0;
  const std::string tasks = "/proc/" + std::to_string(process) + "/task";
  for (const auto& task : std::filesystem::directory_iterator(tasks)) {
    std::ifstream schedstat(task.path() / "schedstat");
    double nanoseconds = 0;
    schedstat >> nanoseconds;
    ms += nanoseconds / 1e6;
  }
  return ms;
}

struct FirstFrame {
  double wallMs = -1;  // -1 when no frame came within ten seconds
  double cpuMs = 0;
};

// From the program's start to its first frame; the program is then ended.
FirstFrame ToFirstFrame(const char* program) {
  int pipe[2];
  if (::pipe(pipe) != 0) return {};
  const std::int64_t start = Now();
  const pid_t child = ::fork();
  if (child == 0) {
    ::close(pipe[0]);
    ::setenv("LD_PRELOAD", FIRST_PAINT_PROBE, 1);
    ::setenv("FRETWISE_FIRST_PAINT_FD", std::to_string(pipe[1]).c_str(), 1);
    ::execl(program, program, nullptr);
    ::_exit(127);
  }
  ::close(pipe[1]);
  pollfd wait{pipe[0], POLLIN, 0};
  std::int64_t painted = 0;
  FirstFrame frame;
  if (::poll(&wait, 1, 10000) == 1 && ::read(pipe[0], &painted, sizeof painted) > 0) {
    frame = {double(painted - start) / 1e6, CpuMs(child)};
  }
  ::close(pipe[0]);
  ::kill(child, SIGTERM);
  ::waitpid(child, nullptr, 0);
  return frame;
}

double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  return values.empty() ? 0 : values[values.size() / 2];
}

const char* Window() {
  const char* other = std::getenv("FRETWISE_PROGRAM");
  return other ? other : FRETWISE_PROGRAM;
}

void BM_WindowToFirstFrame(benchmark::State& state) {
  if (!std::getenv("DISPLAY")) {
    state.SkipWithError("no X server: run under xvfb-run");
    return;
  }
  std::vector<double> window, bare, windowCpu, bareCpu;
  for (auto _ : state) {
    const FirstFrame one = ToFirstFrame(QT_WIDGETS_BASELINE), ours = ToFirstFrame(Window());
    if (one.wallMs < 0 || ours.wallMs < 0) {
      state.SkipWithError("a program showed no frame");
      return;
    }
    bare.push_back(one.wallMs), bareCpu.push_back(one.cpuMs);
    window.push_back(ours.wallMs), windowCpu.push_back(ours.cpuMs);
  }
  state.counters["fretwise_ms"] = Median(window);
  state.counters["one_button_ms"] = Median(bare);
  state.counters["ratio"] = Median(window) / Median(bare);
  state.counters["fretwise_cpu_ms"] = Median(windowCpu);
  state.counters["one_button_cpu_ms"] = Median(bareCpu);
  state.counters["cpu_ratio"] = Median(windowCpu) / Median(bareCpu);
}
BENCHMARK(BM_WindowToFirstFrame)->Iterations(15)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
