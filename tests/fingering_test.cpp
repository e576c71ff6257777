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

TEST(FretTable, EveryStringIsChromaticFromItsOpenNoteWithItsOwnGaps) {
  for (int s = 0; s < kStringCount; ++s) {
    for (int f = 0; f < kFretCount; ++f) {
      SCOPED_TRACE("string " + std::to_string(s + 1) + " fret " + std::to_string(f));
      const std::string_view cell = kFretNotes[s][f];
      const int lastFret = s == 3 ? 18 : 19;  // string 4 stops one fret early
      if (f <= lastFret) {
        EXPECT_EQ(TokenCode(cell), kOpenCodes[s] + f) << cell;
      } else if (s == 5) {
        EXPECT_EQ(cell, (std::array<std::string_view, 4>{"C4", "C4_SRP", "D4", "D4_SRP"}[f - 20]));
      } else {
        EXPECT_EQ(cell, "NULL");
      }
      EXPECT_EQ(kFretCodes[s][f], TokenCode(cell));
    }
  }
}

TEST(FretTable, WhereNotesStand) {
  auto places = [](std::string_view token) {
    Strings out;
    for (int s = 0; s < kStringCount; ++s) {
      for (int f = 0; f < kFretCount; ++f) {
        if (kFretNotes[s][f] == token) out.push_back(CellText(FormatCell(s + 1, f)).data());
      }
    }
    return out;
  };
  EXPECT_EQ(places("E2"), (Strings{"1 0", "2 5", "3 9", "414", "519"}));
  EXPECT_EQ(places("A2"), (Strings{"1 5", "210", "314"}));  // not string 4: its fret 19 is NULL
  EXPECT_EQ(places("C4"), (Strings{"620"}));
  EXPECT_EQ(places("D4_SRP"), (Strings{"623"}));
  EXPECT_EQ(places(""), Strings{});
  EXPECT_EQ(places("NULL").size(), 4u * 4 + 5);  // the text matches, TokenCode does not
  EXPECT_EQ(TokenCode("NULL"), kNoToken);
}

TEST(FingeringSearch, ALaterNoteOnATakenStringReplacesTheEarlierOne) {
  std::array<TokenCell, kTokenCells> tokens{};
  auto set = [&](int n, std::string_view token) {
    std::copy(token.begin(), token.end(), tokens[n].begin());
  };
  set(0, "B3");
  set(1, "C2");
  const WindowMatch match = SearchWindow(tokens, 0);
  // "B3" is also at string 3 fret 4, but its first match is string 2 open.
  EXPECT_EQ(Cells(match.cells), (Strings{"NN", "2 1", "NN", "NN", "NN", "NN"}));
  EXPECT_EQ(match.highestFret, 1);

  set(0, "D1");  // string 1 fret 10 ...
  set(1, "C1");  // ... replaced by string 1 fret 8; the highest fret stays 10
  const WindowMatch replaced = SearchWindow(tokens, 8);
  EXPECT_EQ(Cells(replaced.cells), (Strings{"1 8", "NN", "NN", "NN", "NN", "NN"}));
  EXPECT_EQ(replaced.highestFret, 10);
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
  EXPECT_EQ(Strings(rig.state().m_soundFiles.begin(),
                    rig.state().m_soundFiles.begin() + rig.state().m_noteCount),
            e.paths);
}

TEST(FingeringPass, NoNotesShowsEveryStringUnplayedInOnePass) {
  ViewRig rig;
  rig.view.OnShowNotes();
  EXPECT_EQ(rig.diagram.clears, 1);
  ExpectShown(rig, {Strings(6, "NN"), 0, {}});
  EXPECT_EQ(rig.state().m_windowIndex, 1);
}

TEST(FingeringPass, CMajorTriadInTheSecondOctaveWalksItsCandidates) {
  ViewRig rig({16, 22, 26});  // C2 E2 G2 (C4 E4 G4 in scientific pitch)
  rig.view.OnShowNotes();
  EXPECT_EQ(rig.diagram.clears, 7) << "windows 0-4, 5-9, 10-14, 15-19, 0-4, 4-8 fail";
  const Expected try7{
      {"NN", "2 8", "3 9", "410", "NN", "NN"}, 10, {"4\\C2.wav", "3\\E2.wav", "2\\G2.wav"}};
  const Expected try8{
      {"NN", "NN", "312", "414", "515", "NN"}, 15, {"5\\C2.wav", "4\\E2.wav", "3\\G2.wav"}};
  ExpectShown(rig, try7);
  EXPECT_EQ(rig.state().m_windowIndex, 3);

  for (const Expected* next : {&try8, &try7, &try8, &try7}) {
    rig.view.OnNextCandidate();
    ExpectShown(rig, *next);
  }
  EXPECT_TRUE(rig.messages.texts.empty());

  rig.diagram.clears = 0;
  rig.view.OnNextCandidate();  // tries 16 and 17 fail
  EXPECT_EQ(rig.diagram.clears, 3);
  EXPECT_EQ(rig.messages.texts, Strings{"これ以上候補はありません"});
  EXPECT_EQ(rig.diagram.shown.size(), 5u);
}

TEST(FingeringPass, TheMessageComesAfterTheSurfaceIsGivenBackAndLeavesTheCursor) {
  ViewRig rig({16, 22, 26});
  rig.view.OnShowNotes();
  for (int i = 0; i < 5; ++i) rig.view.OnNextCandidate();
  ASSERT_EQ(rig.messages.texts.size(), 1u);
  const auto cursor = std::pair(rig.state().m_windowIndex, rig.state().m_stepIndex);
  EXPECT_EQ(cursor, std::pair(1, 4));

  rig.log.clear();
  rig.view.OnNextCandidate();
  EXPECT_EQ(rig.log, (test::CallLog{"BeginFingeringPass", "ClearFretboardArea", "EndFingeringPass",
                                    "Message これ以上候補はありません"}));
  EXPECT_EQ(std::pair(rig.state().m_windowIndex, rig.state().m_stepIndex), cursor);
}

TEST(FingeringPass, LowerNoteLostToAReplacementFailsTheWindow) {
  ViewRig rig({47, 16});  // B3, C2
  rig.view.OnShowNotes();
  ExpectShown(rig, {{"NN", "NN", "3 5", "4 9", "NN", "NN"}, 9, {"4\\B3.wav", "3\\C2.wav"}});
  EXPECT_EQ(rig.diagram.clears, 2);
}

TEST(FingeringPass, LowCTunesStringSixDown) {
  ViewRig rig({48, 38, 42});  // C4 E3 G3, slot 48 ticked
  rig.view.OnShowNotes();
  ExpectShown(
      rig, {{"NN", "NN", "3 0", "4 2", "NN", "6 0"}, 2, {"6\\C4.wav", "4\\E3.wav", "3\\G3.wav"}});
  EXPECT_EQ(rig.log,
            (test::CallLog{"PrepareStaff", "DrawSlot 48", "DrawSlot 38", "DrawSlot 42", "EndStaff",
                           "BeginFingeringPass", "ClearFretboardArea", "DrawTuningLetter C",
                           "DrawFretboardDiagram", "EndFingeringPass"}));
}

struct LowNoteCase {
  const char* name;
  int slot;
  const char* cell;
  char letter;
  const char* path;
  friend void PrintTo(const LowNoteCase& c, std::ostream* os) { *os << c.name; }
};

class LowNoteSubstitutionRows : public testing::TestWithParam<LowNoteCase> {};

TEST_P(LowNoteSubstitutionRows, PutTheLowestNoteOnStringSix) {
  const LowNoteCase& c = GetParam();
  ViewRig rig({c.slot, 42});  // with G3, which sits on string 3 open
  rig.view.OnShowNotes();
  ASSERT_EQ(rig.diagram.shown.size(), 1u);
  EXPECT_EQ(Cells(rig.diagram.shown[0].cells), (Strings{"NN", "NN", "3 0", "NN", "NN", c.cell}));
  EXPECT_EQ(rig.state().m_soundFiles[0], c.path);
  EXPECT_EQ(rig.state().m_soundFiles[1], "3\\G3.wav");
  EXPECT_NE(std::find(rig.log.begin(), rig.log.end(), std::string("DrawTuningLetter ") + c.letter),
            rig.log.end());
}

INSTANTIATE_TEST_SUITE_P(Rows, LowNoteSubstitutionRows,
                         testing::Values(LowNoteCase{"C", 48, "6 0", 'C', "6\\C4.wav"},
                                         LowNoteCase{"CSharp", 49, "6 1", 'C', "6\\C4_SRP.wav"},
                                         LowNoteCase{"D", 51, "6 0", 'D', "6\\D4.wav"},
                                         LowNoteCase{"DSharp", 52, "6 1", 'D', "6\\D4_SRP.wav"}),
                         [](const auto& info) { return info.param.name; });

TEST(FingeringPass, SubstitutionReadsTheBoxesWhenThePassRuns) {
  ViewRig rig({54, 42});  // E4 G3: E4 on string 6 open
  rig.view.OnShowNotes();
  ExpectShown(rig, {{"NN", "NN", "3 0", "NN", "NN", "6 0"}, 0, {"6\\E4.wav", "3\\G3.wav"}});
  rig.ticks.Tick(51);  // D of row 4, ticked after the list was collected
  rig.view.OnNextCandidate();
  // The list still holds E4 and G3, but string 6 is now taken as tuned down to D.
  EXPECT_EQ(rig.state().m_soundFiles[0], "6\\D4.wav");
}

TEST(FingeringPass, LowCWithTheOpenSixthStringHasNoCandidate) {
  ViewRig rig({48, 54});  // C4 E4
  rig.view.OnShowNotes();
  EXPECT_EQ(rig.diagram.clears, 18) << "17 windows and the pass that shows the message";
  EXPECT_TRUE(rig.diagram.shown.empty());
  EXPECT_EQ(rig.messages.texts.size(), 1u);
}

TEST(FingeringPass, OpenLowEAloneRecursAsTheFifthTry) {
  ViewRig rig({54});
  rig.view.OnShowNotes();
  ExpectShown(rig, {{"NN", "NN", "NN", "NN", "NN", "6 0"}, 0, {"6\\E4.wav"}});
  rig.diagram.clears = 0;
  rig.view.OnNextCandidate();
  EXPECT_EQ(rig.diagram.clears, 4) << "frets 5-9, 10-14 and 15-19 fail";
  ExpectShown(rig, {{"NN", "NN", "NN", "NN", "NN", "6 0"}, 0, {"6\\E4.wav"}});
  EXPECT_EQ(std::pair(rig.state().m_windowIndex, rig.state().m_stepIndex), std::pair(1, 1));
}

TEST(FingeringPass, MoreThanSixNotesRunOutAfterEveryWindow) {
  ViewRig rig({63, 32, 35, 38, 39, 42, 45});
  rig.view.OnShowNotes();
  EXPECT_EQ(rig.diagram.clears, 18);
  rig.diagram.clears = 0;
  rig.view.OnNextCandidate();
  EXPECT_EQ(rig.diagram.clears, 1);
  EXPECT_EQ(rig.messages.texts.size(), 2u);
}

TEST(FingeringPass, WithNoNotesTheCursorSettlesOnTheLastStep) {
  ViewRig rig;
  rig.view.OnShowNotes();
  // (window index, step index) after each command: steps 5, 4, 6 and 7 run past fret 19, then
  // steps 8 and 9 do, and step 0 keeps every window at fret 0.
  std::vector<std::pair<int, int>> cursors;
  for (int i = 0; i < 22; ++i) {
    cursors.emplace_back(rig.state().m_windowIndex, rig.state().m_stepIndex);
    rig.view.OnNextCandidate();
  }
  EXPECT_EQ(cursors, (std::vector<std::pair<int, int>>{
                         {1, 0}, {2, 0}, {3, 0}, {4, 0}, {1, 1}, {2, 1}, {3, 1}, {4, 1},
                         {5, 1}, {1, 2}, {2, 2}, {3, 2}, {4, 2}, {1, 3}, {2, 3}, {3, 3},
                         {1, 4}, {2, 4}, {3, 4}, {1, 5}, {2, 5}, {3, 5}}));
  for (int i = 0; i < 3; ++i) rig.view.OnNextCandidate();
  EXPECT_EQ(rig.state().m_stepIndex, 6);
  EXPECT_EQ(rig.state().m_windowIndex, 4);
  EXPECT_TRUE(rig.messages.texts.empty());
  EXPECT_EQ(rig.diagram.clears, 26) << "one pass per command";
}

}  // namespace
}  // namespace fretwise
