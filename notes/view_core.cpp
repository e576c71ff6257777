#include "notes/view_core.h"

#include <algorithm>

namespace fretwise {

void ViewCore::OnShowNotes() {
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

  RunFingeringPass();
}

void ViewCore::OnClear() {
  for (int slot = 0; slot < kSlotCount; ++slot) ports_.m_slotButtons.Untick(slot);
}

}  // namespace fretwise
