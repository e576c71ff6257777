// Figures (draw/figure.h) painted with QPainter, smoothed, at the painter's scale: on the screen,
// on images, and as vector SVG and PDF with the text kept as text.
#pragma once

#include <QFont>
#include <QPainter>

#include "draw/figure.h"

namespace fretwise {

// IPA P Gothic (proportional; IPAGothic, the window's font, when it is missing) at a size in the
// painter's logical units, whatever the device's resolution.
QFont FigureFont(const QPaintDevice& device, double size, bool bold);

// One figure unit to one logical unit of the painter as it stands; antialiased. The painter's
// state is left as it was.
void PaintFigure(QPainter& painter, const Figure& figure);

}  // namespace fretwise
