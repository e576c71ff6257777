// The program's own modules: shared libraries opened only when a run first needs what they bring
// (Qt's GUI parts for fretwise-chord's images; SDL and its decoders for playing), so that starting
// does not load them. Each module exports one C entry point.
#pragma once

#include <string>

namespace fretwise::modules {

using EntryPoint = void (*)();

// The entry point `entry` of the module file `file`, looked for next to the executable (the build
// tree), then in the installed module folder relative to it. nullptr, with one line in error
// naming the `what` module, when it cannot be found or loaded.
EntryPoint LoadEntry(const char* file, const char* entry, const char* what, std::string& error);

}  // namespace fretwise::modules
