// Every size of a chord box and of a sheet of them, in one place. Box units: a box is kBox.width
// units wide, drawn one unit to a pixel in a PNG (where 120 pixels read well) and scaled to fit
// in print.
#pragma once

#include "draw/surface.h"

namespace fretwise::chordbox {

struct BoxSizes {
  double width;
  double top;         // above the name
  double nameHeight;  // the name's row
  double nameSize;
  double markRadius;  // ○ above an open string
  double crossArm;    // half the width of × above a muted one
  double markLine;
  double markGap;     // between the marks and the nut
  double nut;         // its thickness, above the top fret line
  double sideMargin;  // beside the grid, for the fret label
  double widestGap;   // between two strings; fewer strings do not spread wider
  double rowHeight;   // one fret
  double line;        // strings and fret lines
  double dotRadius;   // at most; never more than dotShare of the gap between strings
  double dotShare;
  double fingerShare;  // the finger number's size over the dot's radius
  double labelSize;    // the first fret's number ("5fr")
  double labelGap;     // between the label and the dots of the nearest string
  double tuningRow;    // note names under the strings
  double tuningSize;
  double capoRow;
  double capoSize;
  double bottom;
  Colour ink;
  Colour paper;  // the finger numbers inside the dots
};

inline constexpr BoxSizes kBox = {
    .width = 120,
    .top = 4,
    .nameHeight = 22,
    .nameSize = 17,
    .markRadius = 3.5,
    .crossArm = 3,
    .markLine = 1.2,
    .markGap = 2.5,
    .nut = 4.5,
    .sideMargin = 22,
    .widestGap = 18,
    .rowHeight = 19,
    .line = 1,
    .dotRadius = 6,
    .dotShare = 0.42,
    .fingerShare = 1.45,
    .labelSize = 10,
    .labelGap = 2.5,
    .tuningRow = 13,
    .tuningSize = 9,
    .capoRow = 14,
    .capoSize = 10,
    .bottom = 6,
    .ink = kBlack,
    .paper = kWhite,
};

// A sheet, in box units: at most kMostAcross boxes across and kMostDown down a page, so that
// printed on A4 or letter a box is about 30 mm wide and its name about 12 points, read from a
// music stand.
struct SheetSizes {
  int mostAcross;
  int mostDown;
  double margin;  // around the page
  double gapAcross;
  double gapDown;
  double titleSize;
  double titleHeight;  // the title's row, above the first row of boxes
  double gridGap;      // between boxes in a picture of a few (no margin, no title)
};

inline constexpr SheetSizes kSheet = {
    .mostAcross = 6,
    .mostDown = 8,
    .margin = 36,
    .gapAcross = 12,
    .gapDown = 14,
    .titleSize = 28,
    .titleHeight = 48,
    .gridGap = 12,
};

}  // namespace fretwise::chordbox
