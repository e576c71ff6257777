// A surface source that writes down what each drawing call put on the surface, with the colours
// in use, and notes every misuse: two surfaces out at once, an object used after it was deleted
// or never made, an object deleted while selected, and objects still alive at release.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "draw/surface.h"

namespace fretwise::test {

// One call that puts something on the surface: "FillRect", "RoundRect", "Line" from (left, top)
// to (right, bottom), end excluded, or "Text" at (left, top). FillRect's brush is the one given.
struct Drawn {
  int surface;  // 0 for the first GetDC, 1 for the next...; -1 for the paint's surface
  std::string op;
  int left, top, right, bottom;
  std::string text;
  Colour pen, brush;
};

struct RecordingSource final : SurfaceSource {
  Surface* GetDC() override;
  void ReleaseDC(Surface* surface) override;
  Surface& Paint();  // the surface a paint hands in: recorded like the others, but not acquired

  std::vector<Drawn> drawn;
  std::vector<std::string> problems;
  int outstanding = 0, acquired = 0;
  std::vector<std::unique_ptr<Surface>> surfaces;
};

}  // namespace fretwise::test
