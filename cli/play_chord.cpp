#include "cli/play_chord.h"

#include <chrono>
#include <iostream>

#include "notes/null_ports.h"
#include "notes/view_core.h"
#include "playback/sdl_sound_layer.h"

namespace fretwise::cli {
namespace {

// The messages of the play, one line each on stderr. Those of showing the notes are left to the
// report, which already ends with them.
class PlayMessages final : public MessageBox {
 public:
  void Show(std::string_view text) override {
    if (!playing) return;
    std::cerr << "fretwise-chord: " << text << "\n";
    ++shown;
  }
  bool playing = false;
  int shown = 0;
};

// The longest a note of the sound set sounds, and some.
constexpr std::chrono::seconds kLongestNote{3};

}  // namespace

int PlayChord(const TickSet& ticks) {
  TickSet boxes = ticks;
  NullStaff staff;
  NullDiagram diagram;
  PlayMessages messages;
  SdlSoundLayer sound;
  ViewCore view({boxes, staff, diagram, messages, sound});
  view.OnShowNotes();
  messages.playing = true;
  view.OnPlay();
  sound.WaitUntilSilent(kLongestNote);
  return messages.shown == 0 ? 0 : kPlayError;
}

}  // namespace fretwise::cli
