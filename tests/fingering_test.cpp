// The fret note table, the fingering search and the candidate cursor, through the view's commands.
#include <gtest/gtest.h>

#include "fingering/fingering_search.h"
#include "fingering/fret_table.h"
#include "support/recorders.h"

namespace fretwise {
namespace {

using test::Cells;
using test::ViewRig;
using Strings = std::vector<std::string>;

// Open-string pitches of standard tuning as token codes (C2 = 0), string 1 first.
constexpr std::array<int, 6> kOpenCodes = {28, 23, 19, 14, 9, 4};

TEST(FretTable, EveryStringIsChromaticFromItsOpenNote) {
  for (int s = 0; s < kStringCount; ++s) {
    const int lastFret = s == 3 ? 18 : 19;  // string 4 stops one fret early
    for (int f = 0; f < kFretCount; ++f) {
      const std::string_view cell = kFretNotes[s][f];
      const int expected = f <= lastFret ? kOpenCodes[s] + f : s == 5 ? f - 20 : kNoToken;
      EXPECT_EQ(TokenCode(cell), expected) << "string " << s + 1 << " fret " << f << " " << cell;
      EXPECT_EQ(kFretCodes[s][f], TokenCode(cell));
    }
  }
}

TEST(FingeringSearch, ALaterNoteOnATakenStringReplacesTheEarlierOne) {
  std::array<TokenCell, kTokenCells> tokens{};
  auto set = [&](int n, std::string_view token) {
    std::copy(token.begin(), token.end(), tokens[n].begin());
  };
  set(0, "D1");  // string 1 fret 10 ...
  set(1, "C1");  // ... replaced by string 1 fret 8; the highest fret stays 10
  const WindowMatch match = SearchWindow(tokens, 8);
  EXPECT_EQ(Cells(match.cells), (Strings{"1 8", "NN", "NN", "NN", "NN", "NN"}));
  EXPECT_EQ(match.highestFret, 10);
}

struct Expected {
  Strings cells;
  int highestFret;
  Strings paths;
};

void ExpectShown(const ViewRig& rig, const Expected& e) {
  ASSERT_FALSE(rig.diagram.shown.empty());
  EXPECT_EQ(Cells(rig.diagram.shown.back().cells), e.cells);
  EXPECT_EQ(rig.diagram.shown.back().highestFret, e.highestFret);
  const auto& files = rig.state().m_soundFiles;
  EXPECT_EQ(Strings(files.begin(), files.begin() + rig.state().m_noteCount), e.paths);
}

TEST(FingeringPass, CMajorTriadWalksItsCandidatesToTheMessage) {
  ViewRig rig({16, 22, 26});  // C4 E4 G4 in scientific pitch
  rig.view.OnShowNotes();
  EXPECT_EQ(rig.diagram.clears, 7) << "windows 0-4, 5-9, 10-14, 15-19, 0-4, 4-8 fail";
  const Expected try7{
      {"NN", "2 8", "3 9", "410", "NN", "NN"}, 10, {"4\\C2.wav", "3\\E2.wav", "2\\G2.wav"}};
  const Expected try8{
      {"NN", "NN", "312", "414", "515", "NN"}, 15, {"5\\C2.wav", "4\\E2.wav", "3\\G2.wav"}};
  ExpectShown(rig, try7);
  for (const Expected* next : {&try8, &try7, &try8, &try7}) {
    rig.view.OnNextCandidate();
    ExpectShown(rig, *next);
  }
  EXPECT_TRUE(rig.messages.texts.empty());
  rig.diagram.clears = 0;
  rig.view.OnNextCandidate();  // tries 16 and 17 fail
  EXPECT_EQ(rig.diagram.clears, 3);
  EXPECT_EQ(rig.messages.texts, Strings{"これ以上候補はありません"});
  EXPECT_EQ(std::pair(rig.state().m_windowIndex, rig.state().m_stepIndex), std::pair(1, 4));
}

TEST(FingeringPass, ALowerNoteLostToAReplacementFailsTheWindow) {
  ViewRig rig({47, 16});  // B3 is string 2 open, until C2 takes string 2
  rig.view.OnShowNotes();
  ExpectShown(rig, {{"NN", "NN", "3 5", "4 9", "NN", "NN"}, 9, {"4\\B3.wav", "3\\C2.wav"}});
  EXPECT_EQ(rig.diagram.clears, 2);
}

// C, C#, D or D# of the lowest row: string 6 tuned down to C or D sounds it, whatever window.
TEST(FingeringPass, ALowNoteTunesStringSixDownToSoundIt) {
  for (const auto& [slot, sixth] : {std::pair{48, "6 0 C"}, {49, "6 1 C"}, {51, "6 0 D"},
                                    {52, "6 1 D"}}) {
    const std::string token(kSlots[slot].token);
    SCOPED_TRACE(token);
    ViewRig rig({slot, 42});  // with G3, which sits on string 3 open
    rig.view.OnShowNotes();
    ASSERT_EQ(rig.diagram.shown.size(), 1u);
    const auto letter = std::find_if(rig.log.begin(), rig.log.end(),
                                     [](const std::string& c) { return c.starts_with("Tuning"); });
    ASSERT_NE(letter, rig.log.end());
    EXPECT_EQ(Cells(rig.diagram.shown[0].cells),
              (Strings{"NN", "NN", "3 0", "NN", "NN", std::string(sixth, 3)}));
    EXPECT_EQ(letter->back(), sixth[4]);
    EXPECT_EQ(rig.state().m_soundFiles[0], "6\\" + token + ".wav");
    EXPECT_EQ(rig.state().m_soundFiles[1], "3\\G3.wav");
  }
}

TEST(FingeringPass, TheTuningFollowsTheBoxesTickedWhenThePassRuns) {
  ViewRig rig({54, 42});  // E4 G3: E4 on string 6 open
  rig.view.OnShowNotes();
  ExpectShown(rig, {{"NN", "NN", "3 0", "NN", "NN", "6 0"}, 0, {"6\\E4.wav", "3\\G3.wav"}});
  rig.ticks.Tick(51);  // D of row 4, ticked after the list was collected
  rig.view.OnNextCandidate();
  EXPECT_EQ(rig.state().m_soundFiles[0], "6\\D4.wav");
}

// Low C with the open sixth string, and seven notes: every window fails, each pass ends with the
// message, and the next command tries no window again.
TEST(FingeringPass, AChordWithNoCandidateRunsOutAfterEveryWindow) {
  for (const TickSet& chord : {TickSet{48, 54}, TickSet{63, 32, 35, 38, 39, 42, 45}}) {
    ViewRig rig(chord);
    rig.view.OnShowNotes();
    EXPECT_EQ(rig.diagram.clears, 18) << "17 windows and the pass that shows the message";
    EXPECT_TRUE(rig.diagram.shown.empty());
    EXPECT_EQ(rig.state().m_noteCount, chord.Count());
    rig.view.OnNextCandidate();
    EXPECT_EQ(rig.diagram.clears, 19);
    EXPECT_EQ(rig.messages.texts.size(), 2u);
  }
}

// With no notes every window matches: one pass per command, every string unplayed, and the cursor
// walks every step until the last, which stays at fret 0.
TEST(FingeringPass, WithNoNotesTheCursorSettlesOnTheLastStep) {
  ViewRig rig;
  rig.view.OnShowNotes();
  ExpectShown(rig, {Strings(6, "NN"), 0, {}});
  std::string cursors;
  for (int i = 0; i < 25; ++i) {
    cursors += std::to_string(rig.state().m_windowIndex) + std::to_string(rig.state().m_stepIndex);
    rig.view.OnNextCandidate();
  }
  EXPECT_EQ(cursors, "10203040112131415112223242132333142434152535162636");
  EXPECT_TRUE(rig.messages.texts.empty());
  EXPECT_EQ(rig.diagram.clears, 26);
}

}  // namespace
}  // namespace fretwise
