// The play command: one sound device per collected note, opened on the note's sound file and
// started at once, so that the notes sound together as a chord.
#include <algorithm>
#include <string>

#include "sound/error_text.h"
#include "view/view_core.h"

namespace fretwise {
namespace {

// Sound-file paths are relative to this folder under the working directory.
constexpr std::string_view kSoundFolder = ".\\wav\\";

}  // namespace

ViewCore::~ViewCore() {
  if (m_devicesOpen != 0) CloseSoundDevices();
}

void ViewCore::OnPlay() {
  if (m_noteCount > kMaxPlayNotes) {
    ports_.messages.Show(kTooManyNotes);  // the previous play sounds on
    return;
  }
  // A message box below runs a message loop whose paint may rebuild the list: the play goes on
  // with the notes it took here.
  const int n = m_noteCount;
  std::array<std::string, kMaxPlayNotes> paths;
  for (int i = 0; i < n; ++i) paths[i] = std::string(kSoundFolder) + m_soundFiles[i];

  if (m_devicesOpen != 0) CloseSoundDevices();
  // Kept current as devices open, so that a close run while a message is up closes exactly them.
  m_openDeviceCount = 0;

  SoundLayer& sound = ports_.sound;
  sound.BeginChord();
  for (int i = 0; i < n; ++i) {
    MciOpenRecord& record = m_mciOpen[i];
    record.deviceType = kWaveformAudioDevice;
    record.elementName = paths[i];
    m_mciError = sound.Open(record);
    if (m_mciError != 0) {
      // A modal message must not hold back the notes already started.
      sound.EndChord();
      ShowSoundError();
      return;  // the notes opened so far sound on; the rest are not opened
    }
    m_devicesOpen = 1;
    m_openDeviceCount = i + 1;
    m_mciError = sound.Play(record.deviceId);
    if (m_mciError != 0) {
      sound.EndChord();
      ShowSoundError();  // the device stays open and counted
      sound.BeginChord();
    }
  }
  sound.EndChord();
}

void ViewCore::CloseSoundDevices() {
  const int k = std::min(m_openDeviceCount, kMaxPlayNotes);
  for (int j = 0; j < k; ++j) {
    m_mciError = ports_.sound.Close(m_mciOpen[j].deviceId);
    if (m_mciError != 0) ShowSoundError();
  }
  m_devicesOpen = 0;
}

void ViewCore::ShowSoundError() {
  ports_.sound.GetErrorText(m_mciError, m_mciErrorText.data(), m_mciErrorText.size());
  // Whatever the layer wrote ends within the buffer and on a character boundary.
  m_mciErrorText.back() = '\0';
  CopyErrorText(m_mciErrorText.data(), m_mciErrorText.data(), m_mciErrorText.size());
  ports_.messages.Show(m_mciErrorText.data());
}

}  // namespace fretwise
