#include "sdl/sdl_sound_layer.h"

#include <SDL.h>
#include <SDL_mixer.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <thread>

#include "sdl/delayed_sound.h"
#include "sound/error_text.h"

namespace fretwise {
namespace {

constexpr int kRate = 44100;
constexpr int kOutputChannels = 2;
constexpr int kBufferFrames = 512;
constexpr int kMixerChannels = 8;  // to start with; twice as many when every one is busy

// The element name keeps its backslashes; the file system wants '/'.
std::string FilePath(std::string name) {
  std::replace(name.begin(), name.end(), '\\', '/');
  return name;
}

// A file name in corner brackets, as the messages quote it.
std::string Bracketed(const std::string& name) { return "「" + name + "」"; }

// SDL_mixer keeps the ID of the audio device it opens to itself. It is the only audio device
// this process opens, so it is the one that is not stopped.
SDL_AudioDeviceID MixerDevice() {
  for (SDL_AudioDeviceID id = 1; id <= 32; ++id) {
    if (SDL_GetAudioDeviceStatus(id) != SDL_AUDIO_STOPPED) return id;
  }
  return 0;
}

}  // namespace

std::filesystem::path SdlSoundLayer::InstalledDataFolder() {
  std::error_code error;
  const std::filesystem::path program = std::filesystem::read_symlink("/proc/self/exe", error);
  if (error) return {};
  return (program.parent_path() / FRETWISE_DATA_FROM_BINARY).lexically_normal();
}

SdlSoundLayer::~SdlSoundLayer() {
  if (!audioOpen_) return;
  Mix_HaltChannel(-1);
  devices_.clear();
  kept_.clear();
  Mix_CloseAudio();
  Mix_Quit();
  SDL_QuitSubSystem(SDL_INIT_AUDIO);
}

SoundResult SdlSoundLayer::Open(MciOpenRecord& record) {
  if (record.deviceType != kWaveformAudioDevice) {
    return Fail(kWrongDeviceType,
                "種類 " + std::to_string(record.deviceType) + " のサウンドデバイスは開けません");
  }
  if (const SoundResult result = OpenAudio(); result != 0) return result;
  Chunk chunk;
  if (const SoundResult result = Load(record.elementName, chunk); result != 0) return result;
  record.deviceId = nextDevice_++;
  devices_[record.deviceId] = Device{std::move(chunk)};
  return 0;
}

SoundResult SdlSoundLayer::Play(DeviceId id) { return PlayDelayed(id, {}); }

SoundResult SdlSoundLayer::PlayDelayed(DeviceId id, std::chrono::milliseconds delay) {
  const auto found = devices_.find(id);
  if (found == devices_.end()) {
    return Fail(kNoSuchDevice, "サウンドデバイス " + std::to_string(id) + " は開いていません");
  }
  Device& device = found->second;
  Silence(id, device);  // a second start begins again from the first sample
  device.delayed = delay.count() > 0 ? AfterSilence(*device.chunk, delay) : nullptr;
  device.channel = StartOnFreeChannel(device.delayed ? device.delayed.get() : device.chunk.get());
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
  // SDL would otherwise catch SIGTERM and SIGINT from here on and turn them into quit events that
  // nothing reads, so that neither kill nor Ctrl+C could end the program after its first play.
  SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
  if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) return Fail(kNoAudioDevice, failed + SDL_GetError());
  if (Mix_OpenAudioDevice(kRate, AUDIO_S16SYS, kOutputChannels, kBufferFrames, nullptr, 0) != 0) {
    const std::string reason = Mix_GetError();
    SDL_QuitSubSystem(SDL_INIT_AUDIO);  // so that the next open tries again from the start
    return Fail(kNoAudioDevice, failed + reason);
  }
  audioOpen_ = true;
  // The instruments' notes are FLAC: decoding each costs a quarter of what it does when the
  // decoder is not kept ready.
  Mix_Init(MIX_INIT_FLAC);
  audio_ = MixerDevice();
  // The mixer may give fewer channels than asked: the owners follow what it gave.
  channelOwner_.assign(std::max(Mix_AllocateChannels(kMixerChannels), 0), 0);
  if (inChord_ && audio_ != 0) SDL_PauseAudioDevice(audio_, 1);
  return 0;
}

// Opens the file for reading only if it is a regular file of sensible size: a FIFO or a device
// may never end, and a huge file would be decoded whole into memory before it could be judged.
SoundResult SdlSoundLayer::OpenRegularFile(const std::string& name, int& fd, Stamp& stamp) {
  // Non-blocking, so that opening a FIFO does not wait for a writer.
  fd = ::open(FilePath(name).c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0) {
    if (errno == ENOENT || errno == ENOTDIR)
      return Fail(kFileMissing, "サウンドファイル" + Bracketed(name) + "がありません");
    return Fail(kFileUnreadable,
                "サウンドファイル" + Bracketed(name) + "を開けません: " + std::strerror(errno));
  }
  struct stat info {};
  SoundResult result = 0;
  if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
    result = Fail(kNotAFile, "サウンドファイル" + Bracketed(name) + "はファイルではありません");
  } else if (info.st_size > kLargestSoundFile) {
    result = Fail(kFileTooLarge, "サウンドファイル" + Bracketed(name) + "は大きすぎます (" +
                                     std::to_string(kLargestSoundFile >> 20) + " MB まで)");
  }
  if (result != 0) {
    ::close(fd);
    fd = -1;
  }
  stamp = Stamp{info.st_size, info.st_mtim};
  return result;
}

// The element name as given, or the installed file's path when that one is read.
std::string SdlSoundLayer::Locate(const std::string& name) const {
  const std::filesystem::path path = FilePath(name);
  if (path.is_absolute() || installed_.empty()) return name;
  const auto first =
      std::find_if(path.begin(), path.end(), [](const auto& part) { return part != "."; });
  std::error_code error;
  if (first == path.end() || std::filesystem::exists(*first, error) ||
      !std::filesystem::is_directory(installed_ / *first, error)) {
    return name;
  }
  return (installed_ / path).lexically_normal().string();
}

// Reads and decodes the file unless the same file, unchanged, was decoded before.
SoundResult SdlSoundLayer::Load(const std::string& element, Chunk& chunk) {
  const std::string name = Locate(element);
  int fd = -1;
  Stamp stamp{};
  if (const SoundResult result = OpenRegularFile(name, fd, stamp); result != 0) return result;
  const auto kept = std::find_if(kept_.begin(), kept_.end(),
                                 [&](const Kept& k) { return k.name == name && k.stamp == stamp; });
  if (kept != kept_.end()) {
    ::close(fd);
    chunk = kept->chunk;
    Keep(name, stamp, chunk);
    return 0;
  }
  FILE* file = ::fdopen(fd, "rb");
  SDL_RWops* source = file ? SDL_RWFromFP(file, SDL_TRUE) : nullptr;
  if (source == nullptr) {
    if (file) {
      std::fclose(file);
    } else {
      ::close(fd);
    }
    return Fail(kFileUnreadable, "サウンドファイル" + Bracketed(name) + "を開けません");
  }
  Mix_Chunk* decoded = Mix_LoadWAV_RW(source, 1);
  if (decoded == nullptr)
    return Fail(kNotASound,
                "サウンドファイル" + Bracketed(name) + "を読み込めません: " + Mix_GetError());
  // A device may still hold the sound this one replaces; it is freed when that device closes.
  chunk = Chunk(decoded, Mix_FreeChunk);
  Keep(name, stamp, chunk);
  return 0;
}

// The file becomes the most recently opened; the least recent beyond the bound are let go.
void SdlSoundLayer::Keep(const std::string& name, const Stamp& stamp, const Chunk& chunk) {
  std::erase_if(kept_, [&](const Kept& k) { return k.name == name; });
  kept_.push_back(Kept{name, stamp, chunk});
  if (kept_.size() > kKeptSounds) kept_.erase(kept_.begin());
}

// Every channel busy: twice as many, up to the bound. When the mixer gives no more, the start
// fails with the mixer's reason for the first try.
int SdlSoundLayer::StartOnFreeChannel(Mix_Chunk* chunk) {
  const int channel = Mix_PlayChannel(-1, chunk, 0);
  if (channel >= 0) return channel;
  const int had = int(channelOwner_.size());
  const int wanted = std::min(std::max(2 * had, kMixerChannels), kMostChannels);
  if (wanted <= had) return -1;
  const int got = Mix_AllocateChannels(wanted);
  channelOwner_.resize(std::max(got, 0), 0);
  return got > had ? Mix_PlayChannel(-1, chunk, 0) : -1;
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
