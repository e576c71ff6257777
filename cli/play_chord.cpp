#include "cli/play_chord.h"

#include <chrono>

#include "sdl/sdl_sound_layer.h"
#include "view/null_ports.h"
#include "view/view_core.h"

namespace fretwise::cli {
namespace {

// The first message of the play. Those of showing the notes are left to the report, which
// already ends with them.
class PlayMessages final : public MessageBox {
 public:
  explicit PlayMessages(std::string& first) : first_(first) {}
  void Show(std::string_view text) override {
    if (playing && !shown) first_ = text;
    shown = shown || playing;
  }
  bool playing = false;
  bool shown = false;

 private:
  std::string& first_;
};

// The longest a note of the sound sets sounds, and some.
constexpr std::chrono::seconds kLongestNote{3};

}  // namespace

int PlayChord(const TickSet& ticks, std::string& error) {
  TickSet boxes = ticks;
  NullStaff staff;
  NullDiagram diagram;
  PlayMessages messages(error);
  SdlSoundLayer sound;
  ViewCore view({boxes, staff, diagram, messages, sound});
  view.OnShowNotes();
  messages.playing = true;
  view.OnPlay();
  sound.WaitUntilSilent(kLongestNote);
  return messages.shown ? kPlayError : 0;
}

int PlayVoicing(std::span<const int> pitches, playback::Instrument instrument,
                playback::Strum strum, std::string& error) {
  SdlSoundLayer sound;
  playback::VoicingPlayer player(sound);
  const SoundResult result = player.Play(pitches, instrument, strum);
  if (result != 0) {
    error = player.ErrorText(result);
    return kPlayError;
  }
  sound.WaitUntilSilent(kLongestNote + playback::kSlowestStrum * int(pitches.size()));
  return 0;
}

}  // namespace fretwise::cli
