#include "cli/chord_image.h"

#include <QFileDevice>
#include <QImage>
#include <QPageSize>
#include <QPdfWriter>
#include <QSvgGenerator>

#include "canvas/view_image.h"
#include "cli/user_text.h"
#include "files/file_access.h"

namespace fretwise::cli {
namespace {

// The result of a write: written, or one line naming the path.
ImageResult ResultOf(const QString& path, const files::Outcome& outcome, ImageResult result = {}) {
  if (!outcome.ok()) {
    const QString reason =
        outcome.refusal == files::Refusal::kDirectory ? "Is a directory" : outcome.reason;
    result.error = "cannot write " + Quoted(Utf8(path)) + ": " + Utf8(reason);
    return result;
  }
  result.written = true;
  return result;
}

// Writes the file as files::WriteFile does. write draws, keeps the view's message in the result
// and reports whether the drawing went into the file.
ImageResult Save(const QString& path, const std::function<bool(QIODevice&, ImageResult&)>& write) {
  ImageResult result;
  const files::Outcome outcome = files::WriteFile(
      path, [&](QIODevice& file) { return write(file, result); }, files::FifoReader::kWait);
  return ResultOf(path, outcome, std::move(result));
}

// Generators write the document into the file as the painting ends, and say nothing of a write
// that failed: the file knows.
bool WentIn(const QIODevice& file) {
  const auto* written = qobject_cast<const QFileDevice*>(&file);
  return written && written->error() == QFileDevice::NoError;
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
    return WentIn(file);
  });
}

ImageResult WritePdf(const QString& path, const TickSet& ticks, int candidate) {
  return Save(path, [&](QIODevice& file, ImageResult& result) {
    QPdfWriter pdf(&file);
    pdf.setTitle("Fretwise");
    pdf.setCreator("Fretwise");
    pdf.setResolution(72);  // a pixel of the image is a point of the page
    pdf.setPageMargins(QMarginsF(0, 0, 0, 0));
    pdf.setPageSize(QPageSize(QSizeF(kImageWidth, kImageHeight), QPageSize::Point, QString(),
                              QPageSize::ExactMatch));
    result.message = DrawView(pdf, ticks, candidate);
    return WentIn(file);
  });
}

ImageResult WriteBoxes(const QString& path, ImageFormat format,
                       std::span<const chordbox::ChordBox> boxes) {
  return ResultOf(path, WriteChordBoxes(path, format, boxes, files::FifoReader::kWait));
}

ImageResult WriteSheet(const QString& path, ImageFormat format,
                       std::span<const chordbox::ChordBox> boxes, const SheetOptions& options) {
  return ResultOf(path, WriteChordSheet(path, format, boxes, options, files::FifoReader::kWait));
}

}  // namespace fretwise::cli
