// The view's logic, free of any window system: the show-notes pass, the fingering passes and the
// commands. The window owns one ViewCore and hands it the ports it draws, asks and sounds through.
#pragma once

#include "draw/surface.h"
#include "fretboard/diagram_painter.h"
#include "sound/sound_layer.h"
#include "staff/staff_painter.h"
#include "view/exhaustion_rule.h"
#include "view/message_box.h"
#include "view/slot_buttons.h"
#include "view/view_state.h"

namespace fretwise {

struct ViewPorts {
  SlotButtons& m_slotButtons;
  StaffPainter& staff;
  DiagramPainter& diagram;
  MessageBox& messages;
  SoundLayer& sound;
};

// The paint's own drawing: the pitch legend left of the note panel and the five staff lines.
void DrawPitchLegend(Surface& paint);

class ViewCore : private ViewState {
 public:
  // The ports must outlive the view.
  explicit ViewCore(const ViewPorts& ports) : ports_(ports) {}
  // Closes the devices of the last play, if any are open; otherwise touches no sound device.
  ~ViewCore();
  ViewCore(const ViewCore&) = delete;
  ViewCore& operator=(const ViewCore&) = delete;

  const ViewState& state() const { return *this; }

  // The paint: the pitch legend and the staff lines on the surface handed in, then the show-notes
  // pass, so every repaint shows the boxes ticked at that moment and the first candidate.
  void OnDraw(Surface& paint);
  // The show-notes pass of a paint; its exhaustion message follows ExhaustionRule.
  void OnPaintPass(bool messageOpen);

  // Command 61233: rebuilds the selected-note list from the ticked boxes, draws the staff and
  // shows the first candidate.
  void OnShowNotes();
  // Command 61279: one fingering pass from the cursor the last pass left.
  void OnNextCandidate();
  // Command 61278: unticks every box; the list, the cursor and the drawing stay as they are.
  void OnClear();
  // New and Open, which the shell handles: they only count as a command for the message rule.
  void OnDocumentCommand() { exhaustion_.OnCommand(); }
  // Command 61277: sounds the collected notes together, one device per note, after closing the
  // devices of the previous play. Refuses a seventh note and never waits for the sounds to end.
  void OnPlay();
  // Closes the devices the last play opened, showing each failure; the flag is cleared all the
  // same.
  void CloseSoundDevices();

 private:
  void ShowNotesPass(PassOrigin origin);
  void RunFingeringPass(PassOrigin origin);
  // Fetches the text of m_mciError into m_mciErrorText and shows it.
  void ShowSoundError();

  ViewPorts ports_;
  ExhaustionRule exhaustion_;
};

}  // namespace fretwise
