// A voicing heard: each sounding string's recorded note of an instrument, through the sound layer,
// as a block chord or strummed. The finder window and fretwise-chord --play sound voicings here.
#pragma once

#include <chrono>
#include <span>
#include <string>
#include <vector>

#include "playback/note_sets.h"
#include "sound/sound_layer.h"

namespace fretwise::playback {

// In a voicing's pitch list: a string that does not sound.
inline constexpr int kMutedString = -1;

// A downstroke sounds the list's first string first (the highest-numbered string, whatever its
// pitch: a ukulele's G4 string before its C4); an upstroke the last first.
enum class Stroke { kDown, kUp };

inline constexpr std::chrono::milliseconds kLightStrum{15};
inline constexpr std::chrono::milliseconds kSlowestStrum{100};

struct Strum {
  Stroke stroke = Stroke::kDown;
  // From one string to the next, 0 to kSlowestStrum (longer is taken as kSlowestStrum). The
  // stroke starts at its first sounding string; a muted string within it takes its turn unheard.
  std::chrono::milliseconds between = kLightStrum;
};
inline constexpr Strum kBlockChord{Stroke::kDown, std::chrono::milliseconds{0}};

class VoicingPlayer {
 public:
  explicit VoicingPlayer(SoundLayer& sound) : sound_(sound) {}
  ~VoicingPlayer() { Stop(); }
  VoicingPlayer(const VoicingPlayer&) = delete;
  VoicingPlayer& operator=(const VoicingPlayer&) = delete;

  // Silences the voicing played before, then sounds this one and returns at once. `pitches` are
  // MIDI numbers in string order, highest-numbered string first, kMutedString for a string that
  // does not sound. Returns 0, or the layer's code for the first failure, after which nothing of
  // this voicing sounds (a pitch outside the instrument's set fails as a missing file).
  SoundResult Play(std::span<const int> pitches, Instrument instrument, Strum strum = {});
  // Silences the voicing played last and releases its devices; 0, or the first close's failure.
  SoundResult Stop();
  // The layer's text for a code that Play or Stop returned, complete characters only.
  std::string ErrorText(SoundResult code);
  // The devices of the voicing played last, open until the next Play or Stop.
  std::span<const DeviceId> devices() const { return devices_; }

 private:
  SoundLayer& sound_;
  std::vector<DeviceId> devices_;  // of the voicing played last
};

}  // namespace fretwise::playback
