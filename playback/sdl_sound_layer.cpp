#include "playback/sdl_sound_layer.h"

#include <SDL.h>
#include <SDL_mixer.h>

#include <algorithm>
#include <thread>

#include "playback/error_text.h"

namespace fretwise {
namespace {

namespace fs = std::filesystem;

constexpr int kRate = 44100;
constexpr int kOutputChannels = 2;
constexpr int kBufferFrames = 512;
constexpr int kMixerChannels = 8;  // more are allocated when every one is busy

// The element name keeps its backslashes; the file system wants '/'.
std::string FilePath(std::string name) {
  std::replace(name.begin(), name.end(), '\\', '/');
  return name;
}

std::string Quoted(const std::string& name) { return "「" + name + "」"; }

// SDL_mixer keeps the ID of the audio device it opens to itself. It is the only audio device
// this process opens, so it is the one that is not stopped.
SDL_AudioDeviceID MixerDevice() {
  for (SDL_AudioDeviceID id = 1; id <= 32; ++id) {
    if (SDL_GetAudioDeviceStatus(id) != SDL_AUDIO_STOPPED) return id;
  }
  return 0;
}

}  // namespace

SdlSoundLayer::~SdlSoundLayer() {
  if (!audioOpen_) return;
  Mix_HaltChannel(-1);
  Mix_CloseAudio();
  for (auto& [name, sound] : sounds_) Mix_FreeChunk(sound.chunk);
  for (Mix_Chunk* chunk : retired_) Mix_FreeChunk(chunk);
  SDL_QuitSubSystem(SDL_INIT_AUDIO);
}

SoundResult SdlSoundLayer::Open(MciOpenRecord& record) {
  if (record.deviceType != kWaveformAudioDevice) {
    return Fail(kWrongDeviceType,
                "種類 " + std::to_string(record.deviceType) + " のサウンドデバイスは開けません");
  }
  if (const SoundResult result = OpenAudio(); result != 0) return result;
  Mix_Chunk* chunk = nullptr;
  if (const SoundResult result = Load(record.elementName, chunk); result != 0) return result;
  record.deviceId = nextDevice_++;
  devices_[record.deviceId] = Device{chunk};
  return 0;
}

SoundResult SdlSoundLayer::Play(DeviceId id) {
  const auto found = devices_.find(id);
  if (found == devices_.end()) {
    return Fail(kNoSuchDevice, "サウンドデバイス " + std::to_string(id) + " は開いていません");
  }
  Device& device = found->second;
  Silence(id, device);  // a second start begins again from the first sample
  device.channel = StartOnFreeChannel(device.chunk);
  if (device.channel < 0) {
    return Fail(kNoChannel,
                "サウンドデバイス " + std::to_string(id) + " を鳴らせません: " + Mix_GetError());
  }
  channelOwner_[device.channel] = id;
  return 0;
}

SoundResult SdlSoundLayer::Close(DeviceId id) {
  const auto found = devices_.find(id);
  if (found == devices_.end()) {
    return Fail(kNoSuchDevice, "サウンドデバイス " + std::to_string(id) + " は開いていません");
  }
  Silence(id, found->second);
  devices_.erase(found);
  return 0;
}

void SdlSoundLayer::GetErrorText(SoundResult code, char* buffer, std::size_t capacity) {
  const auto found = lastText_.find(code);
  const std::string text = found != lastText_.end() ? found->second
                                                    : "サウンドデバイスのエラーです (コード " +
                                                          std::to_string(code) + ")";
  CopyErrorText(text, buffer, capacity);
}

void SdlSoundLayer::BeginChord() {
  inChord_ = true;
  if (audio_ != 0) SDL_PauseAudioDevice(audio_, 1);
}

void SdlSoundLayer::EndChord() {
  inChord_ = false;
  if (audio_ != 0) SDL_PauseAudioDevice(audio_, 0);
}

void SdlSoundLayer::WaitUntilSilent(std::chrono::milliseconds limit) const {
  const auto end = std::chrono::steady_clock::now() + limit;
  while (audioOpen_ && Mix_Playing(-1) > 0 && std::chrono::steady_clock::now() < end)
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
}

SoundResult SdlSoundLayer::OpenAudio() {
  if (audioOpen_) return 0;
  const std::string failed = "オーディオデバイスを開けません: ";
  if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) return Fail(kNoAudioDevice, failed + SDL_GetError());
  if (Mix_OpenAudioDevice(kRate, AUDIO_S16SYS, kOutputChannels, kBufferFrames, nullptr, 0) != 0) {
    const std::string reason = Mix_GetError();
    SDL_QuitSubSystem(SDL_INIT_AUDIO);  // so that the next open tries again from the start
    return Fail(kNoAudioDevice, failed + reason);
  }
  audioOpen_ = true;
  audio_ = MixerDevice();
  Mix_AllocateChannels(kMixerChannels);
  channelOwner_.assign(kMixerChannels, 0);
  if (inChord_ && audio_ != 0) SDL_PauseAudioDevice(audio_, 1);
  return 0;
}

// Reads and decodes the file unless the same file, unchanged, was decoded before.
SoundResult SdlSoundLayer::Load(const std::string& name, Mix_Chunk*& chunk) {
  const std::string path = FilePath(name);
  std::error_code error;
  if (!fs::exists(fs::status(path, error)))
    return Fail(kFileMissing, "サウンドファイル" + Quoted(name) + "がありません");
  std::error_code sizeError;
  const auto modified = fs::last_write_time(path, error);
  const auto size = fs::file_size(path, sizeError);
  const auto kept = sounds_.find(name);
  if (!error && !sizeError && kept != sounds_.end() && kept->second.modified == modified &&
      kept->second.size == size) {
    chunk = kept->second.chunk;
    return 0;
  }
  SDL_RWops* file = SDL_RWFromFile(path.c_str(), "rb");
  if (file == nullptr)
    return Fail(kFileUnreadable,
                "サウンドファイル" + Quoted(name) + "を開けません: " + SDL_GetError());
  chunk = Mix_LoadWAV_RW(file, 1);
  if (chunk == nullptr)
    return Fail(kNotASound,
                "サウンドファイル" + Quoted(name) + "を読み込めません: " + Mix_GetError());
  // A device of an earlier open may still hold the sound this one replaces.
  if (kept != sounds_.end()) retired_.push_back(kept->second.chunk);
  sounds_[name] = Sound{chunk, modified, size};
  return 0;
}

int SdlSoundLayer::StartOnFreeChannel(Mix_Chunk* chunk) {
  int channel = Mix_PlayChannel(-1, chunk, 0);
  if (channel < 0) {
    const int more = 2 * Mix_AllocateChannels(-1);
    Mix_AllocateChannels(more);
    channelOwner_.resize(more, 0);
    channel = Mix_PlayChannel(-1, chunk, 0);
  }
  return channel;
}

// Halts the device's channel only while it still plays this device's sound.
void SdlSoundLayer::Silence(DeviceId id, const Device& device) {
  if (device.channel < 0 || channelOwner_[device.channel] != id) return;
  if (Mix_Playing(device.channel)) Mix_HaltChannel(device.channel);
  channelOwner_[device.channel] = 0;
}

SoundResult SdlSoundLayer::Fail(Code code, std::string text) {
  lastText_[code] = std::move(text);
  return code;
}

}  // namespace fretwise
