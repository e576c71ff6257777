#include "playback/voicing_player.h"

#include <algorithm>
#include <array>

#include "sound/error_text.h"

namespace fretwise::playback {
namespace {

struct Note {
  std::string file;
  std::chrono::milliseconds delay;
};

// Each sounding string's file and its start after the stroke's first sounding string.
std::vector<Note> StrummedNotes(std::span<const int> pitches, Instrument instrument, Strum strum) {
  const std::chrono::milliseconds step = std::clamp(strum.between, {}, kSlowestStrum);
  const int count = static_cast<int>(pitches.size());
  std::vector<Note> notes;
  int first = -1;  // the turn of the stroke's first sounding string
  for (int turn = 0; turn < count; ++turn) {
    const int midi = pitches[strum.stroke == Stroke::kDown ? turn : count - 1 - turn];
    if (midi == kMutedString) continue;
    if (first < 0) first = turn;
    notes.push_back({NoteFile(instrument, midi), step * (turn - first)});
  }
  return notes;
}

}  // namespace

SoundResult VoicingPlayer::Play(std::span<const int> pitches, Instrument instrument, Strum strum) {
  SoundResult result = Stop();
  if (result != 0) return result;
  const std::vector<Note> notes = StrummedNotes(pitches, instrument, strum);
  // Every file is decoded before the first note starts, so the strum's timing owes nothing to it.
  for (const Note& note : notes) {
    MciOpenRecord record{0, kWaveformAudioDevice, note.file};
    if ((result = sound_.Open(record)) != 0) break;
    devices_.push_back(record.deviceId);
  }
  sound_.BeginChord();
  for (std::size_t i = 0; result == 0 && i < notes.size(); ++i)
    result = sound_.PlayDelayed(devices_[i], notes[i].delay);
  if (result != 0) Stop();  // before the chord's end lets any note be heard
  sound_.EndChord();
  return result;
}

SoundResult VoicingPlayer::Stop() {
  SoundResult first = 0;
  for (const DeviceId device : devices_) {
    const SoundResult result = sound_.Close(device);
    if (first == 0) first = result;
  }
  devices_.clear();
  return first;
}

std::string VoicingPlayer::ErrorText(SoundResult code) {
  std::array<char, 256> text{};
  sound_.GetErrorText(code, text.data(), text.size());
  text.back() = '\0';
  return std::string(CompleteUtf8Prefix(text.data()));
}

}  // namespace fretwise::playback
