#pragma once

#include <optional>

#include "draw/drawing_pass.h"
#include "staff/staff_painter.h"

namespace fretwise {

// Draws the staff of a show-notes pass on a surface of its own, from PrepareStaff to EndStaff.
class StaffDrawing final : public StaffPainter {
 public:
  explicit StaffDrawing(SurfaceSource& source) : source_(source) {}
  void PrepareStaff() override;
  void DrawSlot(int slot) override;
  void EndStaff() override { pass_.reset(); }

 private:
  SurfaceSource& source_;
  std::optional<DrawingPass> pass_;
};

}  // namespace fretwise
