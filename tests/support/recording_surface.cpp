#include "support/recording_surface.h"

#include <map>
#include <utility>

namespace fretwise::test {

class RecordingSurface final : public Surface {
 public:
  RecordingSurface(RecordingSource& source, int index) : source_(source), index_(index) {}

  ObjectId CreatePen(int, int, Colour colour) override { return Make(true, colour); }
  ObjectId CreateSolidBrush(Colour colour) override { return Make(false, colour); }
  ObjectId SelectObject(ObjectId object) override {
    if (!objects_.contains(object)) return Problem("selected a missing object"), 0;
    return std::exchange(objects_[object].first ? pen_ : brush_, object);
  }
  void DeleteObject(ObjectId object) override {
    if (object == pen_ || object == brush_) Problem("deleted while selected");
    if (object <= 2 || !objects_.erase(object)) Problem("deleted a missing object");
  }
  void FillRect(int l, int t, int r, int b, ObjectId brush) override {
    if (!objects_.contains(brush) || objects_[brush].first) Problem("FillRect without a brush");
    Draw("FillRect", l, t, r, b).brush = objects_[brush].second;
  }
  void RoundRect(int l, int t, int r, int b, int, int) override { Draw("RoundRect", l, t, r, b); }
  void MoveTo(int x, int y) override { x_ = x, y_ = y; }
  void LineTo(int x, int y) override {
    Draw("Line", std::exchange(x_, x), std::exchange(y_, y), x, y);
  }
  void TextOut(int x, int y, std::string_view text) override {
    Draw("Text", x, y, x, y).text = text;
  }

  bool Balanced() const { return objects_.size() == 2 && pen_ == 1 && brush_ == 2; }
  bool released = false;

 private:
  ObjectId Make(bool pen, Colour colour) { return objects_[next_] = {pen, colour}, next_++; }
  Drawn& Draw(std::string op, int l, int t, int r, int b) {
    if (released) Problem("drawing on a released surface");
    return source_.drawn.emplace_back(Drawn{
        index_, std::move(op), l, t, r, b, {}, objects_[pen_].second, objects_[brush_].second});
  }
  void Problem(std::string text) { source_.problems.push_back(std::move(text)); }

  RecordingSource& source_;
  int index_;
  std::map<ObjectId, std::pair<bool, Colour>> objects_{{1, {true, kBlack}}, {2, {false, kWhite}}};
  ObjectId next_ = 3, pen_ = 1, brush_ = 2;  // the stock pen and brush are objects 1 and 2
  int x_ = 0, y_ = 0;
};

Surface* RecordingSource::GetDC() {
  if (outstanding++ > 0) problems.push_back("two surfaces out at once");
  return surfaces.emplace_back(std::make_unique<RecordingSurface>(*this, acquired++)).get();
}

void RecordingSource::ReleaseDC(Surface* surface) {
  auto* recording = static_cast<RecordingSurface*>(surface);
  if (recording->released) problems.push_back("released twice");
  if (!recording->Balanced()) problems.push_back("released with objects made or selected");
  recording->released = true;
  --outstanding;
}

Surface& RecordingSource::Paint() {
  return *surfaces.emplace_back(std::make_unique<RecordingSurface>(*this, -1));
}

}  // namespace fretwise::test
