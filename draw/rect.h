#pragma once

namespace fretwise {

// Left, top, right, bottom in view client pixels; right and bottom are exclusive.
struct Rect {
  int left;
  int top;
  int right;
  int bottom;
  friend constexpr bool operator==(const Rect&, const Rect&) = default;
};

}  // namespace fretwise
