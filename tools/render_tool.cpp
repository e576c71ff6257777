#include "tools/render_tool.h"

#include <cstdio>
#include <exception>
#include <vector>

#include "tools/plucked_note.h"

namespace fretwise {

int RenderMain(int argc, char** argv, const char* name, SetRenderer render) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: %s SOUNDFONT OUTPUT_FOLDER\n", name);
    return 2;
  }
  try {
    QuietFluidSynth();
    render(argv[1], argv[2]);
  } catch (const std::exception& e) {
    std::fprintf(stderr, "%s: %s\n", name, e.what());
    return 1;
  }
  return 0;
}

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
