// The window's sound layer, made on its first use: the window starts without loading SDL and the
// decoders it brings (about 12 ms and 4.5 MB before any sound), and loads them when a chord is
// first played, as fretwise-chord does.
#pragma once

#include <functional>
#include <memory>
#include <string>

#include "sound/sound_layer.h"

namespace fretwise::app {

class LazySoundLayer final : public SoundLayer {
 public:
  // Makes the real layer, or gives nothing with the reason in error.
  using Factory = std::function<std::unique_ptr<SoundLayer>(std::string& error)>;
  // The result code while the real layer cannot be made; its text says why.
  static constexpr SoundResult kNoSoundLayer = 1;

  explicit LazySoundLayer(Factory make) : make_(std::move(make)) {}

  SoundResult Open(MciOpenRecord& record) override {
    return Made() ? layer_->Open(record) : kNoSoundLayer;
  }
  SoundResult Play(DeviceId device) override {
    return Made() ? layer_->Play(device) : kNoSoundLayer;
  }
  // A strum's later strings: the port's default would start them at once.
  SoundResult PlayDelayed(DeviceId device, std::chrono::milliseconds delay) override {
    return Made() ? layer_->PlayDelayed(device, delay) : kNoSoundLayer;
  }
  SoundResult Close(DeviceId device) override {
    return Made() ? layer_->Close(device) : kNoSoundLayer;
  }
  void GetErrorText(SoundResult code, char* buffer, std::size_t capacity) override;
  // A chord begins before its first open: the real layer must hold it back too.
  void BeginChord() override {
    if (Made()) layer_->BeginChord();
  }
  void EndChord() override {
    if (layer_) layer_->EndChord();
  }

  bool made() const { return layer_ != nullptr; }

 private:
  // Makes the real layer if it is not there yet; tried again on each use after a failure.
  bool Made();

  Factory make_;
  std::unique_ptr<SoundLayer> layer_;
  std::string error_;  // why the real layer could not be made
};

// The SDL2_mixer layer from the window's sound module, found next to the program or in the
// installed module folder.
std::unique_ptr<SoundLayer> LoadSdlSoundLayer(std::string& error);

}  // namespace fretwise::app
