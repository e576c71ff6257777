#include "staff/staff_table.h"
#include "view/view_core.h"

namespace fretwise {

void DrawPitchLegend(Surface& paint) {
  // A legend left of the note panel, whose rows lie at y 30 (highest octave) to 120 (lowest).
  paint.TextOut(5, 30, "高");
  paint.TextOut(5, 50, "↑");
  paint.TextOut(5, 105, "↓");
  paint.MoveTo(12, 55);
  paint.LineTo(12, 110);
  paint.TextOut(5, 125, "低");
  // The show-notes pass clears the staff area and draws these again.
  for (int y : kStaffLineY) {
    paint.MoveTo(kStaffLineLeft, y);
    paint.LineTo(kStaffLineRight, y);
  }
}

void ViewCore::OnDraw(Surface& paint) {
  DrawPitchLegend(paint);
  OnPaintPass(false);
}

}  // namespace fretwise
