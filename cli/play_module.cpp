// The play module: SDL2_mixer and the sound layer.
#include <SDL_log.h>
#include <fcntl.h>
#include <unistd.h>

#include <cstdio>

#include "cli/chord_modules.h"
#include "cli/play_chord.h"

namespace fretwise::cli {
namespace {

// While it lives, stderr goes nowhere: SDL, ALSA and the sound servers' client libraries write
// their own notices and complaints there (nine lines on a machine without sound, two on every
// run on SDL's disk driver), and the tool's stderr is for its one line.
class SilencedStderr {
 public:
  SilencedStderr() {
    std::fflush(stderr);
    saved_ = ::dup(STDERR_FILENO);
    const int null = ::open("/dev/null", O_WRONLY | O_CLOEXEC);
    if (saved_ >= 0 && null >= 0) ::dup2(null, STDERR_FILENO);
    if (null >= 0) ::close(null);
  }
  ~SilencedStderr() {
    std::fflush(stderr);
    if (saved_ < 0) return;
    ::dup2(saved_, STDERR_FILENO);
    ::close(saved_);
  }
  SilencedStderr(const SilencedStderr&) = delete;
  SilencedStderr& operator=(const SilencedStderr&) = delete;

 private:
  int saved_;
};

void NoLog(void*, int, SDL_LogPriority, const char*) {}

class Player final : public PlayModule {
 public:
  int Play(const TickSet& ticks, std::string& error) override {
    SDL_LogSetOutputFunction(NoLog, nullptr);
    const SilencedStderr silenced;
    return PlayChord(ticks, error);
  }
  int PlayVoicing(std::span<const int> pitches, playback::Instrument instrument,
                  playback::Strum strum, std::string& error) override {
    SDL_LogSetOutputFunction(NoLog, nullptr);
    const SilencedStderr silenced;
    return cli::PlayVoicing(pitches, instrument, strum, error);
  }
};

}  // namespace
}  // namespace fretwise::cli

fretwise::cli::PlayModule* fretwise_play_module() {
  static fretwise::cli::Player player;
  return &player;
}
