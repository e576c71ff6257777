#include "fretboard/fretboard_drawing.h"

#include <string>

namespace fretwise {
namespace {

constexpr int StringY(int s) { return 25 * s + 168; }
constexpr int MarkY(int s) { return 25 * s + 160; }  // numbers and marks stand 8 above the line
constexpr int FretLineX(int f) { return 30 * f + 163; }
constexpr int kNutX = 196;
constexpr int kMarkX = 171;

constexpr std::string_view kNotPlayed = "×";
constexpr std::string_view kOpen = "○";
constexpr std::string_view kFretted = "●";

// The dots sit under the middle of frets 5, 7 and 10, 12 pixels below string 6.
constexpr bool HasInlayDot(int f) { return f == 5 || f == 7 || f == 10; }

}  // namespace

void FretboardDrawing::BeginFingeringPass() {
  DrawingPass& pass = pass_.emplace(source_);
  whitePen_ = pass.Pen(kWhite);
  blackPen_ = pass.Pen(kBlack);
  redPen_ = pass.Pen(kRed);
  whiteBrush_ = pass.Brush(kWhite);
  redBrush_ = pass.Brush(kRed);
}

void FretboardDrawing::ClearFretboardArea() {
  pass_->Select(whitePen_);
  pass_->dc().FillRect(kDiagramLeft, kDiagramTop, kDiagramRight, kDiagramBottom, whiteBrush_);
  pass_->Select(blackPen_);
}

void FretboardDrawing::DrawTuningLetter(char letter) {
  // Level with string 6's number, left of it. Text is black on white whatever the pen.
  pass_->Select(redPen_);
  pass_->dc().TextOut(kDiagramLeft, MarkY(6), std::string(1, letter));
  pass_->Select(blackPen_);
}

void FretboardDrawing::DrawFretboardDiagram(const StringCells& cells, int h) {
  Surface& dc = pass_->dc();
  dc.MoveTo(kNutX, StringY(1));
  dc.LineTo(kNutX, StringY(6));
  for (int s = 1; s <= 6; ++s) dc.TextOut(160, MarkY(s), std::to_string(s));

  // Only numbered frets get a dot. The red brush stays selected after the first one.
  for (int f = 0; f <= h; ++f) {
    dc.TextOut(30 * f + 190, kDiagramTop, std::to_string(f));
    if (HasInlayDot(f)) {
      pass_->Select(redPen_);
      pass_->Select(redBrush_);
      dc.RoundRect(30 * f + 177, 330, 30 * f + 182, 335, 90, 90);
    }
    pass_->Select(blackPen_);
  }

  for (int s = 1; s <= 6; ++s) {
    dc.MoveTo(FretLineX(1), StringY(s));
    dc.LineTo(FretLineX(h + 1), StringY(s));
  }
  for (int f = 1; f <= h + 1; ++f) {
    dc.MoveTo(FretLineX(f), StringY(1));
    dc.LineTo(FretLineX(f), StringY(6));
  }

  // After the lines, so each mark's opaque box covers its string line. A fretted mark stands 8
  // pixels right of the line that opens its fret; "×" and "○" stand left of the nut.
  for (int s = 1; s <= 6; ++s) {
    const StringCell& cell = cells[s - 1];
    if (!cell.used()) {
      dc.TextOut(kMarkX, MarkY(s), kNotPlayed);
    } else if (cell.fret == 0) {
      dc.TextOut(kMarkX, MarkY(s), kOpen);
    } else {
      dc.TextOut(30 * cell.fret + kMarkX, MarkY(s), kFretted);
    }
  }
}

}  // namespace fretwise
