// A surface source that writes down what each drawing call put on the surface, with the colours
// in use, and notes every misuse: two surfaces out at once, an object used after it was deleted
// or never made, an object deleted while selected, and objects still alive at release.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "draw/surface.h"

namespace fretwise::test {

// One call that puts something on the surface. A line runs from (left, top) to (right, bottom),
// end excluded; a text stands at (left, top).
struct Drawn {
  int surface;     // 0 for the first GetDC, 1 for the next...; -1 for the paint's surface
  std::string op;  // "FillRect", "RoundRect", "Line" or "Text"
  int left, top, right, bottom;
  std::string text;
  Colour pen, brush;  // FillRect: the brush it was given
};

class RecordingSource final : public SurfaceSource {
 public:
  Surface* GetDC() override;
  void ReleaseDC(Surface* surface) override;
  // The surface a paint notification hands in: recorded like the others, but not acquired.
  Surface& Paint();

  std::vector<Drawn> drawn;
  std::vector<std::string> problems;
  int outstanding = 0;
  int acquired = 0;

 private:
  std::vector<std::unique_ptr<Surface>> surfaces_;
};

}  // namespace fretwise::test
