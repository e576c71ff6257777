// The note slot table and the show-notes pass that collects the ticked notes.
#include <gtest/gtest.h>

#include <set>

#include "notes/note_token.h"
#include "support/recorders.h"

namespace fretwise {
namespace {

using test::ViewRig;

std::vector<std::string> Tokens(const ViewState& state) {
  std::vector<std::string> tokens;
  for (const TokenCell& cell : state.m_noteTokens) tokens.emplace_back(cell.data());
  return tokens;
}

std::vector<std::string> Paths(const ViewState& state) {
  return {state.m_soundFiles.begin(), state.m_soundFiles.begin() + state.m_noteCount};
}

// The table's documented layout, checked row by row so that a mistyped entry fails on its own.
TEST(SlotTable, EveryRowFollowsTheLayoutOfThePanel) {
  constexpr std::array<int, 16> kColumnLeft = {30,  70, 0,   120, 160, 0,   210, 250,
                                               305, 0,  370, 410, 0,   460, 500, 550};
  constexpr std::array<int, 16> kColumnRight = {70,  120, 0,   160, 210, 0,   250, 305,
                                                370, 0,   410, 460, 0,   500, 550, 590};
  constexpr std::array<std::string_view, 16> kCaptions = {"ド", "ド♯",  "",      "レ", "レ♯", "",
                                                          "ミ", "ファ", "ファ♯", "",   "ソ",  "ソ♯",
                                                          "",   "ラ",   "ラ♯",   "シ"};
  constexpr std::string_view kNoteLetters = "CCCDDDEFFFGGGAAB";
  int plainId = 61205, sharpId = 61241;
  for (int slot = 0; slot < kSlotCount; ++slot) {
    SCOPED_TRACE("slot " + std::to_string(slot));
    const SlotInfo& info = kSlots[slot];
    const int p = slot % 16;
    EXPECT_EQ(info.row, slot / 16 + 1);
    EXPECT_EQ(info.position, p);
    if (p == 2 || p == 5 || p == 9 || p == 12) {
      EXPECT_EQ(info.kind, SlotKind::kNatural);
      EXPECT_FALSE(HasCheckBox(slot));
      EXPECT_EQ(info.controlId, 0);
      EXPECT_TRUE(info.caption.empty() && info.soundFile.empty() && info.token.empty());
      continue;
    }
    const bool sharp = p == 1 || p == 4 || p == 8 || p == 11 || p == 14;
    EXPECT_EQ(info.kind, sharp ? SlotKind::kSharp : SlotKind::kPlain);
    EXPECT_EQ(info.controlId, sharp ? sharpId++ : plainId++);
    EXPECT_EQ(info.caption, kCaptions[p]);
    const int top = 30 * info.row;
    EXPECT_EQ(info.rect, (Rect{kColumnLeft[p], top, kColumnRight[p], top + 20}));
    const std::string token =
        std::string(1, kNoteLetters[p]) + char('0' + info.row) + (sharp ? "_SRP" : "");
    EXPECT_EQ(info.token, token);
    EXPECT_EQ(info.soundFile.substr(1), "\\" + token + ".wav");
  }
  EXPECT_EQ(plainId, 61233);
  EXPECT_EQ(sharpId, 61261);
}

// The folder digit is the table's own, not derived from the token.
TEST(SlotTable, SoundFoldersAreTheTablesOwn) {
  std::string digits;
  for (int slot = 0; slot < kSlotCount; ++slot) {
    digits += HasCheckBox(slot) ? kSlots[slot].soundFile[0] : '-';
  }
  EXPECT_EQ(digits,
            "11-11-111-11-111"    // row 1
            "22-22-111-11-111"    // row 2: C to D# in 2, E to B in 1
            "55-54-444-33-332"    // row 3: D in 5 but D# in 4; B in 2
            "66-66-666-66-555");  // row 4
  EXPECT_EQ(kSlots[35].soundFile, "5\\D3.wav");
  EXPECT_EQ(kSlots[36].soundFile, "4\\D3_SRP.wav");
}

TEST(NoteTokens, CodesNameEachPanelTokenOnceAndNothingElse) {
  std::set<int> codes;
  for (int slot : kScanOrder) {
    const int code = TokenCode(kSlots[slot].token);
    ASSERT_NE(code, kNoToken) << kSlots[slot].token;
    EXPECT_EQ(SlotOfCode(code), slot);
    EXPECT_EQ(TokenText(code), kSlots[slot].token);
    codes.insert(code);
  }
  EXPECT_EQ(codes.size(), 48u);
  EXPECT_EQ(*codes.begin(), 0);
  for (std::string_view text :
       {"", "NULL", "c1", "C5", "C0", "E1_SRP", "B2_SRP", "C1_srp", "C1 ", "C1_SRPX", "H1"}) {
    EXPECT_EQ(TokenCode(text), kNoToken) << '"' << text << '"';
  }
  EXPECT_EQ(ScientificName(TokenCode("E4")), "E2");
  EXPECT_EQ(ScientificName(TokenCode("F2_SRP")), "F#4");
}

struct PitchCase {
  std::string_view text;
  std::string_view token;  // empty when the text is not a pitch in range
  friend void PrintTo(const PitchCase& c, std::ostream* os) { *os << '"' << c.text << '"'; }
};

class ScientificPitch : public testing::TestWithParam<PitchCase> {};

TEST_P(ScientificPitch, ReadsToTheTokenOfThePanel) {
  const auto code = ParseScientificPitch(GetParam().text);
  if (GetParam().token.empty()) {
    EXPECT_FALSE(code.has_value());
  } else {
    ASSERT_TRUE(code.has_value());
    EXPECT_EQ(TokenText(*code), GetParam().token);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Rows, ScientificPitch,
    testing::Values(PitchCase{"C2", "C4"}, PitchCase{"B5", "B1"}, PitchCase{"e2", "E4"},
                    PitchCase{"C#3", "C3_SRP"}, PitchCase{"C♯3", "C3_SRP"},
                    PitchCase{"Db3", "C3_SRP"}, PitchCase{"D♭3", "C3_SRP"},
                    PitchCase{"bb4", "A2_SRP"}, PitchCase{"Cb3", "B4"}, PitchCase{"Fb3", "E3"},
                    PitchCase{"E#3", "F3"}, PitchCase{"B#2", "C3"}, PitchCase{"Cb2", ""},
                    PitchCase{"B#5", ""}, PitchCase{"B1", ""}, PitchCase{"C6", ""},
                    PitchCase{"H3", ""}, PitchCase{"C", ""}, PitchCase{"C##3", ""},
                    PitchCase{"C3x", ""}, PitchCase{"", ""}, PitchCase{"C-1", ""},
                    PitchCase{"C+3", ""}),
    [](const auto& info) {
      std::string name;
      for (char c : info.param.text) name += std::isalnum(static_cast<unsigned char>(c)) ? c : '_';
      return "case" + std::to_string(info.index) + "_" + name;
    });

TEST(ShowNotes, CollectsLowestNoteFirstWhateverTheOrderOfTicking) {
  ViewRig rig;
  rig.ticks.Tick(20);  // D# of row 2 first
  rig.ticks.Tick(48);  // C of row 4 second
  rig.view.OnShowNotes();
  EXPECT_EQ(rig.state().m_noteCount, 2);
  EXPECT_EQ(Tokens(rig.state()), (std::vector<std::string>{"C4", "D2_SRP", "", "", "", ""}));
  EXPECT_EQ(rig.state().m_soundFiles[0], "6\\C4.wav");
}

TEST(ShowNotes, DrawsEachSlotOnTheStaffBeforeTheFingeringPass) {
  ViewRig rig({36, 35});
  rig.view.OnShowNotes();
  EXPECT_EQ(Tokens(rig.state())[0], "D3");
  EXPECT_EQ(Tokens(rig.state())[1], "D3_SRP");
  EXPECT_EQ(std::vector<std::string>(rig.log.begin(), rig.log.begin() + 5),
            (std::vector<std::string>{"PrepareStaff", "DrawSlot 35", "DrawSlot 36", "EndStaff",
                                      "BeginFingeringPass"}));
}

TEST(ShowNotes, SeventhAndLaterNotesAreCountedWithPathsButNoTokens) {
  ViewRig rig({63, 32, 35, 38, 39, 42, 45});  // B2 C3 D3 E3 F3 G3 A3
  rig.view.OnShowNotes();
  EXPECT_EQ(rig.state().m_noteCount, 7);
  EXPECT_EQ(Tokens(rig.state()), (std::vector<std::string>{"B4", "C3", "D3", "E3", "F3", "G3"}));
  EXPECT_EQ(Paths(rig.state()).size(), 7u);
  EXPECT_EQ(rig.state().m_soundFiles[6], "3\\A3.wav");
}

TEST(ShowNotes, AllFortyEightBoxes) {
  ViewRig rig;
  for (int slot = 0; slot < kSlotCount; ++slot) rig.ticks.Tick(slot);
  EXPECT_EQ(rig.ticks.Count(), 48);  // natural slots cannot be ticked
  rig.view.OnShowNotes();
  EXPECT_EQ(rig.state().m_noteCount, 48);
  EXPECT_EQ(Tokens(rig.state()),
            (std::vector<std::string>{"C4", "C4_SRP", "D4", "D4_SRP", "E4", "F4"}));
  // The path of the 48th note is the table's, since no string was left to pair it with.
  EXPECT_EQ(rig.state().m_soundFiles[47], "1\\B1.wav");
  EXPECT_EQ(rig.messages.texts, std::vector<std::string>{"これ以上候補はありません"});
}

TEST(ShowNotes, FewerNotesThanBeforeLeaveNoStaleTokenButKeepOldPaths) {
  ViewRig rig({16, 22, 26});
  rig.view.OnShowNotes();
  rig.ticks = TickSet{42};
  rig.view.OnShowNotes();
  EXPECT_EQ(rig.state().m_noteCount, 1);
  EXPECT_EQ(Tokens(rig.state()), (std::vector<std::string>{"G3", "", "", "", "", ""}));
  // Entries past the count are never read, and nothing clears them.
  EXPECT_EQ(rig.state().m_soundFiles[2], "2\\G2.wav");
}

TEST(ShowNotes, NoBoxTickedStillRunsTheFingeringPass) {
  ViewRig rig;
  rig.view.OnShowNotes();
  EXPECT_EQ(rig.state().m_noteCount, 0);
  EXPECT_EQ(Tokens(rig.state()), std::vector<std::string>(6, ""));
  EXPECT_EQ(rig.log,
            (test::CallLog{"PrepareStaff", "EndStaff", "BeginFingeringPass", "ClearFretboardArea",
                           "DrawFretboardDiagram", "EndFingeringPass"}));
}

TEST(ShowNotes, NaturalSlotsReadAsNeverTicked) {
  TickSet ticks{2, 5, 9, 12, 50, 60};
  EXPECT_EQ(ticks.Count(), 0);
  ViewRig rig(ticks);
  rig.view.OnShowNotes();
  EXPECT_EQ(rig.state().m_noteCount, 0);
}

TEST(Clear, UnticksEveryBoxAndLeavesTheListAndCursor) {
  ViewRig rig({16, 22, 26});
  rig.view.OnShowNotes();
  rig.view.OnNextCandidate();
  const auto tokens = Tokens(rig.state());
  const auto paths = Paths(rig.state());
  const auto cursor = std::pair(rig.state().m_windowIndex, rig.state().m_stepIndex);
  const auto calls = rig.log.size();

  rig.view.OnClear();
  EXPECT_EQ(rig.ticks.Count(), 0);
  EXPECT_EQ(Tokens(rig.state()), tokens);
  EXPECT_EQ(Paths(rig.state()), paths);
  EXPECT_EQ(std::pair(rig.state().m_windowIndex, rig.state().m_stepIndex), cursor);
  EXPECT_EQ(rig.log.size(), calls) << "clear draws nothing";

  // Next candidate still works on the list of the last show-notes pass.
  rig.view.OnNextCandidate();
  EXPECT_EQ(rig.diagram.shown.size(), 3u);
  rig.view.OnShowNotes();
  EXPECT_EQ(rig.state().m_noteCount, 0);
}

TEST(ShowNotes, ResetsTheCursorAfterNextCandidate) {
  ViewRig rig({16, 22, 26});
  rig.view.OnShowNotes();
  rig.view.OnNextCandidate();
  EXPECT_EQ(rig.state().m_stepIndex, 1);
  EXPECT_EQ(rig.state().m_windowIndex, 4);
  rig.view.OnShowNotes();  // what every repaint does
  EXPECT_EQ(rig.state().m_stepIndex, 1);
  EXPECT_EQ(rig.state().m_windowIndex, 3);
  EXPECT_EQ(test::Cells(rig.diagram.shown.back().cells),
            test::Cells(rig.diagram.shown.front().cells));
}

}  // namespace
}  // namespace fretwise
