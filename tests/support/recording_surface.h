// A surface source that records each drawing call with its colours, and every misuse of objects.
#pragma once

#include <deque>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "draw/surface.h"

namespace fretwise::test {

// A FillRect (brush as given), RoundRect, Line (end excluded) or Text; surface -1 is a paint's.
struct Drawn {
  int surface;
  std::string op;
  int left, top, right, bottom;
  std::string text;
  Colour pen, brush;
};

struct RecordingSource final : SurfaceSource {
  struct Recording final : Surface {
    Recording(RecordingSource& source, int index) : source(source), index(index) {}
    ObjectId CreatePen(Colour colour) override { return Make(true, colour); }
    ObjectId CreateSolidBrush(Colour colour) override { return Make(false, colour); }
    ObjectId SelectObject(ObjectId object) override {
      if (!objects.contains(object)) return Problem("selected a missing object"), 0;
      return std::exchange(objects[object].first ? pen : brush, object);
    }
    void DeleteObject(ObjectId object) override {
      if (object == pen || object == brush) Problem("deleted while selected");
      if (object <= 2 || !objects.erase(object)) Problem("deleted a missing object");
    }
    void FillRect(int l, int t, int r, int b, ObjectId with) override {
      if (!objects.contains(with) || objects[with].first) Problem("FillRect without a brush");
      Draw("FillRect", l, t, r, b).brush = objects[with].second;
    }
    void RoundRect(int l, int t, int r, int b, int, int) override { Draw("RoundRect", l, t, r, b); }
    void MoveTo(int x, int y) override { at = {x, y}; }
    void LineTo(int x, int y) override { Draw("Line", at.first, at.second, x, y), at = {x, y}; }
    void TextOut(int x, int y, std::string_view s) override { Draw("Text", x, y, x, y).text = s; }
    ObjectId Make(bool isPen, Colour colour) { return objects[next] = {isPen, colour}, next++; }
    void Problem(const char* text) { source.problems.push_back(text); }
    Drawn& Draw(std::string op, int l, int t, int r, int b) {
      if (released) Problem("drawing on a released surface");
      return source.drawn.emplace_back(
          Drawn{index, std::move(op), l, t, r, b, {}, objects[pen].second, objects[brush].second});
    }
    RecordingSource& source;
    int index;
    std::map<ObjectId, std::pair<bool, Colour>> objects{{1, {true, kBlack}}, {2, {false, kWhite}}};
    ObjectId next = 3, pen = 1, brush = 2;  // the stock pen and brush are objects 1 and 2
    std::pair<int, int> at;
    bool released = false;
  };
  Surface* GetDC() override {
    if (outstanding++ > 0) problems.push_back("two surfaces out at once");
    return &surfaces.emplace_back(*this, acquired++);
  }
  void ReleaseDC(Surface* surface) override {
    auto& s = *static_cast<Recording*>(surface);
    if (s.released) problems.push_back("released twice");
    if (s.objects.size() != 2 || s.pen != 1 || s.brush != 2)
      problems.push_back("released with objects made or selected");
    s.released = true, --outstanding;
  }
  Surface& Paint() { return surfaces.emplace_back(*this, -1); }  // a paint's, not acquired
  std::vector<Drawn> drawn;
  std::vector<std::string> problems;
  int outstanding = 0, acquired = 0;
  std::deque<Recording> surfaces;
};

}  // namespace fretwise::test
