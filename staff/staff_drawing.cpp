#include "staff/staff_drawing.h"

#include "notes/slot_table.h"
#include "staff/staff_table.h"

namespace fretwise {

void StaffDrawing::PrepareStaff() {
  DrawingPass& pass = pass_.emplace(source_);
  const ObjectId whitePen = pass.Pen(kWhite);
  const ObjectId whiteBrush = pass.Brush(kWhite);
  pass.Select(whitePen);
  pass.Select(whiteBrush);
  // Wipes the heads, ledger lines and signs of the previous pass.
  pass.dc().FillRect(kStaffArea.left, kStaffArea.top, kStaffArea.right, kStaffArea.bottom,
                     whiteBrush);

  // Black stays selected for the rest of the pass.
  const ObjectId blackPen = pass.Pen(kBlack);
  const ObjectId blackBrush = pass.Brush(kBlack);
  pass.Select(blackPen);
  pass.Select(blackBrush);
  for (int y : kStaffLineY) {
    pass.dc().MoveTo(kStaffLineLeft, y);
    pass.dc().LineTo(kStaffLineRight, y);
  }
}

void StaffDrawing::DrawSlot(int slot) {
  const std::optional<StaffRow> found = StaffRowOf(slot);
  if (!found) return;
  const StaffRow& row = *found;
  Surface& dc = pass_->dc();
  if (kSlots[slot].kind == SlotKind::kSharp) dc.TextOut(kSharpX, row.sharpY, "#");
  dc.RoundRect(kHeadLeft, row.headTop, kHeadRight, row.headBottom, 90, 90);
  for (int i = 0; i < row.ledgerCount; ++i) {
    dc.MoveTo(kLedgerLeft, row.ledgerY[i]);
    dc.LineTo(kLedgerRight, row.ledgerY[i]);
  }
}

}  // namespace fretwise
