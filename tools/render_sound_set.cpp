// Renders the sound set that the play command sounds: wav/<string>/<token>.wav for strings 1 to 6
// and each of the 48 tokens of the note panel, a plucked steel-string guitar note of about two
// seconds, 44.1 kHz, 16-bit mono. Any failure ends with one line naming it and exit status 1.
//
// Usage: render_sound_set SOUNDFONT OUTPUT_FOLDER
#include <filesystem>
#include <set>
#include <string>
#include <vector>

#include "notes/note_token.h"
#include "notes/slot_table.h"
#include "tools/plucked_note.h"
#include "tools/render_tool.h"
#include "tools/wav_writer.h"

namespace fs = std::filesystem;
using namespace fretwise;

namespace {

constexpr int kSteelStringGuitar = 25;  // 0-based General MIDI program
constexpr double kHeldSeconds = 1.7;    // then the string is damped
constexpr double kLengthSeconds = 2.0;
constexpr double kFadeSeconds = 0.05;
// Each file peaks at -12 dBFS: a six-note chord mixed at full volume seldom clips.
constexpr double kPeak = 0.25;

void RenderSet(const std::string& soundFont, const fs::path& folder) {
  NoteRenderer guitar(soundFont, kSteelStringGuitar);
  std::set<fs::path> written;  // the string folders and their files
  for (int string = 1; string <= 6; ++string) {
    fs::create_directories(folder / std::to_string(string));
    written.insert(folder / std::to_string(string));
  }
  for (int slot : kScanOrder) {
    const std::string_view token = kSlots[slot].token;
    const std::string name = std::string(token) + ".wav";
    const auto pcm =
        Normalised(guitar.Pluck(kLowestMidi + TokenCode(token), kHeldSeconds, kLengthSeconds),
                   kFadeSeconds, kPeak);
    for (int string = 1; string <= 6; ++string) {
      WriteMonoWav(folder / std::to_string(string) / name, kRenderRate, pcm);
      written.insert(folder / std::to_string(string) / name);
    }
  }
  RemoveStaleFiles(folder, written);
}

}  // namespace

int main(int argc, char** argv) { return RenderMain(argc, argv, "render_sound_set", RenderSet); }
