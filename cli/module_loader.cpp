#include "modules/module_loader.h"

#include "cli/chord_modules.h"

namespace fretwise::cli {
namespace {

template <typename Module>
Module* Load(const char* file, const char* entry, const char* what, std::string& error) {
  using Entry = Module* (*)();
  const auto instance = reinterpret_cast<Entry>(modules::LoadEntry(file, entry, what, error));
  return instance ? instance() : nullptr;
}

}  // namespace

ImageModule* LoadImageModule(std::string& error) {
  return Load<ImageModule>(FRETWISE_IMAGE_MODULE, "fretwise_image_module", "image", error);
}

PlayModule* LoadPlayModule(std::string& error) {
  return Load<PlayModule>(FRETWISE_PLAY_MODULE, "fretwise_play_module", "play", error);
}

}  // namespace fretwise::cli
