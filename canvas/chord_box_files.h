// Chord boxes written as PNG, SVG or PDF files: a picture of one box or a few (the finder's
// voicings), and chord sheets (a song's chords on pages). PNG draws one box unit to a pixel (a box
// is 120 pixels wide); SVG and PDF are vector, text as text.
#pragma once

#include <QString>
#include <optional>
#include <span>
#include <string>

#include "chordbox/chord_box.h"
#include "chordbox/sheet_layout.h"
#include "draw/figure.h"
#include "files/file_access.h"

class QIODevice;

namespace fretwise {

enum class ImageFormat { kPng, kSvg, kPdf };

// From the path's extension, in any case: .png, .svg, .pdf; nothing for any other.
std::optional<ImageFormat> FormatOfPath(const QString& path);

// The pages into device: PNG and SVG show the first page (a sheet without paper has one), on
// white; a PDF has one page per figure, each figure unit a point. title names the SVG and PDF
// documents. False when the device did not take it all.
bool WriteFigures(QIODevice& device, ImageFormat format, std::span<const Figure> pages,
                  const QString& title);

// The boxes in a grid up to six across (LayOutGrid), a PDF as one page of the grid's size. path
// is handled as files::WriteFile does ("-" is standard output; a file is replaced only once the
// picture is complete).
files::Outcome WriteChordBoxes(const QString& path, ImageFormat format,
                               std::span<const chordbox::ChordBox> boxes,
                               files::FifoReader reader = files::FifoReader::kWait);

struct SheetOptions {
  std::string title;                             // on top of the first page; none when empty
  chordbox::Paper paper = chordbox::Paper::kA4;  // PDF pages; PNG and SVG are one long page
};

// A chord sheet (LayOutSheet): one box per chord, in order. Paths as WriteChordBoxes.
files::Outcome WriteChordSheet(const QString& path, ImageFormat format,
                               std::span<const chordbox::ChordBox> boxes,
                               const SheetOptions& options,
                               files::FifoReader reader = files::FifoReader::kWait);

}  // namespace fretwise
