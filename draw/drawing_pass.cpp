#include "draw/drawing_pass.h"

#include <algorithm>

namespace fretwise {

void DrawingPass::Select(ObjectId object) {
  const auto made =
      std::find_if(made_.begin(), made_.end(), [&](const Made& m) { return m.id == object; });
  const ObjectId replaced = dc_->SelectObject(object);
  // The first replacement of each kind is what the surface started with.
  if (made != made_.end() && made->pen && !firstPen_) firstPen_ = replaced;
  if (made != made_.end() && !made->pen && !firstBrush_) firstBrush_ = replaced;
}

void DrawingPass::End() {
  if (!dc_) return;
  if (firstPen_) dc_->SelectObject(firstPen_);
  if (firstBrush_) dc_->SelectObject(firstBrush_);
  for (const Made& m : made_) dc_->DeleteObject(m.id);
  made_.clear();
  source_.ReleaseDC(dc_);
  dc_ = nullptr;
}

}  // namespace fretwise
