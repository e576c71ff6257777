#include "canvas/view_image.h"

#include <QPaintDevice>

#include "canvas/canvas_surface.h"
#include "fretboard/fretboard_drawing.h"
#include "staff/staff_drawing.h"
#include "view/null_ports.h"
#include "view/view_core.h"

namespace fretwise {
namespace {

class KeptMessage final : public MessageBox {
 public:
  void Show(std::string_view text) override { message = std::string(text); }
  std::optional<std::string> message;
};

}  // namespace

std::optional<std::string> DrawView(QPaintDevice& device, const TickSet& ticks, int candidate) {
  TickSet boxes = ticks;
  CanvasSource source(device);
  StaffDrawing staff(source);
  FretboardDrawing diagram(source);
  KeptMessage messages;
  NullSound sound;
  ViewCore view({boxes, staff, diagram, messages, sound});

  // The paint's surface stays out to the end, so the passes share one painter with it: an SVG
  // is written as one document per painter.
  Surface* paint = source.GetDC();
  const ObjectId white = paint->CreateSolidBrush(kWhite);
  paint->FillRect(0, 0, device.width(), device.height(), white);
  paint->DeleteObject(white);
  view.OnDraw(*paint);
  for (int press = 1; press < candidate && !messages.message; ++press) view.OnNextCandidate();
  source.ReleaseDC(paint);
  return messages.message;
}

}  // namespace fretwise
