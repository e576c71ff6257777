// The window on the real SDL sound layer, started in a temporary folder that holds a copy of the
// built sound set (so that a test may break its files).
#pragma once

#include <set>

#include "playback/sdl_sound_layer.h"
#include "support/app_rig.h"

namespace fretwise::test {

// Passes every command on, and keeps the devices that are open.
class DeviceWatch final : public SoundLayer {
 public:
  explicit DeviceWatch(SoundLayer& layer) : layer_(layer) {}
  SoundResult Open(MciOpenRecord& record) override {
    const SoundResult result = layer_.Open(record);
    if (result == 0) open.insert(record.deviceId);
    return result;
  }
  SoundResult Play(DeviceId device) override { return layer_.Play(device); }
  SoundResult Close(DeviceId device) override {
    const SoundResult result = layer_.Close(device);
    if (result == 0) open.erase(device);
    return result;
  }
  void GetErrorText(SoundResult code, char* buffer, std::size_t capacity) override {
    layer_.GetErrorText(code, buffer, capacity);
  }
  void BeginChord() override { layer_.BeginChord(); }
  void EndChord() override { layer_.EndChord(); }
  std::set<DeviceId> open;

 private:
  SoundLayer& layer_;
};

class RealSoundRig : public AppRig {
 protected:
  void SetUp() override;
  void TearDown() override;
  SoundLayer& Sound() override { return devices_; }
  // The file a sound-file path of the view names, in the copy of the sound set.
  QString SoundFile(const std::string& soundFilePath) const;

  QString startedIn_;
  SdlSoundLayer layer_;
  DeviceWatch devices_{layer_};
};

}  // namespace fretwise::test
