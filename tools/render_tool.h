// What the tools that render a set share: their command line and failures, and a folder that
// holds what the render wrote and nothing else.
#pragma once

#include <filesystem>
#include <set>
#include <string>

namespace fretwise {

// The set's renderer: reads the sound font, writes the folder; throws on any failure.
using SetRenderer = void (*)(const std::string& soundFont, const std::filesystem::path& folder);

// Runs `render` on the arguments SOUNDFONT OUTPUT_FOLDER. A failure ends with one line naming it
// and exit status 1 (2 for a wrong command line); FluidSynth's own notices stay off stderr.
int RenderMain(int argc, char** argv, const char* name, SetRenderer render);

// Removes what an earlier render wrote under names this one no longer uses, which would be
// installed and found by the sets' checks; the build's stamp, rendered.stamp, stays.
void RemoveStaleFiles(const std::filesystem::path& folder,
                      const std::set<std::filesystem::path>& written);

}  // namespace fretwise
