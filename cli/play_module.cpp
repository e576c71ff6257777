// The play module: SDL2_mixer and the sound layer.
#include <SDL_log.h>
#include <fcntl.h>
#include <unistd.h>

#include <cstdio>
#include <iostream>
#include <sstream>

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

// The first of the lines PlayChord wrote, without the tool's prefix, which the caller adds.
std::string FirstMessage(const std::string& lines) {
  constexpr std::string_view kPrefix = "fretwise-chord: ";
  std::string first = lines.substr(0, lines.find('\n'));
  if (first.starts_with(kPrefix)) first.erase(0, kPrefix.size());
  return first;
}

class Player final : public PlayModule {
 public:
  int Play(const TickSet& ticks, std::string& error) override {
    SDL_LogSetOutputFunction(NoLog, nullptr);
    std::ostringstream lines;
    int status = 0;
    {
      SilencedStderr silenced;
      std::streambuf* const kept = std::cerr.rdbuf(lines.rdbuf());
      status = PlayChord(ticks);
      std::cerr.rdbuf(kept);
    }
    if (!lines.str().empty()) error = FirstMessage(lines.str());
    return status;
  }
};

}  // namespace
}  // namespace fretwise::cli

fretwise::cli::PlayModule* fretwise_play_module() {
  static fretwise::cli::Player player;
  return &player;
}
