#include "view/view_core.h"

#include <algorithm>

namespace fretwise {

TickMask TickedSlots(const SlotButtons& slots) {
  TickMask ticked = 0;
  for (int slot = 0; slot < kSlotCount; ++slot) {
    if (slots.IsTicked(slot)) ticked |= TickMask{1} << slot;
  }
  return ticked;
}

void ViewCore::OnShowNotes() {
  exhaustion_.OnCommand();
  ShowNotesPass(PassOrigin::kCommand);
}

void ViewCore::OnPaintPass(bool messageOpen) {
  ShowNotesPass(messageOpen ? PassOrigin::kPaintUnderMessage : PassOrigin::kPaint);
}

void ViewCore::OnNextCandidate() {
  exhaustion_.OnCommand();
  RunFingeringPass(PassOrigin::kCommand);
}

void ViewCore::ShowNotesPass(PassOrigin origin) {
  m_noteCount = 0;
  m_windowIndex = 0;
  m_stepIndex = 0;
  m_noteTokens = {};  // m_soundFiles is deliberately kept: entries past the count are never read

  ports_.staff.PrepareStaff();
  for (int slot : kScanOrder) {
    if (!ports_.m_slotButtons.IsTicked(slot)) continue;
    ports_.staff.DrawSlot(slot);
    const SlotInfo& info = kSlots[slot];
    m_soundFiles[m_noteCount] = info.soundFile;
    // A seventh and later note is counted and keeps its path, so that playback can refuse it,
    // but has no token cell.
    if (m_noteCount < kTokenCells) {
      std::copy(info.token.begin(), info.token.end(), m_noteTokens[m_noteCount].begin());
    }
    ++m_noteCount;
  }
  ports_.staff.EndStaff();

  RunFingeringPass(origin);
}

void ViewCore::OnClear() {
  exhaustion_.OnCommand();
  for (int slot = 0; slot < kSlotCount; ++slot) ports_.m_slotButtons.Untick(slot);
}

}  // namespace fretwise
