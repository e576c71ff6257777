#include <QLibrary>
#include <filesystem>

#include "cli/chord_modules.h"

namespace fretwise::cli {
namespace {

// The folders to look in, in order. The executable's own folder is read from /proc, as the
// image module must be found before any Qt application object exists.
std::vector<std::filesystem::path> ModuleFolders() {
  std::error_code error;
  const std::filesystem::path self = std::filesystem::read_symlink("/proc/self/exe", error);
  if (error) return {};
  const std::filesystem::path bin = self.parent_path();
  return {bin, (bin / FRETWISE_MODULE_DIR_FROM_BIN).lexically_normal()};
}

template <typename Module>
Module* Load(const char* file, const char* entry, const char* what, std::string& error) {
  const auto folders = ModuleFolders();
  for (const std::filesystem::path& folder : folders) {
    const std::filesystem::path path = folder / file;
    if (!std::filesystem::exists(path)) continue;
    QLibrary library(QString::fromStdString(path.string()));
    using Entry = Module* (*)();
    if (const auto instance = reinterpret_cast<Entry>(library.resolve(entry))) return instance();
    error =
        std::string("cannot load the ") + what + " module: " + library.errorString().toStdString();
    return nullptr;
  }
  error = std::string("cannot find the ") + what + " module " + file + " in " +
          (folders.empty() ? std::string("the executable's folder")
                           : folders.front().string() + " or " + folders.back().string());
  return nullptr;
}

}  // namespace

ImageModule* LoadImageModule(std::string& error) {
  return Load<ImageModule>(FRETWISE_IMAGE_MODULE, "fretwise_image_module", "image", error);
}

PlayModule* LoadPlayModule(std::string& error) {
  return Load<PlayModule>(FRETWISE_PLAY_MODULE, "fretwise_play_module", "play", error);
}

}  // namespace fretwise::cli
