// The exhaustion message: every command's shows, a paint's once per selection, none under a box.
#include <gtest/gtest.h>

#include "support/recorders.h"

namespace fretwise {

TEST(ExhaustionMessage, CommandsAlwaysShowItAPaintOncePerSelection) {
  const TickSet chord{48, 54, 58};  // the lowest row's ド ミ ソ: no fingering at all
  test::ViewRig rig(chord);
  const auto paint = [&] { rig.view->OnPaintPass(false); };
  const std::tuple<const char*, int, std::function<void()>> steps[] = {
      {"first paint", 1, paint},
      {"paint again", 1, paint},
      {"show notes", 2, [&] { rig.view->OnShowNotes(); }},
      {"paint after its message", 2, paint},
      {"next candidate", 3, [&] { rig.view->OnNextCandidate(); }},
      {"next candidate again", 4, [&] { rig.view->OnNextCandidate(); }},
      {"another selection, box open", 4, [&] { rig.ticks.Tick(16), rig.view->OnPaintPass(true); }},
      {"that selection, box closed", 5, paint},
      {"back to the first selection", 5, [&] { rig.ticks.Untick(16), paint(); }},
      {"New or Open", 6, [&] { rig.view->OnDocumentCommand(), paint(); }},
      {"clear, tick again, paint", 7, [&] { rig.view->OnClear(), rig.ticks = chord, paint(); }},
  };
  for (const auto& [step, shownAfter, run] : steps) {
    SCOPED_TRACE(step);
    run();
    EXPECT_EQ(std::pair(int(rig.rec.texts.size()), rig.state().m_noteCount),
              std::pair(shownAfter, rig.ticks.Count()))
        << "the messages, and every pass ran in full";
  }
}

}  // namespace fretwise
