// The view's drawing on any paint device (an image, an SVG document), as the window shows it
// after a paint and candidate - 1 next-candidate presses: white, the legend, the staff with the
// notes and the diagram, no controls.
#pragma once

#include <optional>
#include <string>

#include "view/slot_buttons.h"

class QPaintDevice;

namespace fretwise {

// The message the view showed, if any; no press is made after it.
std::optional<std::string> DrawView(QPaintDevice& device, const TickSet& ticks, int candidate);

}  // namespace fretwise
