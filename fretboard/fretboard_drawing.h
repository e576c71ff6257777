#pragma once

#include <optional>

#include "draw/drawing_pass.h"
#include "fretboard/diagram_painter.h"

namespace fretwise {

// The fretboard diagram area, right of the staff. A grid for a window that reaches frets 20-22
// runs past its right edge, where the clear does not reach.
inline constexpr int kDiagramLeft = 145;
inline constexpr int kDiagramTop = 160;
inline constexpr int kDiagramRight = 800;
inline constexpr int kDiagramBottom = 600;

// Draws what a fingering pass shows, on a surface of its own from BeginFingeringPass to
// EndFingeringPass. String s (1..6) lies at y = 25s + 168; fret f is the space between
// x = 30f + 163 and x = 30f + 193; the nut is the double line at 193 and 196.
class FretboardDrawing final : public DiagramPainter {
 public:
  explicit FretboardDrawing(SurfaceSource& source) : source_(source) {}
  void BeginFingeringPass() override;
  void ClearFretboardArea() override;
  void DrawTuningLetter(char letter) override;
  void DrawFretboardDiagram(const StringCells& cells, int highestFret) override;
  void EndFingeringPass() override { pass_.reset(); }

 private:
  SurfaceSource& source_;
  std::optional<DrawingPass> pass_;
  ObjectId whitePen_ = 0, blackPen_ = 0, redPen_ = 0, whiteBrush_ = 0, redBrush_ = 0;
};

}  // namespace fretwise
