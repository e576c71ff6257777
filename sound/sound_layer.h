// The sound layer the play logic drives: one device per note, opened on a sound file, played from
// its start and closed. Every operation returns a result code, 0 for success.
#pragma once

#include <chrono>
#include <cstddef>
#include <cstdint>
#include <string>

namespace fretwise {

using SoundResult = std::uint32_t;
using DeviceId = std::uint32_t;

inline constexpr std::uint32_t kWaveformAudioDevice = 522;

// The parameters and result of one device open.
struct MciOpenRecord {
  DeviceId deviceId = 0;         // written by a successful open
  std::uint32_t deviceType = 0;  // kWaveformAudioDevice
  std::string elementName;       // the full path of the sound file, backslashes as stored
};

class SoundLayer {
 public:
  virtual ~SoundLayer() = default;
  // Returns once the file is open and ready to play, with a new device in record.deviceId; on
  // failure no device exists.
  virtual SoundResult Open(MciOpenRecord& record) = 0;
  // Starts the device's sound from its beginning and returns at once; devices sound together.
  virtual SoundResult Play(DeviceId device) = 0;
  // As Play, but the sound begins `delay` later, counted from the chord's start between
  // BeginChord and EndChord, so that strummed strings sound one after another. A layer that
  // cannot wait starts the sound at once.
  virtual SoundResult PlayDelayed(DeviceId device, std::chrono::milliseconds /*delay*/) {
    return Play(device);
  }
  // Returns once the device is silent and released.
  virtual SoundResult Close(DeviceId device) = 0;
  // A NUL-terminated text for the code, cut to fit capacity (terminator included).
  virtual void GetErrorText(SoundResult code, char* buffer, std::size_t capacity) = 0;
  // Sounds started between BeginChord and EndChord start at the same moment. A message shown in
  // between would hold them back, so the play logic ends the chord before it shows one.
  virtual void BeginChord() {}
  virtual void EndChord() {}
};

}  // namespace fretwise
