// The window on the real SDL sound layer, started in a temporary folder that holds a copy of the
// built sound set (so that a test may break its files) and the instruments' notes, with the
// devices left open in view.
#pragma once

#include <QDir>
#include <filesystem>
#include <set>

#include "sdl/sdl_sound_layer.h"
#include "support/app_rig.h"

namespace fretwise::test {

class RealSoundRig : public AppRig, public SoundLayer {
 protected:
  void SetUp() override {
    AppRig::SetUp();
    std::filesystem::copy(FRETWISE_SOUND_SET, folder_.filePath("wav").toStdString(),
                          std::filesystem::copy_options::recursive);
    std::filesystem::create_directory_symlink(FRETWISE_INSTRUMENT_SETS,
                                              folder_.filePath("instruments").toStdString());
    QDir::setCurrent(folder_.path());  // the program reads .\wav\ under its working directory
  }
  void TearDown() override { AppRig::TearDown(), QDir::setCurrent(startedIn_); }
  SoundLayer& Sound() override { return *this; }
  SoundResult Open(MciOpenRecord& record) override {
    const SoundResult result = layer_.Open(record);
    if (result == 0) openDevices_.insert(record.deviceId);
    return result;
  }
  SoundResult Play(DeviceId device) override { return layer_.Play(device); }
  SoundResult PlayDelayed(DeviceId device, std::chrono::milliseconds delay) override {
    return layer_.PlayDelayed(device, delay);
  }
  SoundResult Close(DeviceId device) override {
    const SoundResult result = layer_.Close(device);
    if (result == 0) openDevices_.erase(device);
    return result;
  }
  void GetErrorText(SoundResult code, char* text, std::size_t size) override {
    layer_.GetErrorText(code, text, size);
  }
  void BeginChord() override { layer_.BeginChord(); }
  void EndChord() override { layer_.EndChord(); }

  const QString startedIn_ = QDir::currentPath();
  SdlSoundLayer layer_;
  std::set<DeviceId> openDevices_;
};

}  // namespace fretwise::test
