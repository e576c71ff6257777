// Which exhausted passes show "これ以上候補はありません": every command's, a paint's only once per
// ticked selection between commands, and never a paint's while a message box is open.
#include <gtest/gtest.h>

#include <functional>

#include "support/recorders.h"

namespace fretwise {
namespace {

TEST(ExhaustionMessage, CommandsAlwaysShowItAPaintOncePerSelection) {
  const TickSet chord{48, 54, 58};  // the lowest row's ド ミ ソ: no fingering at all
  test::ViewRig rig(chord);
  ViewCore& view = *rig.view;
  const auto paint = [&] { view.OnPaintPass(false); };
  const struct {
    const char* step;
    int shownAfter;
    std::function<void()> run;
  } steps[] = {
      {"first paint", 1, paint},
      {"paint again", 1, paint},
      {"show notes", 2, [&] { view.OnShowNotes(); }},
      {"paint after its message", 2, paint},
      {"next candidate", 3, [&] { view.OnNextCandidate(); }},
      {"next candidate again", 4, [&] { view.OnNextCandidate(); }},
      {"another selection, box open", 4, [&] { rig.ticks.Tick(16), view.OnPaintPass(true); }},
      {"that selection, box closed", 5, paint},
      {"back to the first selection", 5, [&] { rig.ticks.Untick(16), paint(); }},
      {"New or Open", 6, [&] { view.OnDocumentCommand(), paint(); }},
      {"clear, tick again, paint", 7, [&] { view.OnClear(), rig.ticks = chord, paint(); }},
  };
  for (const auto& step : steps) {
    SCOPED_TRACE(step.step);
    step.run();
    EXPECT_EQ(int(rig.rec.texts.size()), step.shownAfter);
    EXPECT_EQ(rig.state().m_noteCount, rig.ticks.Count()) << "every pass ran in full";
  }
}

}  // namespace
}  // namespace fretwise
