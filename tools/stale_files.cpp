#include "tools/stale_files.h"

#include <vector>

namespace fretwise {

void RemoveStaleFiles(const std::filesystem::path& folder,
                      const std::set<std::filesystem::path>& written) {
  std::vector<std::filesystem::path> stale;
  for (const auto& entry : std::filesystem::recursive_directory_iterator(folder)) {
    if (!written.contains(entry.path()) && entry.path() != folder / "rendered.stamp")
      stale.push_back(entry.path());
  }
  for (const auto& path : stale) std::filesystem::remove_all(path);
}

}  // namespace fretwise
