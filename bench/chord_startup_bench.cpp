// fretwise-chord as whole processes, each run paired with one of the smallest Qt Core program
// (alternating, so both see the same machine): the counters give each one's user + system CPU
// time and their ratio, and the tool's wall-clock time. A text or JSON run loads no image or sound
// module. FRETWISE_CHORD in the environment weighs another build of the tool (an older one, to
// compare).
#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <set>
#include <string>
#include <vector>

namespace {

std::string Tool() {
  const char* other = std::getenv("FRETWISE_CHORD");
  return other ? other : FRETWISE_CHORD;
}

// The child's user + system CPU time in milliseconds; its input is the file `input` (or nothing),
// its output goes nowhere.
double ChildCpuMs(std::vector<std::string> command, std::FILE* input = nullptr) {
  std::vector<char*> argv;
  for (std::string& part : command) argv.push_back(part.data());
  argv.push_back(nullptr);
  if (input) std::rewind(input);
  const pid_t child = ::fork();
  if (child == 0) {
    const int null = ::open("/dev/null", O_RDWR);
    ::dup2(input ? ::fileno(input) : null, STDIN_FILENO);
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

// How many times `needle` occurs in what the tool writes for the arguments and input: the
// voicings or lines a run writes, to weigh its time by.
long CountInOutput(const std::vector<std::string>& arguments, std::FILE* input,
                   const std::string& needle) {
  std::string command = Tool();
  for (const std::string& part : arguments) command += " '" + part + "'";
  if (input) std::rewind(input);
  if (input) command += " <&" + std::to_string(::fileno(input));
  std::FILE* pipe = ::popen(command.c_str(), "r");
  std::string out;
  char block[65536];
  for (std::size_t n; (n = std::fread(block, 1, sizeof block, pipe)) > 0;) out.append(block, n);
  ::pclose(pipe);
  long count = 0;
  for (auto at = out.find(needle); at != std::string::npos; at = out.find(needle, at + 1)) ++count;
  return count;
}

// Runs the tool and the baseline in turn; `per` names what the tool's time above the baseline is
// divided by, and `needle` finds it in the tool's output.
void Paired(benchmark::State& state, std::vector<std::string> arguments, std::FILE* input = nullptr,
            std::string per = {}, std::string needle = {}) {
  std::vector<std::string> tool{Tool()};
  tool.insert(tool.end(), arguments.begin(), arguments.end());
  double toolMs = 0, baselineMs = 0;
  std::chrono::duration<double, std::milli> wall{};
  for (auto _ : state) {
    baselineMs += ChildCpuMs({QT_CORE_BASELINE, "C4", "E4", "G4"});
    const auto start = std::chrono::steady_clock::now();
    toolMs += ChildCpuMs(tool, input);
    wall += std::chrono::steady_clock::now() - start;
  }
  const double runs = double(state.iterations());
  state.counters["tool_cpu_ms"] = toolMs / runs;
  state.counters["tool_wall_ms"] = wall.count() / runs;
  state.counters["qt_core_cpu_ms"] = baselineMs / runs;
  state.counters["ratio"] = toolMs / baselineMs;
  if (!per.empty()) {
    const long count = CountInOutput(arguments, input, needle);
    state.counters[per + "s"] = double(count);
    state.counters["us_per_" + per] = 1e3 * toolMs / runs / double(count);
    state.counters["us_per_" + per + "_above_qt_core"] = 1e3 * (toolMs - baselineMs) / runs / count;
  }
}

// A temporary file holding `lines`, one query each.
std::FILE* Queries(const std::vector<std::string>& lines) {
  std::FILE* file = std::tmpfile();
  for (const std::string& line : lines) std::fprintf(file, "%s\n", line.c_str());
  std::fflush(file);
  return file;
}

constexpr const char* kRoots[] = {"C", "C#", "D", "Eb", "E", "F", "F#", "G", "Ab", "A", "Bb", "B"};

// 10,000 --name lines: three to five notes over two octaves, in every key.
std::FILE* NameQueries() {
  static const std::vector<int> kShapes[] = {{0, 4, 7},      {0, 3, 7, 10},     {0, 4, 7, 11, 14},
                                             {0, 7, 16, 22}, {0, 5, 7, 10, 14}, {0, 3, 6, 9},
                                             {-5, 0, 4, 10}};
  std::vector<std::string> lines;
  for (int i = 0; i < 10000; ++i) {
    std::string line = "--name";
    for (int interval : kShapes[i % 7]) {
      const int midi = 48 + i % 12 + interval + 12 * (i / 84 % 2);
      line += " " + std::string(kRoots[midi % 12]) + std::to_string(midi / 12 - 1);
    }
    lines.push_back(line);
  }
  return Queries(lines);
}

// 10,000 --name lines with no two alike (three to six notes from C2 to B5), for a batch where
// nothing named before helps.
std::FILE* DistinctNameQueries() {
  std::mt19937 random(3);
  std::set<std::vector<int>> seen;
  std::vector<std::string> lines;
  while (lines.size() < 10000) {
    std::vector<int> notes(3 + random() % 4);
    for (int& midi : notes) midi = 36 + int(random() % 48);
    std::ranges::sort(notes);
    if (std::ranges::adjacent_find(notes) != notes.end() || !seen.insert(notes).second) continue;
    std::string line = "--name";
    for (int midi : notes)
      line += " " + std::string(kRoots[midi % 12]) + std::to_string(midi / 12 - 1);
    lines.push_back(line);
  }
  return Queries(lines);
}

// 1,000 --chord lines, every voicing of each: fifteen qualities in every key.
std::FILE* ChordQueries() {
  static const char* kQualities[] = {"",     "m",    "7",    "m7", "maj7", "9",   "13", "m9",
                                     "dim7", "sus4", "add9", "6",  "m7b5", "7#9", "11"};
  std::vector<std::string> lines;
  for (int i = 0; i < 1000; ++i) {
    lines.push_back(std::string("--chord ") + kRoots[i % 12] + kQualities[i / 12 % 15]);
  }
  return Queries(lines);
}

// A chord sheet of 100 symbols, every root in nine qualities and then some, as a PDF.
std::vector<std::string> SheetOf100() {
  static const char* kQualities[] = {"", "m", "7", "m7", "maj7", "sus4", "9", "dim7", "6"};
  std::vector<std::string> arguments = {"--sheet", "-", "--title", "A hundred chords"};
  for (int i = 0; i < 100; ++i)
    arguments.push_back(kRoots[i % 12] + std::string(kQualities[i / 12]));
  return arguments;
}

BENCHMARK_CAPTURE(Paired, Text, {"C4", "E4", "G4"})->Iterations(100)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Paired, Json, {"--json", "C4", "E4", "G4"})
    ->Iterations(100)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Paired, ChordC13Json, {"--chord", "C13", "--json"}, nullptr, "voicing",
                  "\"frets\"")
    ->Iterations(100)
    ->Unit(benchmark::kMillisecond);
// A seven-string's shapes are worked out as the search meets them, not made when building.
BENCHMARK_CAPTURE(Paired, ChordC13SevenStringJson,
                  {"--chord", "C13", "--tuning", "seven-string", "--json"}, nullptr, "voicing",
                  "\"frets\"")
    ->Iterations(30)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Paired, BatchOf10000Names, {"--batch"}, NameQueries(), "line", "\n")
    ->Iterations(30)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Paired, BatchOf10000DistinctNames, {"--batch"}, DistinctNameQueries(), "line",
                  "\n")
    ->Iterations(30)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Paired, BatchOf1000Chords, {"--batch"}, ChordQueries(), "voicing", "\"frets\"")
    ->Iterations(3)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Paired, Png, {"--png", "/dev/null", "C4", "E4", "G4"})
    ->Iterations(30)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Paired, SheetOf100ChordsPdf, SheetOf100())
    ->Iterations(20)
    ->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
