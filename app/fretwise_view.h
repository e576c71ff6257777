#pragma once

#include <QImage>
#include <QWidget>
#include <array>
#include <memory>

#include "canvas/canvas_surface.h"
#include "fretboard/fretboard_drawing.h"
#include "staff/staff_drawing.h"
#include "view/slot_buttons.h"
#include "view/view_core.h"

class QCheckBox;

namespace fretwise::app {

// The slot buttons of the panel: a check box per plain or sharp slot, none for a natural one.
class CheckBoxSlots final : public SlotButtons {
 public:
  bool IsTicked(int slot) const override;
  void Untick(int slot) override;
  std::array<QCheckBox*, kSlotCount> m_slotButtons{};  // null for natural slots
};

// The one working window: the note panel, the four push buttons, and a canvas that the staff,
// the diagram and the paint draw on, no larger than the view or than what the passes draw. Drawing
// passes draw on the canvas, and each pass shows it as soon as it gives its surface back. The
// canvas is drawn anew (OnDraw) when the window system asks for the view to be painted from
// scratch: on the first show, a resize, and an expose of the main window (a restore, or an uncover
// where the window system reports one); plain paint events (a control's hover, focus or press) only
// copy the canvas, so that they keep the candidate.
class CFretwiseView final : public QWidget {
 public:
  CFretwiseView(QWidget* parent, SoundLayer& sound, MessageBox& messages);
  ~CFretwiseView() override;

  // Routes a push button's command; false for an ID the view has no handler for.
  bool OnCmdMsg(int command);
  // Erases the canvas to white and runs OnDraw; what the window system's repaint does.
  void DrawAnew();
  // New and Open: the next exhausted pass shows its message again, whatever a paint showed.
  void OnDocumentCommand() { core_->OnDocumentCommand(); }

  const ViewCore& core() const { return *core_; }
  CheckBoxSlots& checkBoxes() { return slots_; }
  const QImage& canvas() const { return canvas_; }

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void showEvent(QShowEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  // Makes the buttons and boxes. Always 0: the window's creation status, kept in the shape the
  // view's creation step has, though here nothing can fail and nothing reads it.
  int OnCreate();
  void OnDraw();
  void ScheduleDrawAnew();

  QImage canvas_;
  CanvasSource source_;
  CheckBoxSlots slots_;
  StaffDrawing staff_{source_};
  FretboardDrawing diagram_{source_};
  std::unique_ptr<ViewCore> core_;  // last, so it goes first and closes its sounds
  bool drawPending_ = false;
  QObject* watchedWindow_ = nullptr;
};

}  // namespace fretwise::app
