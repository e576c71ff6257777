#include "app/lazy_sound_layer.h"

#include "modules/module_loader.h"
#include "sound/error_text.h"

namespace fretwise::app {

bool LazySoundLayer::Made() {
  if (!layer_) layer_ = make_(error_);
  return layer_ != nullptr;
}

void LazySoundLayer::GetErrorText(SoundResult code, char* buffer, std::size_t capacity) {
  if (layer_) return layer_->GetErrorText(code, buffer, capacity);
  // As the SDL layer words an output it cannot open.
  CopyErrorText("オーディオデバイスを開けません: " + error_, buffer, capacity);
}

std::unique_ptr<SoundLayer> LoadSdlSoundLayer(std::string& error) {
  using Make = SoundLayer* (*)();
  const auto make = reinterpret_cast<Make>(
      modules::LoadEntry(FRETWISE_SOUND_MODULE, "fretwise_make_sound_layer", "sound", error));
  return std::unique_ptr<SoundLayer>(make ? make() : nullptr);
}

}  // namespace fretwise::app
