#pragma once

#include <QString>
#include <optional>
#include <span>
#include <string>

#include "canvas/chord_box_files.h"
#include "view/slot_buttons.h"

namespace fretwise::cli {

// The view's drawing (see DrawView), as files of this size.
inline constexpr int kImageWidth = 800;
inline constexpr int kImageHeight = 480;

struct ImageResult {
  bool written = false;
  std::string error;                   // one line naming the path, when not written
  std::optional<std::string> message;  // the message the view showed, if any
};

// path "-" is standard output.
ImageResult WritePng(const QString& path, const TickSet& ticks, int candidate);
ImageResult WriteSvg(const QString& path, const TickSet& ticks, int candidate);
// A one-page PDF of the same size, in points.
ImageResult WritePdf(const QString& path, const TickSet& ticks, int candidate);

// Chord boxes in a grid, and chord sheets; FIFOs are waited for as above.
ImageResult WriteBoxes(const QString& path, ImageFormat format,
                       std::span<const chordbox::ChordBox> boxes);
ImageResult WriteSheet(const QString& path, ImageFormat format,
                       std::span<const chordbox::ChordBox> boxes, const SheetOptions& options);

}  // namespace fretwise::cli
