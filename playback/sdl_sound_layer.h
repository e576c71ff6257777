// The sound layer over SDL2_mixer. Each open device holds a decoded sound; a start puts it on a
// free mixer channel from its first sample. Decoded sounds are kept, keyed by file, so a second
// open of a file that has not changed is cheap. One layer per process: SDL_mixer's audio output
// is the process's own.
#pragma once

#include <SDL_audio.h>

#include <chrono>
#include <filesystem>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "playback/sound_layer.h"

struct Mix_Chunk;

namespace fretwise {

class SdlSoundLayer final : public SoundLayer {
 public:
  // The result codes of this layer; 0 is success.
  enum Code : SoundResult {
    kNoAudioDevice = 1,
    kFileMissing,
    kFileUnreadable,
    kNotASound,
    kWrongDeviceType,
    kNoSuchDevice,
    kNoChannel,
  };

  SdlSoundLayer() = default;
  ~SdlSoundLayer() override;
  SdlSoundLayer(const SdlSoundLayer&) = delete;
  SdlSoundLayer& operator=(const SdlSoundLayer&) = delete;

  // Opens the audio output first if it is not open: 44.1 kHz, 16-bit stereo, 512-frame buffers.
  // The element name is relative to the working directory; its backslashes separate folders.
  SoundResult Open(MciOpenRecord& record) override;
  SoundResult Play(DeviceId device) override;
  SoundResult Close(DeviceId device) override;
  // The text of the last failure with that code, naming its file and reason; Japanese, UTF-8.
  void GetErrorText(SoundResult code, char* buffer, std::size_t capacity) override;
  // The audio output is paused from BeginChord to EndChord, so the notes started in between are
  // mixed from the same buffer on.
  void BeginChord() override;
  void EndChord() override;

  // Returns when no started sound is still playing, or after the limit.
  void WaitUntilSilent(std::chrono::milliseconds limit) const;

 private:
  struct Sound {
    Mix_Chunk* chunk;
    std::filesystem::file_time_type modified;
    std::uintmax_t size;
  };
  struct Device {
    Mix_Chunk* chunk;
    int channel = -1;  // the channel it was last started on
  };

  SoundResult OpenAudio();
  SoundResult Load(const std::string& name, Mix_Chunk*& chunk);
  int StartOnFreeChannel(Mix_Chunk* chunk);
  void Silence(DeviceId id, const Device& device);
  SoundResult Fail(Code code, std::string text);

  bool audioOpen_ = false;
  SDL_AudioDeviceID audio_ = 0;  // SDL_mixer's device, paused during a chord
  bool inChord_ = false;
  std::map<std::string, Sound> sounds_;  // by element name
  std::vector<Mix_Chunk*> retired_;      // replaced in sounds_; freed with the layer
  std::map<DeviceId, Device> devices_;
  std::vector<DeviceId> channelOwner_;  // the device last started on each channel
  DeviceId nextDevice_ = 1;
  std::map<SoundResult, std::string> lastText_;
};

}  // namespace fretwise
