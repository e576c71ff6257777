// The fingering pass of the view: search the window at the cursor, rewrite the sound-file paths,
// and either draw the fingering or move on to the next window.
#include <algorithm>
#include <string>

#include "fingering/fingering_search.h"
#include "view/view_core.h"

namespace fretwise {

void ViewCore::RunFingeringPass(PassOrigin origin) {
  DiagramPainter& diagram = ports_.diagram;
  diagram.BeginFingeringPass();
  for (;;) {
    diagram.ClearFretboardArea();

    if (m_stepIndex >= kExhaustedStepIndex && m_noteCount != 0) {
      // The surface goes back first: a paint inside the message's loop draws on its own one.
      diagram.EndFingeringPass();
      if (exhaustion_.ShouldShow(origin, TickedSlots(ports_.m_slotButtons))) {
        ports_.messages.Show(kNoMoreCandidates);
      }
      return;
    }
    if (WindowStart(m_windowIndex, m_stepIndex) > kLastWindowStart) {
      ++m_stepIndex;
      m_windowIndex = 0;
    }

    WindowMatch match = SearchWindow(m_noteTokens, WindowStart(m_windowIndex, m_stepIndex));

    // Notes and used strings are paired by order alone, the lowest note with the lowest used
    // string, whichever string the search put that note on. Failed windows rewrite too.
    int cursor = kStringCount - 1;
    bool substitutionPending = true;
    for (int n = 0; n < m_noteCount; ++n) {
      if (substitutionPending) {
        const auto row = std::find_if(
            kLowNoteSubstitutions.begin(), kLowNoteSubstitutions.end(),
            [&](const LowNoteSubstitution& s) { return ports_.m_slotButtons.IsTicked(s.slot); });
        if (row != kLowNoteSubstitutions.end()) {
          match.cells[kStringCount - 1] = row->cell;
          diagram.DrawTuningLetter(row->tuning);
          m_soundFiles[0] = row->soundFile;
          substitutionPending = false;
          --cursor;
          continue;
        }
      }
      while (cursor >= 0 && !match.cells[cursor].used()) --cursor;
      // Every note takes a string, so the strings run out by the seventh note at the latest and
      // no token beyond the six cells is read.
      if (cursor < 0 || n >= kTokenCells) break;
      std::string& path = m_soundFiles[n];
      path = std::to_string(match.cells[cursor].string);
      path += '\\';
      path += m_noteTokens[n].data();
      path += ".wav";
      --cursor;
    }

    const auto unused = std::count(match.cells.begin(), match.cells.end(), kUnusedCell);
    if (kStringCount - unused == m_noteCount) {
      diagram.DrawFretboardDiagram(match.cells, match.highestFret);
      ++m_windowIndex;
      diagram.EndFingeringPass();
      return;
    }
    ++m_windowIndex;
  }
}

}  // namespace fretwise
