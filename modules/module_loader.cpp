#include "modules/module_loader.h"

#include <QLibrary>
#include <filesystem>
#include <vector>

namespace fretwise::modules {
namespace {

// The folders to look in, in order. The executable's own folder is read from /proc, as a module
// may be needed before any Qt application object exists.
std::vector<std::filesystem::path> ModuleFolders() {
  std::error_code error;
  const std::filesystem::path self = std::filesystem::read_symlink("/proc/self/exe", error);
  if (error) return {};
  const std::filesystem::path bin = self.parent_path();
  return {bin, (bin / FRETWISE_MODULE_DIR_FROM_BIN).lexically_normal()};
}

}  // namespace

EntryPoint LoadEntry(const char* file, const char* entry, const char* what, std::string& error) {
  const auto folders = ModuleFolders();
  for (const std::filesystem::path& folder : folders) {
    const std::filesystem::path path = folder / file;
    if (!std::filesystem::exists(path)) continue;
    QLibrary library(QString::fromStdString(path.string()));
    if (const EntryPoint found = library.resolve(entry)) return found;
    error =
        std::string("cannot load the ") + what + " module: " + library.errorString().toStdString();
    return nullptr;
  }
  error = std::string("cannot find the ") + what + " module " + file + " in " +
          (folders.empty() ? std::string("the executable's folder")
                           : folders.front().string() + " or " + folders.back().string());
  return nullptr;
}

}  // namespace fretwise::modules
