// The fingering search and the candidate cursor, through the view's commands.
#include <gtest/gtest.h>

#include "fingering/fingering_search.h"
#include "support/recorders.h"

namespace fretwise {
namespace {

using test::ViewRig;

// The cells of the last diagram shown, its highest fret and the notes' sound files.
std::string Shown(const ViewRig& rig) {
  if (rig.rec.shown.empty()) return "nothing";
  std::string out = test::Cells(rig.rec.shown.back().first);
  out += std::to_string(rig.rec.shown.back().second);
  for (int n = 0; n < rig.state().m_noteCount; ++n) out += " " + rig.state().m_soundFiles[n];
  return out;
}

TEST(FingeringSearch, ALaterNoteOnATakenStringReplacesTheEarlierOne) {
  // D1 on string 1 fret 10, replaced by C1 at fret 8; the highest fret stays 10.
  const WindowMatch match = SearchWindow({{{'D', '1'}, {'C', '1'}}}, 8);
  EXPECT_EQ(test::Cells(match.cells) + std::to_string(match.highestFret), "1 8|NN|NN|NN|NN|NN|10");
}

TEST(FingeringPass, CMajorTriadWalksItsCandidatesToTheMessage) {
  ViewRig rig({16, 22, 26});  // C4 E4 G4 in scientific pitch
  rig.view->OnShowNotes();
  EXPECT_EQ(rig.rec.clears, 7) << "windows 0-4, 5-9, 10-14, 15-19, 0-4, 4-8 fail";
  const std::string try7 = "NN|2 8|3 9|410|NN|NN|10 4\\C2.wav 3\\E2.wav 2\\G2.wav";
  const std::string try8 = "NN|NN|312|414|515|NN|15 5\\C2.wav 4\\E2.wav 3\\G2.wav";
  EXPECT_EQ(Shown(rig), try7);
  for (const std::string& next : {try8, try7, try8, try7}) {
    rig.view->OnNextCandidate();
    EXPECT_EQ(Shown(rig), next);
  }
  EXPECT_TRUE(rig.rec.texts.empty());
  rig.rec.clears = 0;
  rig.view->OnNextCandidate();  // tries 16 and 17 fail
  EXPECT_EQ(rig.rec.clears, 3);
  EXPECT_EQ(rig.rec.texts, std::vector<std::string>{"これ以上候補はありません"});
  EXPECT_EQ(std::pair(rig.state().m_windowIndex, rig.state().m_stepIndex), std::pair(1, 4));
  ViewRig lost({47, 16});  // B3 is string 2 open, until C2 takes string 2: the window fails
  lost.view->OnShowNotes();
  EXPECT_EQ(Shown(lost) + " " + std::to_string(lost.rec.clears),
            "NN|NN|3 5|4 9|NN|NN|9 4\\B3.wav 3\\C2.wav 2");
}

// C, C#, D or D# of the lowest row: string 6 tuned down to C or D sounds it, whatever window, as
// the boxes ticked when the pass runs ask.
TEST(FingeringPass, ALowNoteTunesStringSixDownToSoundIt) {
  for (const auto& [slot, sixth] :
       {std::pair{48, "6 0C"}, {49, "6 1C"}, {51, "6 0D"}, {52, "6 1D"}}) {
    const std::string token(kSlots[slot].token);
    ViewRig rig({slot, 42});  // with G3, which sits on string 3 open
    rig.view->OnShowNotes();
    ASSERT_EQ(rig.rec.shown.size(), 1u) << token;
    EXPECT_EQ(Shown(rig), "NN|NN|3 0|NN|NN|" + std::string(sixth, 3) + "|" +
                              std::to_string(rig.rec.shown[0].second) + " 6\\" + token +
                              ".wav 3\\G3.wav");
    EXPECT_EQ(std::ranges::count(rig.log, std::string("Tuning ") + sixth[3]), 1);
  }
  ViewRig rig({54, 42});  // E4 G3: E4 on string 6 open
  rig.view->OnShowNotes();
  EXPECT_EQ(Shown(rig), "NN|NN|3 0|NN|NN|6 0|0 6\\E4.wav 3\\G3.wav");
  rig.ticks.Tick(51), rig.view->OnNextCandidate();  // D of row 4, ticked after the list was made
  EXPECT_EQ(rig.state().m_soundFiles[0], "6\\D4.wav");
}

// Low C with the open sixth string (tuned for each window), and seven notes: every window fails,
// each pass ends with the message, and the next command tries no window again.
TEST(FingeringPass, AChordWithNoCandidateRunsOutAfterEveryWindow) {
  for (const TickSet& chord : {TickSet{48, 54}, TickSet{63, 32, 35, 38, 39, 42, 45}}) {
    ViewRig rig(chord);
    rig.view->OnShowNotes();
    EXPECT_EQ(rig.rec.clears, 18) << "17 windows and the pass that shows the message";
    EXPECT_EQ(std::ranges::count(rig.log, "Tuning C"), chord.Count() == 2 ? 17 : 0);
    EXPECT_EQ(std::pair(Shown(rig), rig.state().m_noteCount),
              std::pair(std::string("nothing"), chord.Count()));
    rig.view->OnNextCandidate();
    EXPECT_EQ(std::pair(rig.rec.clears, rig.rec.texts.size()), std::pair(19, 2ul));
  }
}

// With no notes every window matches: one pass per command, every string unplayed, and the cursor
// walks every step until the last, which stays at fret 0.
TEST(FingeringPass, WithNoNotesTheCursorSettlesOnTheLastStep) {
  ViewRig rig;
  rig.view->OnShowNotes();
  EXPECT_EQ(Shown(rig), "NN|NN|NN|NN|NN|NN|0");
  std::string cursors;
  for (int i = 0; i < 25; ++i) {
    cursors += std::to_string(rig.state().m_windowIndex) + std::to_string(rig.state().m_stepIndex);
    rig.view->OnNextCandidate();
  }
  EXPECT_EQ(cursors, "10203040112131415112223242132333142434152535162636");
  EXPECT_EQ(std::pair(rig.rec.clears, rig.rec.texts.size()), std::pair(26, 0ul));
}

}  // namespace
}  // namespace fretwise
