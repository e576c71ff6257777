#include "app/box_grid.h"

#include <QKeyEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QScrollBar>
#include <algorithm>
#include <cmath>

#include "canvas/figure_painter.h"
#include "chordbox/box_layout.h"
#include "chordbox/box_sizes.h"
#include "finder/finder_core.h"

namespace fretwise::app {
namespace {

constexpr int kGap = 12;  // around each box: half of it on every side
// Pictures kept for later paints: about four windowfuls, some 9 MB.
constexpr int kKeptPictures = 96;
const QColor kSelected(0x30, 0x70, 0xD0);

}  // namespace

BoxGrid::BoxGrid(finder::FinderCore& core, Changed changed, QWidget* parent)
    : QAbstractScrollArea(parent),
      core_(core),
      changed_(std::move(changed)),
      pictures_(kKeptPictures) {
  setFocusPolicy(Qt::StrongFocus);
  setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  // Always there, so that the number of columns does not change with the list's length.
  setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  Reset();
}

void BoxGrid::Reset() {
  pictures_.clear();
  painted_ = 0;
  const Figure tallest = chordbox::LayOutBox(core_.TallestBox());
  cell_ = QSize(int(std::ceil(chordbox::kBox.width)) + kGap, int(std::ceil(tallest.height)) + kGap);
  verticalScrollBar()->setValue(0);
  UpdateScrollBar();
  viewport()->update();
}

int BoxGrid::columns() const { return std::max(1, viewport()->width() / cell_.width()); }

QRect BoxGrid::CellRect(int index) const {
  const int across = columns();
  return QRect((index % across) * cell_.width(),
               (index / across) * cell_.height() - verticalScrollBar()->value(), cell_.width(),
               cell_.height());
}

int BoxGrid::IndexAt(const QPoint& point) const {
  if (point.x() < 0 || point.y() < 0 || point.x() / cell_.width() >= columns()) return -1;
  const int row = (point.y() + verticalScrollBar()->value()) / cell_.height();
  const int index = row * columns() + point.x() / cell_.width();
  return index < core_.count() ? index : -1;
}

void BoxGrid::UpdateScrollBar() {
  const int rows = (core_.count() + columns() - 1) / columns();
  QScrollBar* bar = verticalScrollBar();
  bar->setRange(0, std::max(0, rows * cell_.height() - viewport()->height()));
  bar->setPageStep(viewport()->height());
  bar->setSingleStep(cell_.height() / 4);
}

const QPixmap& BoxGrid::Picture(int index) {
  if (const QPixmap* kept = pictures_.object(index)) return *kept;
  const Figure figure = chordbox::LayOutBox(core_.BoxAt(index));
  const qreal ratio = devicePixelRatioF();
  auto* picture =
      new QPixmap(int(std::ceil(figure.width * ratio)), int(std::ceil(figure.height * ratio)));
  picture->setDevicePixelRatio(ratio);
  picture->fill(Qt::white);
  QPainter painter(picture);
  PaintFigure(painter, figure);
  painter.end();
  ++painted_;
  pictures_.insert(index, picture);  // a cost of one, within the cache's: kept until crowded out
  return *picture;
}

void BoxGrid::paintEvent(QPaintEvent* event) {
  QPainter painter(viewport());
  const QRect area = event->rect();
  painter.fillRect(area, Qt::white);
  const int across = columns(), top = verticalScrollBar()->value();
  const int first = std::max(0, (top + area.top()) / cell_.height()) * across;
  const int end = std::min(core_.count(), ((top + area.bottom()) / cell_.height() + 1) * across);
  for (int index = first; index < end; ++index) {
    const QRect cell = CellRect(index);
    if (!cell.intersects(area)) continue;
    painter.drawPixmap(cell.topLeft() + QPoint(kGap / 2, kGap / 2), Picture(index));
    const QRect frame = cell.adjusted(2, 2, -3, -3);
    if (core_.IsSelected(index)) {
      painter.setPen(QPen(kSelected, 3));
      painter.drawRect(frame);
    }
    if (core_.current() == index && hasFocus()) {
      painter.setPen(QPen(Qt::black, 1, Qt::DotLine));
      painter.drawRect(frame.adjusted(2, 2, -2, -2));
    }
  }
}

void BoxGrid::ShowSelection() {
  if (const auto current = core_.current()) {
    const QRect cell = CellRect(*current);
    QScrollBar* bar = verticalScrollBar();
    if (cell.top() < 0) bar->setValue(bar->value() + cell.top());
    if (cell.bottom() >= viewport()->height())
      bar->setValue(bar->value() + cell.bottom() + 1 - viewport()->height());
  }
  viewport()->update();
}

void BoxGrid::resizeEvent(QResizeEvent* event) {
  QAbstractScrollArea::resizeEvent(event);
  UpdateScrollBar();
}

void BoxGrid::scrollContentsBy(int, int dy) { viewport()->scroll(0, dy); }

void BoxGrid::mousePressEvent(QMouseEvent* event) {
  const int index = event->button() == Qt::LeftButton ? IndexAt(event->position().toPoint()) : -1;
  if (index < 0) return QAbstractScrollArea::mousePressEvent(event);
  core_.Click(index, event->modifiers() & Qt::ControlModifier);
  ShowSelection();
  changed_();
}

void BoxGrid::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Space) {
    if (!event->isAutoRepeat()) core_.Replay();
    return changed_();
  }
  const int across = columns();
  const int page = std::max(1, viewport()->height() / cell_.height()) * across;
  const std::pair<int, int> moves[] = {{Qt::Key_Left, -1},
                                       {Qt::Key_Right, 1},
                                       {Qt::Key_Up, -across},
                                       {Qt::Key_Down, across},
                                       {Qt::Key_PageUp, -page},
                                       {Qt::Key_PageDown, page},
                                       {Qt::Key_Home, -core_.count()},
                                       {Qt::Key_End, core_.count()}};
  const auto move = std::ranges::find(moves, event->key(), &std::pair<int, int>::first);
  if (move == std::end(moves)) return QAbstractScrollArea::keyPressEvent(event);
  core_.Move(move->second);
  ShowSelection();
  changed_();
}

}  // namespace fretwise::app
