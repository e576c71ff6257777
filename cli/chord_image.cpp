#include "cli/chord_image.h"

#include <QImage>
#include <QSvgGenerator>

#include "draw/canvas_surface.h"
#include "files/file_access.h"
#include "fingering/fretboard_drawing.h"
#include "notes/null_ports.h"
#include "notes/view_core.h"
#include "staff/staff_drawing.h"

namespace fretwise::cli {
namespace {

class KeptMessage final : public MessageBox {
 public:
  void Show(std::string_view text) override { message = std::string(text); }
  std::optional<std::string> message;
};

// Draws on a white device, the way a paint of the window and the presses would.
std::optional<std::string> Render(QPaintDevice& device, const TickSet& ticks, int candidate) {
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
  paint->FillRect(0, 0, kImageWidth, kImageHeight, white);
  paint->DeleteObject(white);
  view.OnDraw(*paint);
  for (int press = 1; press < candidate && !messages.message; ++press) view.OnNextCandidate();
  source.ReleaseDC(paint);
  return messages.message;
}

// Writes the file as files::WriteFile does. write draws, keeps the view's message in the result
// and reports whether the drawing went into the file.
ImageResult Save(const QString& path, const std::function<bool(QIODevice&, ImageResult&)>& write) {
  ImageResult result;
  const files::Outcome outcome =
      files::WriteFile(path, [&](QIODevice& file) { return write(file, result); },
                       files::FifoReader::kWait);
  if (!outcome.ok()) {
    const QString reason =
        outcome.refusal == files::Refusal::kDirectory ? "Is a directory" : outcome.reason;
    result.error = "cannot write '" + path.toStdString() + "': " + reason.toStdString();
    return result;
  }
  result.written = true;
  return result;
}

}  // namespace

ImageResult WritePng(const QString& path, const TickSet& ticks, int candidate) {
  return Save(path, [&](QIODevice& file, ImageResult& result) {
    QImage image(kImageWidth, kImageHeight, QImage::Format_RGB32);
    result.message = Render(image, ticks, candidate);
    return image.save(&file, "PNG");
  });
}

ImageResult WriteSvg(const QString& path, const TickSet& ticks, int candidate) {
  return Save(path, [&](QIODevice& file, ImageResult& result) {
    QSvgGenerator svg;
    svg.setOutputDevice(&file);
    svg.setSize(QSize(kImageWidth, kImageHeight));
    svg.setViewBox(QRect(0, 0, kImageWidth, kImageHeight));
    svg.setTitle("Fretwise");
    result.message = Render(svg, ticks, candidate);
    return true;
  });
}

}  // namespace fretwise::cli
