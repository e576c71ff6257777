// Renders the instruments' note sets that voicings are played with:
// instruments/<set>/<pitch>.flac, one plucked note for each pitch of each set in
// playback/note_sets.h, in the set's General MIDI sound; 44.1 kHz, 16-bit mono FLAC. Any failure
// ends with one line naming it and exit status 1.
//
// Usage: render_instrument_sets SOUNDFONT OUTPUT_FOLDER
#include <filesystem>
#include <set>
#include <string>

#include "pitch/pitch.h"
#include "playback/note_sets.h"
#include "tools/flac_writer.h"
#include "tools/plucked_note.h"
#include "tools/render_tool.h"

namespace fs = std::filesystem;
using namespace fretwise;

namespace {

// Long enough for a strum's last string to ring with the first, short enough that a note costs
// little to decode and clicking through voicings never piles up long tails.
constexpr double kHeldSeconds = 1.2;  // then the string is damped
constexpr double kLengthSeconds = 1.5;
constexpr double kFadeSeconds = 0.05;
// As loud as the panel's notes: each peaks at -12 dBFS.
constexpr double kPeak = 0.25;

void RenderSets(const std::string& soundFont, const fs::path& folder) {
  std::set<fs::path> written;
  for (const playback::NoteSet& set : playback::kNoteSets) {
    const fs::path setFolder = folder / set.folder;
    fs::create_directories(setFolder);
    written.insert(setFolder);
    NoteRenderer instrument(soundFont, set.program);
    for (int midi = set.lowest; midi <= set.highest; ++midi) {
      const fs::path file = setFolder / (PitchName(midi) + ".flac");
      WriteMonoFlac(
          file, kRenderRate,
          Normalised(instrument.Pluck(midi, kHeldSeconds, kLengthSeconds), kFadeSeconds, kPeak));
      written.insert(file);
    }
  }
  RemoveStaleFiles(folder, written);
}

}  // namespace

int main(int argc, char** argv) {
  return RenderMain(argc, argv, "render_instrument_sets", RenderSets);
}
