// Chord boxes side by side: a picture of a few, and a chord sheet of a song's chords on pages.
#pragma once

#include <array>
#include <optional>
#include <span>
#include <string_view>
#include <vector>

#include "chordbox/chord_box.h"
#include "draw/figure.h"

namespace fretwise::chordbox {

enum class Paper { kA4, kLetter };

struct PaperSize {
  double width;  // in points (1/72 inch), portrait
  double height;
};
// Indexed by Paper.
inline constexpr std::array<PaperSize, 2> kPaperSizes = {{{595.28, 841.89}, {612, 792}}};

// The boxes in their order, left to right and then down, up to six across, without margins:
// one box alone is exactly its own figure. In box units.
Figure LayOutGrid(std::span<const ChordBox> boxes);

// A chord sheet: the boxes in their order, six columns wide (fewer boxes keep the same size), at
// most eight rows down a page, as many pages as they need, the title on top of the first page.
// On paper every page is a figure of the paper's size in points; without paper the sheet is one
// page, in box units, as long as the boxes need (for an image). There is always a first page.
std::vector<Figure> LayOutSheet(std::span<const ChordBox> boxes, std::string_view title,
                                std::optional<Paper> paper);

}  // namespace fretwise::chordbox
