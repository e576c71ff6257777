// Every chord of one to four notes (none of the low C, C#, D, D# that retune string 6), walked to
// the end of its candidates: what the diagram shows must sound exactly the chord.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>

#include "notes/note_token.h"
#include "notes/null_ports.h"
#include "notes/view_core.h"
#include "support/recorders.h"

namespace fretwise {
namespace {

// Open-string pitches as token codes (C2 = 0), string 1 first: the instrument, independent of the
// fret table.
constexpr std::array<int, 6> kOpenCodes = {28, 23, 19, 14, 9, 4};

class CheckingDiagram final : public DiagramPainter {
 public:
  std::function<void(const StringCells&)> onShown;
  int attempts = 0;
  int shown = 0;

  void BeginFingeringPass() override {}
  void ClearFretboardArea() override { ++attempts; }
  void DrawTuningLetter(char) override { ADD_FAILURE() << "no low note is ticked"; }
  void DrawFretboardDiagram(const StringCells& cells, int) override {
    ++shown;
    onShown(cells);
  }
  void EndFingeringPass() override {}
};

class CountingMessages final : public MessageBox {
 public:
  void Show(std::string_view) override { ++shown; }
  int shown = 0;
};

TEST(FingeringProperty, EveryCandidateSoundsExactlyTheChord) {
  std::vector<int> slots;
  for (int slot : kScanOrder) {
    if (slot != 48 && slot != 49 && slot != 51 && slot != 52) slots.push_back(slot);
  }
  ASSERT_EQ(slots.size(), 44u);

  TickSet ticks;
  NullStaff staff;
  CheckingDiagram diagram;
  CountingMessages messages;
  test::UnusedSound sound;
  ViewCore view({ticks, staff, diagram, messages, sound});

  std::vector<int> chord;  // token codes, ascending
  std::string failure;
  diagram.onShown = [&](const StringCells& cells) {
    std::vector<int> sounded;
    std::vector<char> lowestFirst;  // string digits from string 6 up
    for (int s = 5; s >= 0; --s) {
      if (cells[s][0] == 'N') continue;
      const int fret = (cells[s][1] == ' ' ? 0 : cells[s][1] - '0') * 10 + (cells[s][2] - '0');
      if (cells[s][0] != char('1' + s) || fret > 23) failure = "malformed cell";
      sounded.push_back(kOpenCodes[s] + fret);
      lowestFirst.push_back(cells[s][0]);
    }
    std::sort(sounded.begin(), sounded.end());
    if (sounded != chord) failure = "the strings do not sound the chord";
    const ViewState& state = view.state();
    for (int n = 0; n < int(chord.size()); ++n) {
      const std::string expected =
          std::string(1, lowestFirst[n]) + "\\" + TokenText(chord[n]) + ".wav";
      if (state.m_soundFiles[n] != expected) failure = "path " + state.m_soundFiles[n];
    }
  };

  int chords = 0;
  std::vector<int> picked;
  std::function<void(std::size_t)> choose = [&](std::size_t from) {
    if (!picked.empty()) {
      ticks = TickSet{};
      chord.clear();
      for (int slot : picked) {
        ticks.Tick(slot);
        chord.push_back(TokenCode(kSlots[slot].token));
      }
      std::sort(chord.begin(), chord.end());
      ++chords;
      messages.shown = 0;
      diagram.attempts = 0;
      view.OnShowNotes();
      while (messages.shown == 0) {
        ASSERT_LE(diagram.attempts, 18) << "attempts of one command";
        ASSERT_LT(diagram.shown, 1000000);
        diagram.attempts = 0;
        view.OnNextCandidate();
      }
      ASSERT_LE(diagram.attempts, 18);
      const ViewState& state = view.state();
      for (int n = state.m_noteCount; n < kTokenCells; ++n) {
        ASSERT_EQ(state.m_noteTokens[n][0], '\0') << "token cell " << n;
      }
      ASSERT_TRUE(failure.empty()) << failure << " for slots " << testing::PrintToString(picked);
    }
    if (picked.size() == 4) return;
    for (std::size_t i = from; i < slots.size(); ++i) {
      picked.push_back(slots[i]);
      choose(i + 1);
      picked.pop_back();
    }
  };
  choose(0);
  EXPECT_EQ(chords, 44 + 946 + 13244 + 135751);
}

}  // namespace
}  // namespace fretwise
