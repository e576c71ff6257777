// A rendered set's folder holds what this render wrote and nothing else.
#pragma once

#include <filesystem>
#include <set>

namespace fretwise {

// Removes what an earlier render wrote under names this one no longer uses, which would be
// installed and found by the sets' checks; the build's stamp, rendered.stamp, stays.
void RemoveStaleFiles(const std::filesystem::path& folder,
                      const std::set<std::filesystem::path>& written);

}  // namespace fretwise
