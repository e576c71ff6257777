// The play command and the voicing player on SDL's dummy audio driver, which consumes one
// 512-frame buffer every 11.6 ms as a sound card would: how long the play button's work takes with
// the sounds already decoded, how long until a chord is in a mixed buffer, what a note costs to
// decode and what the decoded notes kept weigh. Run from anywhere: it works in the build folder,
// where the sets lie.
#include <SDL_mixer.h>
#include <benchmark/benchmark.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <random>
#include <thread>

#include "finder/finder_core.h"
#include "playback/voicing_player.h"
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

DeviceId OpenNote(SoundLayer& sound, const std::string& file) {
  MciOpenRecord record{0, kWaveformAudioDevice, file};
  sound.Open(record);
  return record.deviceId;
}

// The process's resident memory, from the kernel's status lines.
double ResidentMegabytes() {
  std::ifstream status("/proc/self/status");
  for (std::string line; std::getline(status, line);)
    if (line.starts_with("VmRSS:")) return std::stod(line.substr(6)) / 1024;  // given in kB
  return 0;
}

template <typename Done>
void WaitFor(Done done) {
  const auto limit = Clock::now() + std::chrono::seconds(1);
  while (!done() && Clock::now() < limit)
    std::this_thread::sleep_for(std::chrono::microseconds(50));
}

// The time from `play` to the first mixed buffer with sound in it, for a player pressing at any
// moment of a buffer; `silence` stops what sounds and prepares the next play, untimed.
template <typename Silence, typename Play>
void MeasureDelayToSound(benchmark::State& state, Silence silence, Play play) {
  BufferWatch watch;
  Mix_SetPostMix(&BufferWatch::PostMix, &watch);
  double worst = 0;
  std::mt19937 random(1);
  std::uniform_int_distribution<int> phase(0, 11610);  // microseconds, one buffer
  for (auto _ : state) {
    silence();
    watch.silence = false;
    WaitFor([&] { return watch.silence.load(); });
    std::this_thread::sleep_for(std::chrono::microseconds(phase(random)));
    watch.firstSound = 0;
    watch.armed = true;
    const Clock::time_point pressed = Clock::now();
    play();
    WaitFor([&] { return watch.firstSound.load() != 0; });
    const double seconds = std::chrono::duration<double>(Clock::duration(watch.firstSound.load()) -
                                                         pressed.time_since_epoch())
                               .count();
    state.SetIterationTime(seconds);
    worst = std::max(worst, seconds);
  }
  Mix_SetPostMix(nullptr, nullptr);
  state.counters["worst_ms"] = worst * 1000;
}

void BM_DelayToFirstSoundingBuffer(benchmark::State& state) {
  PlayRig rig(kCMajor);
  const auto silence = [&] {  // a play of no notes
    rig.ticks = {};
    rig.view.OnShowNotes();
    rig.view.OnPlay();
    rig.ticks = kCMajor;
  };
  const auto play = [&] {
    rig.view.OnShowNotes();
    rig.view.OnPlay();
  };
  MeasureDelayToSound(state, silence, play);
  if (!rig.messages.last.empty()) state.SkipWithError(rig.messages.last.c_str());
}
BENCHMARK(BM_DelayToFirstSoundingBuffer)->UseManualTime()->Unit(benchmark::kMillisecond);

using playback::Instrument;
using playback::VoicingPlayer;
const std::vector<int> kOpenEVoicing = {40, 47, 52, 56, 59, 64};

// A six-string block chord from a finder click: arg 1 has its notes decoded by the click (the
// first play of those pitches), arg 0 plays them again.
void BM_VoicingDelayToFirstSoundingBuffer(benchmark::State& state) {
  SdlSoundLayer sound;
  VoicingPlayer player(sound);
  SoundResult result = player.Play(kOpenEVoicing, Instrument::kSteelGuitar, playback::kBlockChord);
  const auto silence = [&] {
    player.Stop();
    if (state.range(0) == 0) return;
    for (int midi = 70; midi < 70 + int(SdlSoundLayer::kKeptSounds); ++midi)  // crowds them out
      sound.Close(OpenNote(sound, playback::NoteFile(Instrument::kNylonGuitar, midi)));
  };
  const auto play = [&] {
    result = player.Play(kOpenEVoicing, Instrument::kSteelGuitar, playback::kBlockChord);
  };
  MeasureDelayToSound(state, silence, play);
  if (result != 0) state.SkipWithError(player.ErrorText(result).c_str());
}
BENCHMARK(BM_VoicingDelayToFirstSoundingBuffer)
    ->Arg(0)
    ->Arg(1)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);

// A click on a box of the finder's window (the first Am7, a block chord; the window's repaint comes
// after the sound has started) to the first buffer with its sound, its notes already decoded.
void BM_FinderClickDelayToFirstSoundingBuffer(benchmark::State& state) {
  struct NoPanel final : finder::Panel {
    bool IsTicked(int) const override { return false; }
    void SetTicked(int, bool) override {}
  } panel;
  SdlSoundLayer sound;
  finder::FinderCore finder(panel, sound);
  finder.Change({.strum = playback::kBlockChord});
  finder.Enter("Am7");
  finder.Click(0);  // opens the output and decodes the notes
  MeasureDelayToSound(state, [&] { finder.Silence(); }, [&] { finder.Click(0); });
  if (!finder.status().ends_with(" 通り")) state.SkipWithError(finder.status().c_str());
}
BENCHMARK(BM_FinderClickDelayToFirstSoundingBuffer)->UseManualTime()->Unit(benchmark::kMillisecond);

// The click's own work, without waiting for a buffer: CPU time is the figure to read on a busy
// machine. Arg 1 decodes the six notes (crowded out of the layer's memory untimed), arg 0 not.
void BM_PlayVoicing(benchmark::State& state) {
  SdlSoundLayer sound;
  VoicingPlayer player(sound);
  SoundResult result = 0;
  for (auto _ : state) {
    state.PauseTiming();
    player.Stop();
    for (int midi = 70; state.range(0) == 1 && midi < 70 + int(SdlSoundLayer::kKeptSounds); ++midi)
      sound.Close(OpenNote(sound, playback::NoteFile(Instrument::kNylonGuitar, midi)));
    state.ResumeTiming();
    result = player.Play(kOpenEVoicing, Instrument::kSteelGuitar, playback::kBlockChord);
  }
  if (result != 0) state.SkipWithError(player.ErrorText(result).c_str());
}
BENCHMARK(BM_PlayVoicing)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

// One note read and decoded into the mixer's format: an instrument's FLAC, a panel WAV.
void BM_DecodeNote(benchmark::State& state, const char* file) {
  SdlSoundLayer sound;
  sound.Close(OpenNote(sound, file));  // opens the output
  for (auto _ : state) {
    Mix_Chunk* chunk = Mix_LoadWAV(file);
    if (chunk == nullptr) state.SkipWithError(Mix_GetError());
    Mix_FreeChunk(chunk);
  }
}
BENCHMARK_CAPTURE(BM_DecodeNote, instrument_flac, "instruments/steel-guitar/E2.flac")
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_DecodeNote, panel_wav, "wav/6/E4.wav")->Unit(benchmark::kMicrosecond);

// What the sound layer adds to the process once the finder has played twenty different voicings
// of six strings: the output's threads and buffers, the decoder, and the decoded notes it keeps.
// Run alone (--benchmark_filter=Memory) for the figure of a process that has not played before.
void BM_MemoryOfVoicingsPlayed(benchmark::State& state) {
  for (auto _ : state) {
    const double before = ResidentMegabytes();
    SdlSoundLayer sound;
    VoicingPlayer player(sound);
    for (int chord = 0; chord < 20; ++chord) {
      std::vector<int> voicing = kOpenEVoicing;
      for (int& pitch : voicing) pitch += chord;
      player.Play(voicing, Instrument::kSteelGuitar, playback::kBlockChord);
    }
    state.counters["process_MB"] = ResidentMegabytes() - before;
    Mix_Chunk* note = Mix_LoadWAV("instruments/steel-guitar/E2.flac");
    if (note == nullptr) return state.SkipWithError(Mix_GetError());
    state.counters["kept_MB"] = double(sound.KeptSoundCount() * note->alen) / (1 << 20);
    Mix_FreeChunk(note);
  }
}
BENCHMARK(BM_MemoryOfVoicingsPlayed)->Iterations(1)->Unit(benchmark::kMillisecond);

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
