// fretwise-chord as whole processes, each run paired with one of the smallest Qt Core program
// (alternating, so both see the same machine): the counters give each one's user + system CPU
// time and their ratio. A text or JSON run loads no image or sound module.
#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <string>
#include <vector>

namespace {

// The child's user + system CPU time in milliseconds; its output goes nowhere.
double ChildCpuMs(std::vector<std::string> command) {
  std::vector<char*> argv;
  for (std::string& part : command) argv.push_back(part.data());
  argv.push_back(nullptr);
  const pid_t child = ::fork();
  if (child == 0) {
    const int null = ::open("/dev/null", O_WRONLY);
    ::dup2(null, STDOUT_FILENO);
    ::dup2(null, STDERR_FILENO);
    ::execv(argv[0], argv.data());
    ::_exit(127);
  }
  int status = 0;
  rusage usage{};
  ::wait4(child, &status, 0, &usage);
  const auto ms = [](const timeval& t) { return t.tv_sec * 1e3 + t.tv_usec / 1e3; };
  return ms(usage.ru_utime) + ms(usage.ru_stime);
}

void Paired(benchmark::State& state, std::vector<std::string> arguments) {
  std::vector<std::string> tool{FRETWISE_CHORD};
  tool.insert(tool.end(), arguments.begin(), arguments.end());
  double toolMs = 0, baselineMs = 0;
  for (auto _ : state) {
    baselineMs += ChildCpuMs({QT_CORE_BASELINE, "C4", "E4", "G4"});
    toolMs += ChildCpuMs(tool);
  }
  const double runs = double(state.iterations());
  state.counters["tool_cpu_ms"] = toolMs / runs;
  state.counters["qt_core_cpu_ms"] = baselineMs / runs;
  state.counters["ratio"] = toolMs / baselineMs;
}

BENCHMARK_CAPTURE(Paired, Text, {"C4", "E4", "G4"})->Iterations(100)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Paired, Json, {"--json", "C4", "E4", "G4"})
    ->Iterations(100)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Paired, Png, {"--png", "/dev/null", "C4", "E4", "G4"})
    ->Iterations(30)
    ->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
