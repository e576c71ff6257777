// One drawing pass: acquires a surface, keeps track of the pens and brushes it makes, and on every
// way out selects back the surface's first pen and brush, deletes what it made, in the order it
// made them, and releases the surface.
#pragma once

#include <vector>

#include "draw/surface.h"

namespace fretwise {

class DrawingPass {
 public:
  explicit DrawingPass(SurfaceSource& source) : source_(source), dc_(source.GetDC()) {}
  ~DrawingPass() { End(); }
  DrawingPass(const DrawingPass&) = delete;
  DrawingPass& operator=(const DrawingPass&) = delete;

  Surface& dc() { return *dc_; }

  ObjectId Pen(Colour colour) { return Keep(dc_->CreatePen(colour), true); }
  ObjectId Brush(Colour colour) { return Keep(dc_->CreateSolidBrush(colour), false); }

  void Select(ObjectId object);

  // Idempotent; the destructor calls it.
  void End();

 private:
  struct Made {
    ObjectId id;
    bool pen;
  };
  ObjectId Keep(ObjectId id, bool pen) {
    made_.push_back({id, pen});
    return id;
  }

  SurfaceSource& source_;
  Surface* dc_;
  std::vector<Made> made_;
  ObjectId firstPen_ = 0;
  ObjectId firstBrush_ = 0;
};

}  // namespace fretwise
