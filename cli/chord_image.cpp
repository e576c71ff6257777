#include "cli/chord_image.h"

#include <QFileDevice>
#include <QImage>
#include <QSvgGenerator>

#include "canvas/view_image.h"
#include "cli/user_text.h"
#include "files/file_access.h"

namespace fretwise::cli {
namespace {

// Writes the file as files::WriteFile does. write draws, keeps the view's message in the result
// and reports whether the drawing went into the file.
ImageResult Save(const QString& path, const std::function<bool(QIODevice&, ImageResult&)>& write) {
  ImageResult result;
  const files::Outcome outcome = files::WriteFile(
      path, [&](QIODevice& file) { return write(file, result); }, files::FifoReader::kWait);
  if (!outcome.ok()) {
    const QString reason =
        outcome.refusal == files::Refusal::kDirectory ? "Is a directory" : outcome.reason;
    result.error = "cannot write " + Quoted(Utf8(path)) + ": " + Utf8(reason);
    return result;
  }
  result.written = true;
  return result;
}

}  // namespace

ImageResult WritePng(const QString& path, const TickSet& ticks, int candidate) {
  return Save(path, [&](QIODevice& file, ImageResult& result) {
    QImage image(kImageWidth, kImageHeight, QImage::Format_RGB32);
    result.message = DrawView(image, ticks, candidate);
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
    result.message = DrawView(svg, ticks, candidate);
    // The generator writes the document into the file as the painting ends, and says nothing of
    // a write that failed: the file knows.
    const auto* written = qobject_cast<const QFileDevice*>(&file);
    return written && written->error() == QFileDevice::NoError;
  });
}

}  // namespace fretwise::cli
