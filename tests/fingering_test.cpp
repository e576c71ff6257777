// The fingering search, the cursor and the exhaustion message, through the view's commands.
#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>

#include "support/recorders.h"

namespace fretwise {
namespace {

// What the commands since the last look showed: the last diagram's cells and highest fret and the
// notes' files (or the notes' count), the clears, the tuning letters, the messages, the cursor.
std::string Shown(test::ViewRig& rig) {
  const auto& [shown, s] = std::tie(rig.rec.shown, rig.state());
  std::string out = shown.empty() ? "nothing of " + std::to_string(s.m_noteCount) : "";
  for (int c = 0; c < 6 && !shown.empty(); ++c) out += CellText(shown.back().first[c]), out += "|";
  if (!shown.empty()) out += std::to_string(shown.back().second);
  for (int n = 0; n < s.m_noteCount && !shown.empty(); ++n) out += " " + s.m_soundFiles[n];
  out += " /" + std::to_string(std::ranges::count(rig.log, "ClearFretboardArea")) + " ";
  for (const std::string& call : std::exchange(rig.log, {}))
    if (call.starts_with("Tuning ")) out += call.back();
  for (const std::string& text : std::exchange(rig.rec.texts, {})) out += " " + text;
  return out + " @" + std::to_string(s.m_windowIndex) + std::to_string(s.m_stepIndex);
}

// What show notes and each next candidate after it show. A low C, C#, D or D# tunes string 6
// down to sound it, whatever the window, as the boxes ticked when the pass runs ask.
TEST(FingeringPass, TheCommandsWalkTheCandidatesToTheMessage) {
  const std::string try7 = "NN|2 8|3 9|410|NN|NN|10 4\\C2.wav 3\\E2.wav 2\\G2.wav /",
                    try8 = "NN|NN|312|414|515|NN|15 5\\C2.wav 4\\E2.wav 3\\G2.wav /1  @",
                    none = " " + std::string(kNoMoreCandidates) + " @14";
  const std::tuple<const char*, const char*, int, int, std::string> rows[] = {
      {"C4 E4 G4: six windows fail, then 16 and 17", "16 22 26", 5, -1,
       try7 + "7  @31; " + try8 + "41; " + try7 + "3  @22; " + try8 + "32; " + try7 + "3  @23; " +
           "NN|2 8|3 9|410|NN|NN|10 2\\C2.wav 1\\E2.wav 2\\G2.wav /3 " + none},
      {"B3 lost to C2", "47 16", 0, -1, "NN|NN|3 5|4 9|NN|NN|9 4\\B3.wav 3\\C2.wav /2  @20"},
      {"A4, not in frets 0-4", "29", 0, -1, "1 5|NN|NN|NN|NN|NN|5 1\\A2.wav /2  @20"},
      {"C2 E4, tuned in vain", "48 54", 1, -1,
       "nothing of 2 /18 " + std::string(17, 'C') + none + "; nothing of 2 /1 " + none},
      {"seven notes", "63 32 35 38 39 42 45", 1, -1,
       "nothing of 7 /18 " + none + "; nothing of 7 /1 " + none},
      {"C G3", "48 42", 0, -1, "NN|NN|3 0|NN|NN|6 0|0 6\\C4.wav 3\\G3.wav /1 C @10"},
      {"C#", "49 42", 0, -1, "NN|NN|3 0|NN|NN|6 1|0 6\\C4_SRP.wav 3\\G3.wav /1 C @10"},
      {"D#", "52 42", 0, -1, "NN|NN|3 0|NN|NN|6 1|0 6\\D4_SRP.wav 3\\G3.wav /1 D @10"},
      {"E4 G3, then D", "54 42", 1, 51,
       "NN|NN|3 0|NN|NN|6 0|0 6\\E4.wav 3\\G3.wav /1  @10; NN|NN|NN|4 5|NN|6 0|5 6\\D4.wav "
       "4\\G3.wav /1 D @20"},
  };
  for (const auto& [name, slots, presses, late, walk] : rows) {
    SCOPED_TRACE(name);
    test::ViewRig rig;
    std::istringstream in(slots);
    for (int slot; in >> slot;) rig.ticks.Tick(slot);
    rig.view->OnShowNotes();
    std::string got = Shown(rig);
    if (late >= 0) rig.ticks.Tick(late);
    for (int i = 0; i < presses; ++i) rig.view->OnNextCandidate(), got += "; " + Shown(rig);
    EXPECT_EQ(got, walk);
  }
}

// With no notes every window matches: one pass per command, every string unplayed, and the cursor
// walks every step until the last, which stays at fret 0.
TEST(FingeringPass, WithNoNotesTheCursorSettlesOnTheLastStep) {
  test::ViewRig rig;
  rig.view->OnShowNotes();
  EXPECT_EQ(Shown(rig), "NN|NN|NN|NN|NN|NN|0 /1  @10");
  std::string cursors;
  for (int i = 0; i < 25; ++i, rig.view->OnNextCandidate())
    cursors += std::to_string(rig.state().m_windowIndex) + std::to_string(rig.state().m_stepIndex);
  EXPECT_EQ(cursors + Shown(rig),
            "10203040112131415112223242132333142434152535162636NN|NN|NN|NN|NN|NN|0 /25  @46");
}

// The exhaustion message: every command's shows, a paint's once per selection, none under a box.
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

}  // namespace
}  // namespace fretwise
