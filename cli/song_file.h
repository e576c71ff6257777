// A ChordPro song named on the command line, read safely: only a regular file, and not a large one.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace fretwise::cli {

// A song is text; a songbook of a few hundred songs stays far below this.
inline constexpr std::int64_t kLargestSong = std::int64_t{1} << 20;

// The file's bytes, or nothing with one line in error ("cannot read 'x.cho': ...") for a file
// that is missing, unreadable, not a regular file (a FIFO or device is refused without waiting on
// it) or larger than kLargestSong.
std::optional<std::string> ReadSongFile(const std::string& path, std::string& error);

}  // namespace fretwise::cli
