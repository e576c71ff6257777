#include "support/recording_surface.h"

#include <algorithm>
#include <cstdio>
#include <map>
#include <optional>
#include <utility>

namespace fretwise::test {

class RecordingSurface final : public Surface {
 public:
  RecordingSurface(RecordingSource& source, int index) : source_(source), index_(index) {}

  ObjectId CreatePen(int style, int width, Colour colour) override {
    return Make(true, colour, "CreatePen(" + Join({style, width}) + "," + Hex(colour) + ")=");
  }
  ObjectId CreateSolidBrush(Colour colour) override {
    return Make(false, colour, "CreateSolidBrush(" + Hex(colour) + ")=");
  }
  ObjectId SelectObject(ObjectId object) override {
    ObjectId replaced = 0;
    if (const auto it = objects_.find(object); it == objects_.end()) {
      Problem("SelectObject of a missing object " + std::to_string(object));
    } else {
      replaced = std::exchange(it->second.pen ? pen_ : brush_, object);
    }
    Log("SelectObject(" + std::to_string(object) + ")=" + std::to_string(replaced));
    return replaced;
  }
  void DeleteObject(ObjectId object) override {
    if (object == pen_ || object == brush_)
      Problem("deleted while selected " + std::to_string(object));
    if (object <= kStockBrush || !objects_.erase(object))
      Problem("DeleteObject of " + std::to_string(object));
    Log("DeleteObject(" + std::to_string(object) + ")");
  }
  void FillRect(int l, int t, int r, int b, ObjectId brush) override {
    if (!objects_.contains(brush) || objects_.at(brush).pen) Problem("FillRect without a brush");
    Log("FillRect(" + Join({l, t, r, b, int(brush)}) + ")", Shape("FillRect", l, t, r, b),
        Of(brush));
  }
  void RoundRect(int l, int t, int r, int b, int w, int h) override {
    Log("RoundRect(" + Join({l, t, r, b, w, h}) + ")", Shape("RoundRect", l, t, r, b));
  }
  void MoveTo(int x, int y) override {
    x_ = x, y_ = y;
    Log("MoveTo(" + Join({x, y}) + ")");
  }
  void LineTo(int x, int y) override {
    Log("LineTo(" + Join({x, y}) + ")", Shape("Line", x_, y_, x, y));
    x_ = x, y_ = y;
  }
  void TextOut(int x, int y, std::string_view text) override {
    Log("TextOut(" + Join({x, y}) + "," + std::string(text) + ")",
        Shape("Text", x, y, x, y, std::string(text)));
  }

  bool Balanced() const {
    return objects_.size() == 2 && pen_ == kStockPen && brush_ == kStockBrush;
  }
  bool released = false;

 private:
  static constexpr ObjectId kStockPen = 1;
  static constexpr ObjectId kStockBrush = 2;
  struct Object {
    bool pen;
    Colour colour;
  };

  static std::string Hex(Colour colour) {
    char text[8];
    std::snprintf(text, sizeof text, "%06x", colour);
    return text;
  }
  static std::string Join(std::initializer_list<int> values) {
    std::string out;
    for (int v : values) out += (out.empty() ? "" : ",") + std::to_string(v);
    return out;
  }
  ObjectId Make(bool pen, Colour colour, const std::string& call) {
    objects_[next_] = {pen, colour};
    Log(call + std::to_string(next_));
    return next_++;
  }
  Colour Of(ObjectId id) const {
    const auto it = objects_.find(id);
    return it == objects_.end() ? kBlack : it->second.colour;
  }
  Drawn Shape(std::string op, int l, int t, int r, int b, std::string text = {}) const {
    return {index_, std::move(op), l, t, r, b, std::move(text), Of(pen_), Of(brush_)};
  }
  // Logs the call and, for a drawing, what it drew; a fill names its own brush.
  void Log(std::string call, std::optional<Drawn> drawn = {}, std::optional<Colour> fill = {}) {
    if (released) Problem("drawing on a released surface: " + call);
    source_.calls.push_back(std::move(call));
    if (!drawn) return;
    if (fill) drawn->brush = *fill;
    source_.drawn.push_back(std::move(*drawn));
  }
  void Problem(std::string text) { source_.problems.push_back(std::move(text)); }

  RecordingSource& source_;
  int index_;
  std::map<ObjectId, Object> objects_{{kStockPen, {true, kBlack}}, {kStockBrush, {false, kWhite}}};
  ObjectId next_ = 3;
  ObjectId pen_ = kStockPen;
  ObjectId brush_ = kStockBrush;
  int x_ = 0, y_ = 0;
};

Surface* RecordingSource::GetDC() {
  if (outstanding > 0) problems.push_back("two surfaces out at once");
  ++outstanding;
  calls.push_back("GetDC");
  surfaces_.push_back(std::make_unique<RecordingSurface>(*this, acquired++));
  return surfaces_.back().get();
}

void RecordingSource::ReleaseDC(Surface* surface) {
  auto* recording = static_cast<RecordingSurface*>(surface);
  if (recording->released) problems.push_back("released twice");
  if (!recording->Balanced()) problems.push_back("released with objects made or selected");
  recording->released = true;
  --outstanding;
  calls.push_back("ReleaseDC");
}

Surface& RecordingSource::Paint() {
  surfaces_.push_back(std::make_unique<RecordingSurface>(*this, -1));
  return *surfaces_.back();
}

std::vector<std::string> Only(const std::vector<std::string>& calls, std::string_view prefix) {
  std::vector<std::string> out;
  std::copy_if(calls.begin(), calls.end(), std::back_inserter(out),
               [&](const std::string& call) { return call.starts_with(prefix); });
  return out;
}

}  // namespace fretwise::test
