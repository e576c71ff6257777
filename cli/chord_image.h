#pragma once

#include <QString>
#include <optional>
#include <string>

#include "notes/slot_buttons.h"

namespace fretwise::cli {

// The view's drawing as the window shows it after a paint and candidate - 1 next-candidate
// presses: white, the legend, the staff with the notes and the diagram, no controls.
inline constexpr int kImageWidth = 800;
inline constexpr int kImageHeight = 480;

struct ImageResult {
  bool written = false;
  std::string error;                   // one line naming the path, when not written
  std::optional<std::string> message;  // the message the view showed, if any
};

// path "-" is standard output.
ImageResult WritePng(const QString& path, const TickSet& ticks, int candidate);
ImageResult WriteSvg(const QString& path, const TickSet& ticks, int candidate);

}  // namespace fretwise::cli
