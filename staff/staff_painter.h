#pragma once

namespace fretwise {

// The staff drawing steps of a show-notes pass. PrepareStaff acquires the pass's surface and
// EndStaff gives it back, so nothing else may draw in between.
class StaffPainter {
 public:
  virtual ~StaffPainter() = default;
  virtual void PrepareStaff() = 0;
  // A ticked plain or sharp slot, in scan order; a slot without a check box draws nothing.
  virtual void DrawSlot(int slot) = 0;
  virtual void EndStaff() = 0;
};

}  // namespace fretwise
