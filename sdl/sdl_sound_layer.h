// The sound layer over SDL2_mixer. Each open device holds a decoded sound (WAV or FLAC); a start
// puts it on a free mixer channel from its first sample. The sounds of the last two chords stay
// decoded, keyed by file, so that playing a chord again is cheap while a long session holds no more
// than that. One layer per process: SDL_mixer's audio output is the process's own.
#pragma once

#include <SDL_audio.h>

#include <chrono>
#include <cstdint>
#include <ctime>
#include <filesystem>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "sound/sound_layer.h"

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
    kNotAFile,      // a folder, a device, a FIFO: never read, as it may never end
    kFileTooLarge,  // refused before decoding
  };

  // Far above any note of the sound set (about 1 MB each).
  static constexpr std::int64_t kLargestSoundFile = std::int64_t{64} << 20;
  // The notes of the current chord and of the previous one, of up to eight strings.
  static constexpr std::size_t kKeptSounds = 16;
  // Devices sounding at once, each on a mixer channel of its own (a chord sounds up to eight); a
  // start beyond them fails with kNoChannel, as one does when the mixer gives no more channels.
  static constexpr int kMostChannels = 64;

  SdlSoundLayer() = default;
  ~SdlSoundLayer() override;
  SdlSoundLayer(const SdlSoundLayer&) = delete;
  SdlSoundLayer& operator=(const SdlSoundLayer&) = delete;

  // Opens the audio output first if it is not open: 44.1 kHz, 16-bit stereo, 512-frame buffers.
  // The element name's backslashes separate folders. A relative name is read under the working
  // directory when its first folder is there (".\wav\1\E2.wav" from ./wav), else under the
  // installed folder when that has it; messages name the file that was read.
  SoundResult Open(MciOpenRecord& record) override;
  SoundResult Play(DeviceId device) override;
  // The delay is exact to the frame: the sound is started with the others, led by silence.
  SoundResult PlayDelayed(DeviceId device, std::chrono::milliseconds delay) override;
  SoundResult Close(DeviceId device) override;
  // The text of the last failure with that code, naming its file and reason; Japanese, UTF-8.
  void GetErrorText(SoundResult code, char* buffer, std::size_t capacity) override;
  // The audio output is paused from BeginChord to EndChord, so the notes started in between are
  // mixed from the same buffer on.
  void BeginChord() override;
  void EndChord() override;

  // Returns when no started sound is still playing, or after the limit.
  void WaitUntilSilent(std::chrono::milliseconds limit) const;
  // How many decoded sounds the layer keeps for later opens; at most kKeptSounds.
  std::size_t KeptSoundCount() const { return kept_.size(); }

 private:
  // <datadir>/fretwise of the installation this program runs from, found from its own folder, so
  // that any prefix works.
  static std::filesystem::path InstalledDataFolder();
  using Chunk = std::shared_ptr<Mix_Chunk>;  // freed when neither the cache nor a device holds it
  // What tells a changed file from the one decoded before.
  struct Stamp {
    std::int64_t size;
    timespec modified;
    bool operator==(const Stamp& other) const {
      return size == other.size && modified.tv_sec == other.modified.tv_sec &&
             modified.tv_nsec == other.modified.tv_nsec;
    }
  };
  struct Kept {
    std::string name;
    Stamp stamp;
    Chunk chunk;
  };
  struct Device {
    Chunk chunk;
    Chunk delayed = nullptr;  // what a delayed start plays: the chunk after silence
    int channel = -1;         // the channel it was last started on
  };

  std::string Locate(const std::string& name) const;
  SoundResult OpenAudio();
  SoundResult OpenRegularFile(const std::string& name, int& fd, Stamp& stamp);
  SoundResult Load(const std::string& element, Chunk& chunk);
  void Keep(const std::string& name, const Stamp& stamp, const Chunk& chunk);
  int StartOnFreeChannel(Mix_Chunk* chunk);
  void Silence(DeviceId id, const Device& device);
  SoundResult Fail(Code code, std::string text);

  // Read where the working directory lacks a sound file's first folder (see Open); empty for none.
  std::filesystem::path installed_ = InstalledDataFolder();
  bool audioOpen_ = false;
  SDL_AudioDeviceID audio_ = 0;  // SDL_mixer's device, paused during a chord
  bool inChord_ = false;
  std::vector<Kept> kept_;  // least recently opened first
  std::map<DeviceId, Device> devices_;
  std::vector<DeviceId> channelOwner_;  // the device last started on each channel
  DeviceId nextDevice_ = 1;
  std::map<SoundResult, std::string> lastText_;
};

}  // namespace fretwise
