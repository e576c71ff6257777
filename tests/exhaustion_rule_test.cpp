// Which exhausted passes show "これ以上候補はありません": every command's, a paint's only once per
// ticked selection between commands, and never a paint's while a message box is open.
#include <gtest/gtest.h>

#include <functional>

#include "support/recorders.h"

namespace fretwise {
namespace {

TEST(ExhaustionMessage, CommandsAlwaysShowItAPaintOncePerSelection) {
  test::ViewRig rig({48, 54, 58});  // the lowest row's ド ミ ソ: no fingering at all
  ViewCore& view = rig.view;
  const struct {
    const char* step;
    std::function<void()> run;
    int shownAfter;
  } steps[] = {
      {"first paint", [&] { view.OnPaintPass(false); }, 1},
      {"paint again", [&] { view.OnPaintPass(false); }, 1},
      {"show notes", [&] { view.OnShowNotes(); }, 2},
      {"paint after the command's message", [&] { view.OnPaintPass(false); }, 2},
      {"next candidate", [&] { view.OnNextCandidate(); }, 3},
      {"next candidate again", [&] { view.OnNextCandidate(); }, 4},
      {"another selection, under an open box", [&] { rig.ticks.Tick(16), view.OnPaintPass(true); },
       4},
      {"that selection, box closed", [&] { view.OnPaintPass(false); }, 5},
      {"back to the first selection", [&] { rig.ticks.Untick(16), view.OnPaintPass(false); }, 5},
      {"New or Open", [&] { view.OnDocumentCommand(), view.OnPaintPass(false); }, 6},
      {"clear, then ticked again",
       [&] {
         view.OnClear(), rig.ticks = {48, 54, 58};
       },
       6},
      {"paint after clear", [&] { view.OnPaintPass(false); }, 7},
  };
  for (const auto& step : steps) {
    SCOPED_TRACE(step.step);
    step.run();
    EXPECT_EQ(int(rig.messages.texts.size()), step.shownAfter);
    EXPECT_EQ(rig.state().m_noteCount, rig.ticks.Count()) << "every pass ran in full";
  }
}

}  // namespace
}  // namespace fretwise
