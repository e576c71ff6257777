#include "canvas/chord_box_files.h"

#include <QFileInfo>
#include <QImage>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QSvgGenerator>
#include <cmath>

#include "canvas/figure_painter.h"
#include "chordbox/sheet_layout.h"

namespace fretwise {
namespace {

// PDF drawing units per point: fine enough that Qt's rounding of positions never shows.
constexpr int kPdfResolution = 720;
constexpr double kPointsPerInch = 72;

QSize PixelSize(const Figure& figure) {
  return {static_cast<int>(std::ceil(figure.width)), static_cast<int>(std::ceil(figure.height))};
}

bool WritePng(QIODevice& device, const Figure& figure) {
  QImage image(PixelSize(figure), QImage::Format_RGB32);
  if (image.isNull()) return false;
  image.fill(Qt::white);
  QPainter painter(&image);
  PaintFigure(painter, figure);
  painter.end();
  return image.save(&device, "PNG");
}

bool WriteSvg(QIODevice& device, const Figure& figure, const QString& title) {
  QSvgGenerator svg;
  svg.setOutputDevice(&device);
  svg.setSize(PixelSize(figure));
  svg.setViewBox(QRectF(0, 0, figure.width, figure.height));
  svg.setTitle(title);
  QPainter painter;
  if (!painter.begin(&svg)) return false;
  painter.fillRect(QRectF(0, 0, figure.width, figure.height), Qt::white);
  PaintFigure(painter, figure);
  return painter.end();
}

bool WritePdf(QIODevice& device, std::span<const Figure> pages, const QString& title) {
  QPdfWriter pdf(&device);
  pdf.setTitle(title);
  pdf.setCreator(QStringLiteral("Fretwise"));
  pdf.setResolution(kPdfResolution);
  pdf.setPageMargins(QMarginsF(0, 0, 0, 0));
  const auto pageSize = [](const Figure& page) {
    return QPageSize(QSizeF(page.width, page.height), QPageSize::Point, QString(),
                     QPageSize::FuzzyMatch);
  };
  pdf.setPageSize(pageSize(pages.front()));
  QPainter painter;
  if (!painter.begin(&pdf)) return false;
  painter.scale(kPdfResolution / kPointsPerInch, kPdfResolution / kPointsPerInch);
  for (std::size_t i = 0; i < pages.size(); ++i) {
    if (i > 0) {
      pdf.setPageSize(pageSize(pages[i]));
      if (!pdf.newPage()) return false;
    }
    PaintFigure(painter, pages[i]);
  }
  return painter.end();
}

files::Outcome Write(const QString& path, ImageFormat format, std::span<const Figure> pages,
                     const QString& title, files::FifoReader reader) {
  return files::WriteFile(
      path, [&](QIODevice& file) { return WriteFigures(file, format, pages, title); }, reader);
}

}  // namespace

std::optional<ImageFormat> FormatOfPath(const QString& path) {
  const QString suffix = QFileInfo(path).suffix().toLower();
  if (suffix == QLatin1String("png")) return ImageFormat::kPng;
  if (suffix == QLatin1String("svg")) return ImageFormat::kSvg;
  if (suffix == QLatin1String("pdf")) return ImageFormat::kPdf;
  return std::nullopt;
}

bool WriteFigures(QIODevice& device, ImageFormat format, std::span<const Figure> pages,
                  const QString& title) {
  if (pages.empty()) return false;
  switch (format) {
    case ImageFormat::kPng:
      return WritePng(device, pages.front());
    case ImageFormat::kSvg:
      return WriteSvg(device, pages.front(), title);
    case ImageFormat::kPdf:
      return WritePdf(device, pages, title);
  }
  return false;
}

files::Outcome WriteChordBoxes(const QString& path, ImageFormat format,
                               std::span<const chordbox::ChordBox> boxes,
                               files::FifoReader reader) {
  const Figure grid = chordbox::LayOutGrid(boxes);
  const QString title = boxes.empty() ? QString() : QString::fromStdString(boxes.front().name);
  return Write(path, format, {&grid, 1}, title, reader);
}

files::Outcome WriteChordSheet(const QString& path, ImageFormat format,
                               std::span<const chordbox::ChordBox> boxes,
                               const SheetOptions& options, files::FifoReader reader) {
  const std::optional<chordbox::Paper> paper =
      format == ImageFormat::kPdf ? std::optional(options.paper) : std::nullopt;
  const std::vector<Figure> pages = chordbox::LayOutSheet(boxes, options.title, paper);
  return Write(path, format, pages, QString::fromStdString(options.title), reader);
}

}  // namespace fretwise
