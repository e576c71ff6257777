#include "support/recording_surface.h"

#include <algorithm>
#include <cstdio>

namespace fretwise::test {

class RecordingSurface final : public Surface {
 public:
  explicit RecordingSurface(RecordingSource& source) : source_(source) {
    objects_[kStockPen] = {true, kBlack};
    objects_[kStockBrush] = {false, kWhite};
  }

  ObjectId CreatePen(int style, int width, Colour colour) override {
    const ObjectId id = next_++;
    objects_[id] = {true, colour};
    Log("CreatePen(" + std::to_string(style) + "," + std::to_string(width) + "," + Hex(colour) +
        ")=" + std::to_string(id));
    return id;
  }
  ObjectId CreateSolidBrush(Colour colour) override {
    const ObjectId id = next_++;
    objects_[id] = {false, colour};
    Log("CreateSolidBrush(" + Hex(colour) + ")=" + std::to_string(id));
    return id;
  }
  ObjectId SelectObject(ObjectId object) override {
    ObjectId replaced = 0;
    if (const auto it = objects_.find(object); it == objects_.end()) {
      Problem("SelectObject of a missing object " + std::to_string(object));
    } else {
      ObjectId& slot = it->second.pen ? pen_ : brush_;
      replaced = slot;
      slot = object;
    }
    Log("SelectObject(" + std::to_string(object) + ")=" + std::to_string(replaced));
    return replaced;
  }
  void DeleteObject(ObjectId object) override {
    if (object == pen_ || object == brush_)
      Problem("deleted while selected " + std::to_string(object));
    if (object == kStockPen || object == kStockBrush || !objects_.erase(object)) {
      Problem("DeleteObject of " + std::to_string(object));
    }
    Log("DeleteObject(" + std::to_string(object) + ")");
  }
  void FillRect(int l, int t, int r, int b, ObjectId brush) override {
    if (!objects_.count(brush) || objects_[brush].pen) Problem("FillRect without a brush");
    Log("FillRect(" + Join({l, t, r, b, int(brush)}) + ")");
  }
  void RoundRect(int l, int t, int r, int b, int w, int h) override {
    Log("RoundRect(" + Join({l, t, r, b, w, h}) + ")");
  }
  void MoveTo(int x, int y) override { Log("MoveTo(" + Join({x, y}) + ")"); }
  void LineTo(int x, int y) override { Log("LineTo(" + Join({x, y}) + ")"); }
  void TextOut(int x, int y, std::string_view text) override {
    Log("TextOut(" + Join({x, y}) + "," + std::string(text) + ")");
  }

  bool Balanced() const {
    return objects_.size() == 2 && pen_ == kStockPen && brush_ == kStockBrush;
  }

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
  void Log(std::string call) {
    if (released) Problem("drawing on a released surface: " + call);
    source_.calls.push_back(std::move(call));
  }
  void Problem(std::string text) { source_.problems.push_back(std::move(text)); }

  RecordingSource& source_;
  std::map<ObjectId, Object> objects_;
  ObjectId next_ = 3;
  ObjectId pen_ = kStockPen;
  ObjectId brush_ = kStockBrush;

 public:
  bool released = false;
};

Surface* RecordingSource::GetDC() {
  if (outstanding > 0) problems.push_back("two surfaces out at once");
  ++outstanding;
  calls.push_back("GetDC");
  surfaces_.push_back(std::make_unique<RecordingSurface>(*this));
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
  surfaces_.push_back(std::make_unique<RecordingSurface>(*this));
  return *surfaces_.back();
}

std::vector<std::string> Only(const std::vector<std::string>& calls, std::string_view prefix) {
  std::vector<std::string> out;
  std::copy_if(calls.begin(), calls.end(), std::back_inserter(out),
               [&](const std::string& call) { return call.starts_with(prefix); });
  return out;
}

}  // namespace fretwise::test
