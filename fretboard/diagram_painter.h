#pragma once

#include "fingering/string_cells.h"

namespace fretwise {

// The drawing of a fingering pass. BeginFingeringPass acquires the pass's surface and makes its
// pens and brushes; EndFingeringPass gives them back and must run on every way out of the pass,
// before any message is shown.
class DiagramPainter {
 public:
  virtual ~DiagramPainter() = default;
  virtual void BeginFingeringPass() = 0;
  virtual void ClearFretboardArea() = 0;
  virtual void DrawTuningLetter(char letter) = 0;  // 'C' or 'D'
  // highestFret is 0..23; it may exceed the frets the cells show (see the fingering pass).
  virtual void DrawFretboardDiagram(const StringCells& cells, int highestFret) = 0;
  virtual void EndFingeringPass() = 0;
};

}  // namespace fretwise
