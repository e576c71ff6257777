// The play command on SDL's dummy audio driver, which consumes one 512-frame buffer every 11.6 ms
// as a sound card would: how long the play button's work takes with the sounds already decoded,
// and how long until the chord is in a mixed buffer. Run from anywhere: it works in the build
// folder, where the sound set lies.
#include <SDL_mixer.h>
#include <benchmark/benchmark.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <random>
#include <thread>

#include "sdl/sdl_sound_layer.h"
#include "view/null_ports.h"
#include "view/view_core.h"

namespace fretwise {
namespace {

using Clock = std::chrono::steady_clock;

class Failures final : public MessageBox {
 public:
  void Show(std::string_view text) override { last = text; }
  std::string last;
};

// A view that plays through SDL, with its chord already shown and played once.
struct PlayRig {
  explicit PlayRig(const TickSet& chord) : ticks(chord) {
    view.OnShowNotes();
    view.OnPlay();
  }
  TickSet ticks;
  NullStaff staff;
  NullDiagram diagram;
  Failures messages;
  SdlSoundLayer sound;
  ViewCore view{{ticks, staff, diagram, messages, sound}};
};

const TickSet kOpenE{54, 63, 38, 43, 47, 22};  // six notes, one on each string
const TickSet kCMajor{16, 22, 26};

void BM_PlaySixNotesWarm(benchmark::State& state) {
  PlayRig rig(kOpenE);
  for (auto _ : state) rig.view.OnPlay();  // closes the six of the last play, opens six
  if (!rig.messages.last.empty()) state.SkipWithError(rig.messages.last.c_str());
}
BENCHMARK(BM_PlaySixNotesWarm)->Unit(benchmark::kMicrosecond);

// Watches the mixed buffers: when the first one with sound in it was mixed, and whether a
// silent one has been mixed since the last look.
struct BufferWatch {
  std::atomic<bool> armed{false};
  std::atomic<Clock::rep> firstSound{0};
  std::atomic<bool> silence{false};

  static void PostMix(void* self, Uint8* stream, int bytes) {
    auto& watch = *static_cast<BufferWatch*>(self);
    const bool silent = std::all_of(stream, stream + bytes, [](Uint8 b) { return b == 0; });
    if (silent) watch.silence = true;
    if (!silent && watch.armed.exchange(false))
      watch.firstSound = Clock::now().time_since_epoch().count();
  }
};

template <typename Done>
void WaitFor(Done done) {
  const auto limit = Clock::now() + std::chrono::seconds(1);
  while (!done() && Clock::now() < limit)
    std::this_thread::sleep_for(std::chrono::microseconds(50));
}

void BM_DelayToFirstSoundingBuffer(benchmark::State& state) {
  PlayRig rig(kCMajor);
  BufferWatch watch;
  Mix_SetPostMix(&BufferWatch::PostMix, &watch);
  double worst = 0;
  std::mt19937 random(1);
  std::uniform_int_distribution<int> phase(0, 11610);  // microseconds, one buffer
  for (auto _ : state) {
    rig.ticks = {};  // silence the last chord: a play of no notes
    rig.view.OnShowNotes();
    rig.view.OnPlay();
    watch.silence = false;
    WaitFor([&] { return watch.silence.load(); });
    // A player presses at any moment of a buffer, not just after one was mixed.
    std::this_thread::sleep_for(std::chrono::microseconds(phase(random)));
    rig.ticks = kCMajor;
    rig.view.OnShowNotes();

    watch.firstSound = 0;
    watch.armed = true;
    const Clock::time_point pressed = Clock::now();
    rig.view.OnPlay();
    WaitFor([&] { return watch.firstSound.load() != 0; });
    const double seconds = std::chrono::duration<double>(Clock::duration(watch.firstSound.load()) -
                                                         pressed.time_since_epoch())
                               .count();
    state.SetIterationTime(seconds);
    worst = std::max(worst, seconds);
  }
  Mix_SetPostMix(nullptr, nullptr);
  state.counters["worst_ms"] = worst * 1000;
  if (!rig.messages.last.empty()) state.SkipWithError(rig.messages.last.c_str());
}
BENCHMARK(BM_DelayToFirstSoundingBuffer)->UseManualTime()->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace fretwise

int main(int argc, char** argv) {
  setenv("SDL_AUDIODRIVER", "dummy", 0);
  std::filesystem::current_path(FRETWISE_BUILD_DIR);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
