// Ports that draw nothing, for views that run without a window: the command-line tool and the
// benchmarks.
#pragma once

#include "fingering/diagram_painter.h"
#include "staff/staff_painter.h"

namespace fretwise {

class NullStaff final : public StaffPainter {
 public:
  void PrepareStaff() override {}
  void DrawSlot(int) override {}
  void EndStaff() override {}
};

class NullDiagram final : public DiagramPainter {
 public:
  void BeginFingeringPass() override {}
  void ClearFretboardArea() override {}
  void DrawTuningLetter(char) override {}
  void DrawFretboardDiagram(const StringCells&, int) override {}
  void EndFingeringPass() override {}
};

}  // namespace fretwise
