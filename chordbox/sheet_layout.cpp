#include "chordbox/sheet_layout.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <string>

#include "chordbox/box_layout.h"
#include "chordbox/box_sizes.h"

namespace fretwise::chordbox {
namespace {

struct Flow {
  int across;
  int mostDown;
  double margin;
  double gapAcross;
  double gapDown;
  double pageHeight;  // in box units; infinity for one page as long as needed
};

double WidthOf(const Flow& flow) {
  return 2 * flow.margin + flow.across * kBox.width + (flow.across - 1) * flow.gapAcross;
}

// Rows of boxes, left to right, down the page; a row that does not fit under the last one, or
// one past the most rows, starts a page. top is where the first page's boxes begin.
std::vector<Figure> FlowBoxes(std::span<const ChordBox> boxes, const Flow& flow, double top) {
  std::vector<Figure> pages(1, Figure{WidthOf(flow), 0, {}});
  double y = top;
  int rowsOnPage = 0;
  for (std::size_t start = 0; start < boxes.size(); start += flow.across) {
    const std::size_t end = std::min(boxes.size(), start + flow.across);
    std::vector<Figure> row;
    double height = 0;
    for (std::size_t i = start; i < end; ++i) {
      row.push_back(LayOutBox(boxes[i]));
      height = std::max(height, row.back().height);
    }
    const bool full = rowsOnPage == flow.mostDown || y + height > flow.pageHeight - flow.margin;
    if (rowsOnPage > 0 && full) {
      pages.push_back(Figure{WidthOf(flow), 0, {}});
      y = flow.margin;
      rowsOnPage = 0;
    }
    for (std::size_t i = 0; i < row.size(); ++i)
      Place(pages.back(), row[i], {flow.margin + i * (kBox.width + flow.gapAcross), y});
    y += height + flow.gapDown;
    ++rowsOnPage;
    pages.back().height = y - flow.gapDown + flow.margin;
  }
  for (Figure& page : pages)
    page.height =
        std::isinf(flow.pageHeight) ? std::max(page.height, top + flow.margin) : flow.pageHeight;
  return pages;
}

}  // namespace

Figure LayOutGrid(std::span<const ChordBox> boxes) {
  const int across = std::clamp(static_cast<int>(boxes.size()), 1, kSheet.mostAcross);
  const double unlimited = std::numeric_limits<double>::infinity();
  const Flow flow{across,   std::numeric_limits<int>::max(), 0, kSheet.gridGap, kSheet.gridGap,
                  unlimited};
  Figure grid = std::move(FlowBoxes(boxes, flow, 0).front());
  if (boxes.empty()) grid.width = 0;
  return grid;
}

std::vector<Figure> LayOutSheet(std::span<const ChordBox> boxes, std::string_view title,
                                std::optional<Paper> paper) {
  Flow flow{kSheet.mostAcross, kSheet.mostDown, kSheet.margin,
            kSheet.gapAcross,  kSheet.gapDown,  std::numeric_limits<double>::infinity()};
  double scale = 1;  // points to a box unit
  if (paper) {
    const PaperSize size = kPaperSizes[static_cast<int>(*paper)];
    scale = size.width / WidthOf(flow);
    flow.pageHeight = size.height / scale;
  }
  const double top = flow.margin + (title.empty() ? 0 : kSheet.titleHeight);
  std::vector<Figure> pages = FlowBoxes(boxes, flow, top);
  if (!title.empty())
    pages.front().Add(Text{{WidthOf(flow) / 2, flow.margin + kSheet.titleSize / 2},
                           kSheet.titleSize,
                           Align::kCentre,
                           kBox.ink,
                           std::string(title),
                           true,
                           WidthOf(flow) - 2 * flow.margin});
  if (scale == 1) return pages;
  for (Figure& page : pages) {
    Figure scaled{page.width * scale, page.height * scale, {}};
    Place(scaled, page, {0, 0}, scale);
    page = std::move(scaled);
  }
  return pages;
}

}  // namespace fretwise::chordbox
