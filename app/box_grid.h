// The finder's voicings as chord boxes in a scrolling grid, as many across as the width takes.
// Only the boxes in sight are laid out and painted, each once into a pixmap kept for the next
// paint, so that thousands of voicings scroll as smoothly as a few.
#pragma once

#include <QAbstractScrollArea>
#include <QCache>
#include <QPixmap>
#include <functional>

namespace fretwise::finder {
class FinderCore;
}

namespace fretwise::app {

class BoxGrid final : public QAbstractScrollArea {
 public:
  // After a click or a key has changed the selection or played a voicing.
  using Changed = std::function<void()>;
  BoxGrid(finder::FinderCore& core, Changed changed, QWidget* parent = nullptr);

  // The list or the settings changed: every box is laid out again, from the top.
  void Reset();
  // The selection changed: repaints, and scrolls the box last selected into sight.
  void ShowSelection();

  QSize cellSize() const { return cell_; }
  int columns() const;
  // The box at a point of the viewport, or -1.
  int IndexAt(const QPoint& point) const;
  // Where a box lies in the viewport as it is scrolled now.
  QRect CellRect(int index) const;
  int paintedBoxes() const { return painted_; }  // laid out and drawn since the last Reset

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void scrollContentsBy(int dx, int dy) override;

 private:
  const QPixmap& Picture(int index);
  void UpdateScrollBar();

  finder::FinderCore& core_;
  Changed changed_;
  QSize cell_;
  QCache<int, QPixmap> pictures_;
  int painted_ = 0;
};

}  // namespace fretwise::app
