// The note panel's slots and tokens, and the show-notes pass that collects the ticked notes.
#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "fingering/fret_table.h"
#include "notes/note_token.h"
#include "support/recorders.h"

namespace fretwise {

// What a player reads on each box is the note it collects, and its sound file is that note on a
// string that has it.
TEST(SlotTable, EveryBoxSoundsOnSomeStringThePitchItsCaptionNamesAndItsTokenReads) {
  constexpr std::string_view kSolfege[] = {"ド", "レ", "ミ", "ファ", "ソ", "ラ", "シ"};  // C to B
  std::set<int> ids;
  for (int slot = 0; slot < kSlotCount; ++slot) {
    const SlotInfo& s = kSlots[slot];
    SCOPED_TRACE(slot);
    EXPECT_EQ(std::pair(s.row, s.position), std::pair(slot / 16 + 1, slot % 16));
    EXPECT_EQ(HasCheckBox(slot), !s.token.empty() && !s.caption.empty() && s.controlId != 0);
    if (!HasCheckBox(slot)) continue;
    ids.insert(s.controlId);
    const int code = TokenCode(s.token);  // the pitches rise along the scan order
    EXPECT_TRUE(code >= 0 && kScanOrder[code] == slot && SlotOfCode(code) == slot &&
                TokenText(code) == s.token);
    const bool sharp = s.token.ends_with("_SRP");
    const std::string name(kSolfege[kLetters.find(s.token[0])]), file(s.soundFile.substr(1));
    EXPECT_EQ(
        std::tuple(s.kind == SlotKind::kSharp, s.caption, s.token[1] - '0', file),
        std::tuple(sharp, name + (sharp ? "♯" : ""), s.row, "\\" + std::string(s.token) + ".wav"));
    const int string = s.soundFile[0] - '1';
    EXPECT_TRUE(string >= 0 && string < kStringCount &&
                std::ranges::find(kFretNotes[string], s.token) != kFretNotes[string].end());
  }
  EXPECT_EQ(ids.size(), 48u);
  // The tokens read from and to scientific pitch.
  for (std::string_view text : {"", "NULL", "c1", "C5", "C0", "E1_SRP", "B2_SRP", "C1_srp", "C1 "})
    EXPECT_EQ(TokenCode(text), kNoToken) << '"' << text << '"';
  EXPECT_EQ(ScientificName(TokenCode("E4")) + ScientificName(TokenCode("F2_SRP")), "E2F#4");
  const std::pair<std::string_view, std::string_view> rows[] = {
      {"C2", "C4"},      {"B5", "B1"},      {"e2", "E4"},  {"C#3", "C3_SRP"}, {"C♯3", "C3_SRP"},
      {"Db3", "C3_SRP"}, {"D♭3", "C3_SRP"}, {"Cb3", "B4"}, {"E#3", "F3"},     {"bb4", "A2_SRP"},
      {"Cb2", ""},       {"B#5", ""},       {"C6", ""},    {"H3", ""},        {"C", ""},
      {"C##3", ""},      {"C3x", ""},       {"", ""},      {"C-1", ""},       {"C+3", ""}};
  for (const auto& [text, token] : rows)
    EXPECT_EQ(ParseScientificPitch(text) ? TokenText(*ParseScientificPitch(text)) : "", token)
        << '"' << text << '"';
}

// Notes go lowest first, drawn on the staff before the fingering; past six, counted with a path but
// no token. Clear unticks every box, draws nothing, keeps the list and cursor till show notes.
TEST(ShowNotes, CollectsLowestFirstAndDrawsEachOnTheStaffBeforeTheFingering) {
  const auto Tokens = [](const ViewState& state) {  // "C4|E4|||||"
    std::string tokens;
    for (const TokenCell& cell : state.m_noteTokens) tokens += std::string(cell.data()) + "|";
    return tokens;
  };
  test::ViewRig rig({36, 20, 35});
  rig.view->OnShowNotes();
  EXPECT_EQ(Tokens(rig.state()), "D3|D3_SRP|D2_SRP||||");
  EXPECT_EQ(std::vector(rig.log.begin(), rig.log.begin() + 6),
            (test::CallLog{"PrepareStaff", "DrawSlot 35", "DrawSlot 36", "DrawSlot 20", "EndStaff",
                           "BeginFingeringPass"}));
  for (int slot = 0; slot < kSlotCount; ++slot) rig.ticks.Tick(slot);  // naturals stay unticked
  rig.view->OnShowNotes();
  EXPECT_EQ(std::tuple(rig.ticks.Count(), rig.state().m_noteCount, rig.state().m_soundFiles[47],
                       Tokens(rig.state())),
            std::tuple(48, 48, "1\\B1.wav", "C4|C4_SRP|D4|D4_SRP|E4|F4|"));
  rig.ticks = TickSet{42}, rig.view->OnShowNotes();
  EXPECT_EQ(Tokens(rig.state()), "G3||||||") << "no stale token";
  rig.ticks = {16, 22, 26}, rig.view->OnShowNotes(), rig.view->OnNextCandidate();
  const ViewState before = rig.state();
  const auto calls = rig.log.size(), shown = rig.rec.shown.size();
  rig.ticks.Tick(63), rig.view->OnClear();  // the last box too
  EXPECT_EQ(std::tuple(rig.state().m_noteTokens, rig.state().m_soundFiles,
                       rig.state().m_windowIndex, rig.ticks.Count(), rig.log.size()),
            std::tuple(before.m_noteTokens, before.m_soundFiles, before.m_windowIndex, 0, calls));
  rig.view->OnNextCandidate();  // on the list of the last show-notes pass
  rig.ticks = {16, 22, 26}, rig.view->OnShowNotes();
  EXPECT_EQ(std::tuple(rig.rec.shown.size() - shown, rig.state().m_windowIndex,
                       rig.state().m_stepIndex, rig.rec.shown.back().first),
            std::tuple(2u, 3, 1, rig.rec.shown[shown - 2].first));
}

}  // namespace fretwise
