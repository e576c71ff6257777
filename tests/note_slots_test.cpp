// The note panel's slots and tokens, and the show-notes pass that collects the ticked notes.
#include <gtest/gtest.h>

#include <set>

#include "fingering/fret_table.h"
#include "notes/note_token.h"
#include "support/recorders.h"

namespace fretwise {
namespace {

using test::ViewRig;
using Strings = std::vector<std::string>;

Strings Tokens(const ViewState& state) {
  Strings tokens;
  for (const TokenCell& cell : state.m_noteTokens) tokens.emplace_back(cell.data());
  return tokens;
}

// What a player reads on each box is the note it collects, and its sound file is that note on a
// string that has it.
TEST(SlotTable, EveryBoxSoundsOnSomeStringThePitchItsCaptionNames) {
  constexpr std::string_view kSolfege[] = {"ド", "レ", "ミ", "ファ", "ソ", "ラ", "シ"};  // C to B
  std::set<int> ids;
  int right = 0;
  for (int slot = 0; slot < kSlotCount; ++slot) {
    const SlotInfo& s = kSlots[slot];
    SCOPED_TRACE(slot);
    EXPECT_EQ(s.row, slot / kPositionsPerRow + 1);
    EXPECT_EQ(s.position, slot % kPositionsPerRow);
    if (!HasCheckBox(slot)) {
      EXPECT_TRUE(s.token.empty() && s.caption.empty() && s.controlId == 0);
      continue;
    }
    ids.insert(s.controlId);
    const bool sharp = s.token.ends_with("_SRP");
    EXPECT_EQ(s.kind == SlotKind::kSharp, sharp);
    EXPECT_EQ(s.caption, std::string(kSolfege[kLetters.find(s.token[0])]) + (sharp ? "♯" : ""));
    EXPECT_EQ(s.token[1], '0' + s.row);
    EXPECT_EQ(s.soundFile.substr(1), "\\" + std::string(s.token) + ".wav");
    const int string = s.soundFile[0] - '1';
    ASSERT_TRUE(string >= 0 && string < kStringCount);
    const auto& frets = kFretNotes[string];
    EXPECT_NE(std::find(frets.begin(), frets.end(), s.token), frets.end());
    // A row of boxes side by side from x 30, one row every 30 pixels.
    EXPECT_EQ(s.rect.left, s.position == 0 ? 30 : right);
    EXPECT_EQ(s.rect.top, 30 * s.row);
    EXPECT_EQ(s.rect.bottom, s.rect.top + 20);
    EXPECT_GT(s.rect.right, s.rect.left + 30);
    right = s.rect.right;
  }
  EXPECT_EQ(ids.size(), 48u);
}

TEST(NoteTokens, PitchesRiseAlongTheScanOrder) {
  for (int code = 0; code < kTokenCount; ++code) {
    const int slot = kScanOrder[code];
    EXPECT_EQ(TokenCode(kSlots[slot].token), code) << slot;
    EXPECT_EQ(SlotOfCode(code), slot);
    EXPECT_EQ(TokenText(code), kSlots[slot].token);
  }
  for (std::string_view text :
       {"", "NULL", "c1", "C5", "C0", "E1_SRP", "B2_SRP", "C1_srp", "C1 ", "C1_SRPX", "H1"}) {
    EXPECT_EQ(TokenCode(text), kNoToken) << '"' << text << '"';
  }
  EXPECT_EQ(ScientificName(TokenCode("E4")), "E2");
  EXPECT_EQ(ScientificName(TokenCode("F2_SRP")), "F#4");
}

TEST(NoteTokens, ScientificPitchReadsToThePanelsToken) {
  const std::pair<std::string_view, std::string_view> rows[] = {
      {"C2", "C4"},      {"B5", "B1"},      {"e2", "E4"},  {"C#3", "C3_SRP"}, {"C♯3", "C3_SRP"},
      {"Db3", "C3_SRP"}, {"D♭3", "C3_SRP"}, {"Cb3", "B4"}, {"E#3", "F3"},     {"bb4", "A2_SRP"},
      {"Cb2", ""},       {"B#5", ""},       {"C6", ""},    {"H3", ""},        {"C", ""},
      {"C##3", ""},      {"C3x", ""},       {"", ""},      {"C-1", ""},       {"C+3", ""}};
  for (const auto& [text, token] : rows) {
    const auto code = ParseScientificPitch(text);
    EXPECT_EQ(code ? TokenText(*code) : "", token) << '"' << text << '"';
  }
}

TEST(ShowNotes, CollectsLowestFirstAndDrawsEachOnTheStaffBeforeTheFingering) {
  ViewRig rig({36, 20, 35});
  rig.view.OnShowNotes();
  EXPECT_EQ(Tokens(rig.state()), (Strings{"D3", "D3_SRP", "D2_SRP", "", "", ""}));
  EXPECT_EQ(Strings(rig.log.begin(), rig.log.begin() + 6),
            (Strings{"PrepareStaff", "DrawSlot 35", "DrawSlot 36", "DrawSlot 20", "EndStaff",
                     "BeginFingeringPass"}));
  rig.ticks = TickSet{42};
  rig.view.OnShowNotes();
  EXPECT_EQ(Tokens(rig.state()), (Strings{"G3", "", "", "", "", ""})) << "no stale token";
}

// Past six notes each is counted and keeps its path, so that playback can refuse it, but has no
// token.
TEST(ShowNotes, EveryBoxTicked) {
  ViewRig rig;
  for (int slot = 0; slot < kSlotCount; ++slot) rig.ticks.Tick(slot);
  EXPECT_EQ(rig.ticks.Count(), 48) << "natural slots cannot be ticked";
  rig.view.OnShowNotes();
  EXPECT_EQ(rig.state().m_noteCount, 48);
  EXPECT_EQ(Tokens(rig.state()), (Strings{"C4", "C4_SRP", "D4", "D4_SRP", "E4", "F4"}));
  EXPECT_EQ(rig.state().m_soundFiles[47], "1\\B1.wav");
  EXPECT_EQ(rig.messages.texts, Strings{"これ以上候補はありません"});
}

// Clear draws nothing and keeps the list and cursor; a repaint (show notes) starts them again.
TEST(Clear, UnticksEveryBoxAndKeepsTheCandidatesUntilShowNotesStartsThemAgain) {
  ViewRig rig({16, 22, 26});
  rig.view.OnShowNotes();
  rig.view.OnNextCandidate();
  const ViewState before = rig.state();
  const auto calls = rig.log.size();
  rig.view.OnClear();
  EXPECT_EQ(rig.ticks.Count(), 0);
  EXPECT_EQ(std::tie(rig.state().m_noteTokens, rig.state().m_soundFiles, rig.state().m_windowIndex),
            std::tie(before.m_noteTokens, before.m_soundFiles, before.m_windowIndex));
  EXPECT_EQ(rig.log.size(), calls) << "clear draws nothing";
  rig.view.OnNextCandidate();
  EXPECT_EQ(rig.diagram.shown.size(), 3u) << "on the list of the last show-notes pass";
  rig.ticks = {16, 22, 26};
  rig.view.OnShowNotes();
  EXPECT_EQ(std::pair(rig.state().m_windowIndex, rig.state().m_stepIndex), std::pair(3, 1));
  EXPECT_EQ(test::Cells(rig.diagram.shown.back().cells),
            test::Cells(rig.diagram.shown.front().cells));
}

}  // namespace
}  // namespace fretwise
