// The staff, the fretboard diagram and the paint, as calls on a recording surface.
#include <gtest/gtest.h>

#include "fingering/fretboard_drawing.h"
#include "staff/staff_drawing.h"
#include "support/recorders.h"
#include "support/recording_surface.h"

namespace fretwise {
namespace {

using Calls = std::vector<std::string>;

// Messages note whether any surface was still out when they were shown.
class CheckingMessages final : public MessageBox {
 public:
  explicit CheckingMessages(const test::RecordingSource& source) : source_(source) {}
  void Show(std::string_view text) override {
    texts.emplace_back(text);
    if (source_.outstanding != 0) surfaceOutDuringMessage = true;
  }
  std::vector<std::string> texts;
  bool surfaceOutDuringMessage = false;

 private:
  const test::RecordingSource& source_;
};

struct DrawingRig {
  explicit DrawingRig(TickSet initial = {}) : ticks(initial) {}
  test::RecordingSource source;
  TickSet ticks;
  StaffDrawing staff{source};
  FretboardDrawing diagram{source};
  CheckingMessages messages{source};
  test::UnusedSound sound;
  ViewCore view{{ticks, staff, diagram, messages, sound}};

  // The calls from the first ReleaseDC on: the fingering pass, after the staff.
  Calls FingeringCalls() const {
    const auto end = std::find(source.calls.begin(), source.calls.end(), "ReleaseDC");
    return Calls(end + 1, source.calls.end());
  }
  void ExpectTidy() const {
    EXPECT_EQ(source.problems, Calls{});
    EXPECT_EQ(source.outstanding, 0);
    EXPECT_FALSE(messages.surfaceOutDuringMessage);
  }
};

Calls Between(const Calls& calls, std::string_view from, std::string_view to) {
  const auto begin = std::find(calls.begin(), calls.end(), from);
  const auto end = std::find(begin, calls.end(), to);
  return Calls(begin, end == calls.end() ? end : end + 1);
}

TEST(Staff, AnEmptyStaffIsClearedAndRuledWithItsOwnPensAndBrushes) {
  DrawingRig rig;
  rig.view.OnShowNotes();
  const Calls staff(rig.source.calls.begin(), rig.source.calls.begin() + 30);
  EXPECT_EQ(staff, (Calls{
                       "GetDC",
                       "CreatePen(0,1,ffffff)=3",
                       "CreateSolidBrush(ffffff)=4",
                       "SelectObject(3)=1",
                       "SelectObject(4)=2",
                       "FillRect(30,140,90,245,4)",
                       "CreatePen(0,1,000000)=5",
                       "CreateSolidBrush(000000)=6",
                       "SelectObject(5)=3",
                       "SelectObject(6)=4",
                       "MoveTo(30,185)",
                       "LineTo(90,185)",
                       "MoveTo(30,191)",
                       "LineTo(90,191)",
                       "MoveTo(30,197)",
                       "LineTo(90,197)",
                       "MoveTo(30,203)",
                       "LineTo(90,203)",
                       "MoveTo(30,209)",
                       "LineTo(90,209)",
                       "SelectObject(1)=5",
                       "SelectObject(2)=6",
                       "DeleteObject(3)",
                       "DeleteObject(4)",
                       "DeleteObject(5)",
                       "DeleteObject(6)",
                       "ReleaseDC",
                       "GetDC",
                       "CreatePen(0,1,ffffff)=3",
                       "CreatePen(0,1,000000)=4",
                   }));
  rig.ExpectTidy();
}

struct StaffCase {
  const char* name;
  std::vector<int> slots;
  Calls notes;  // the calls between the staff lines and the end of the staff
  friend void PrintTo(const StaffCase& c, std::ostream* os) { *os << c.name; }
};

class StaffNotes : public testing::TestWithParam<StaffCase> {};

TEST_P(StaffNotes, HeadsLedgerLinesAndSharps) {
  DrawingRig rig;
  for (int slot : GetParam().slots) rig.ticks.Tick(slot);
  rig.view.OnShowNotes();
  const Calls& calls = rig.source.calls;
  const auto begin = std::find(calls.begin(), calls.end(), "LineTo(90,209)") + 1;
  const auto end = std::find(begin, calls.end(), "SelectObject(1)=5");
  EXPECT_EQ(Calls(begin, end), GetParam().notes);
  rig.ExpectTidy();
}

INSTANTIATE_TEST_SUITE_P(
    Rows, StaffNotes,
    testing::Values(
        StaffCase{"BOfRow1HasFiveLedgerLinesUpward",
                  {15},
                  {"RoundRect(56,153,64,158,90,90)", "MoveTo(53,179)", "LineTo(67,179)",
                   "MoveTo(53,173)", "LineTo(67,173)", "MoveTo(53,167)", "LineTo(67,167)",
                   "MoveTo(53,161)", "LineTo(67,161)", "MoveTo(53,155)", "LineTo(67,155)"}},
        StaffCase{"COfRow4HasFourLedgerLinesDownward",
                  {48},
                  {"RoundRect(56,234,64,239,90,90)", "MoveTo(53,215)", "LineTo(67,215)",
                   "MoveTo(53,221)", "LineTo(67,221)", "MoveTo(53,227)", "LineTo(67,227)",
                   "MoveTo(53,233)", "LineTo(67,233)"}},
        StaffCase{"CAndCSharpShareAHeadWithTheSignAtItsLeft",
                  {32, 33},
                  {"RoundRect(56,213,64,218,90,90)", "MoveTo(53,215)", "LineTo(67,215)",
                   "TextOut(45,206,#)", "RoundRect(56,213,64,218,90,90)", "MoveTo(53,215)",
                   "LineTo(67,215)"}},
        StaffCase{"AOfRow2SitsOnTheFirstLedgerLineAbove",
                  {29},
                  {"RoundRect(56,177,64,182,90,90)", "MoveTo(53,179)", "LineTo(67,179)"}},
        StaffCase{"AOfRow4IsFourPixelsHigh",
                  {61},
                  {"RoundRect(56,219,64,223,90,90)", "MoveTo(53,215)", "LineTo(67,215)",
                   "MoveTo(53,221)", "LineTo(67,221)"}},
        StaffCase{"ASharpOfRow3HasItsSignOnTheTopLine",
                  {46},
                  {"TextOut(45,185,#)", "RoundRect(56,198,64,203,90,90)"}},
        StaffCase{"ASharpOfRow1HasTheHighestSign",
                  {14},
                  {"TextOut(45,149,#)", "RoundRect(56,156,64,161,90,90)", "MoveTo(53,179)",
                   "LineTo(67,179)", "MoveTo(53,173)", "LineTo(67,173)", "MoveTo(53,167)",
                   "LineTo(67,167)", "MoveTo(53,161)", "LineTo(67,161)"}},
        StaffCase{"NotesOnTheStaffNeedNoLedgerLines",
                  {38, 42},
                  {"RoundRect(56,207,64,212,90,90)", "RoundRect(56,201,64,206,90,90)"}}),
    [](const auto& info) { return info.param.name; });

TEST(Staff, EveryHeadAndSignStaysInsideTheStaffArea) {
  DrawingRig rig;
  for (int slot = 0; slot < kSlotCount; ++slot) rig.ticks.Tick(slot);
  rig.view.OnShowNotes();
  int heads = 0;
  for (const std::string& call : rig.source.Only("RoundRect(56,")) {
    int l, t, r, b;
    ASSERT_EQ(std::sscanf(call.c_str(), "RoundRect(%d,%d,%d,%d", &l, &t, &r, &b), 4);
    EXPECT_TRUE(t >= 140 && b <= 239 && b - t >= 4 && b - t <= 5) << call;
    ++heads;
  }
  EXPECT_EQ(heads, 48);
  EXPECT_EQ(rig.source.Only("TextOut(45,").size(), 20u);
}

TEST(Diagram, CMajorTriadFirstCandidate) {
  DrawingRig rig({16, 22, 26});
  rig.view.OnShowNotes();
  const Calls diagram = Between(rig.FingeringCalls(), "MoveTo(196,193)", "ReleaseDC");
  const Calls marks(diagram.end() - 14, diagram.end() - 8);
  EXPECT_EQ(marks, (Calls{"TextOut(171,185,×)", "TextOut(411,210,●)", "TextOut(441,235,●)",
                          "TextOut(471,260,●)", "TextOut(171,285,×)", "TextOut(171,310,×)"}));
  EXPECT_EQ(test::Only(diagram, "TextOut(").size(), 6u + 11 + 6);
  for (int f = 0; f <= 10; ++f) {
    const std::string number =
        "TextOut(" + std::to_string(30 * f + 190) + ",160," + std::to_string(f) + ")";
    EXPECT_NE(std::find(diagram.begin(), diagram.end(), number), diagram.end()) << number;
  }
  EXPECT_EQ(test::Only(diagram, "RoundRect"),
            (Calls{"RoundRect(327,330,332,335,90,90)", "RoundRect(387,330,392,335,90,90)",
                   "RoundRect(477,330,482,335,90,90)"}));
  for (int s = 1; s <= 6; ++s) {
    const std::string y = std::to_string(25 * s + 168);
    EXPECT_NE(std::find(diagram.begin(), diagram.end(), "LineTo(493," + y + ")"), diagram.end());
  }
  for (int f = 1; f <= 11; ++f) {
    const std::string x = std::to_string(30 * f + 163);
    EXPECT_NE(std::find(diagram.begin(), diagram.end(), "LineTo(" + x + ",318)"), diagram.end());
  }
  rig.ExpectTidy();
}

TEST(Diagram, ThePenIsRedForEachDotAndBlackAgainAfterEveryFretNumber) {
  DrawingRig rig({16, 22, 26});
  rig.view.OnShowNotes();
  const Calls diagram = Between(rig.FingeringCalls(), "TextOut(340,160,5)", "TextOut(400,160,7)");
  // Pens are made white 3, black 4, red 5; brushes white 6, red 7.
  EXPECT_EQ(diagram, (Calls{"TextOut(340,160,5)", "SelectObject(5)=4", "SelectObject(7)=2",
                            "RoundRect(327,330,332,335,90,90)", "SelectObject(4)=5",
                            "TextOut(370,160,6)", "SelectObject(4)=4", "TextOut(400,160,7)"}));
}

TEST(Diagram, NoNotesDrawOnlyFretZeroAndEveryStringUnplayed) {
  DrawingRig rig;
  rig.view.OnShowNotes();
  EXPECT_EQ(rig.FingeringCalls(), (Calls{"GetDC",
                                         "CreatePen(0,1,ffffff)=3",
                                         "CreatePen(0,1,000000)=4",
                                         "CreatePen(0,1,0000ff)=5",
                                         "CreateSolidBrush(ffffff)=6",
                                         "CreateSolidBrush(0000ff)=7",
                                         "SelectObject(3)=1",
                                         "FillRect(145,160,800,600,6)",
                                         "SelectObject(4)=3",
                                         "MoveTo(196,193)",
                                         "LineTo(196,318)",
                                         "TextOut(160,185,1)",
                                         "TextOut(160,210,2)",
                                         "TextOut(160,235,3)",
                                         "TextOut(160,260,4)",
                                         "TextOut(160,285,5)",
                                         "TextOut(160,310,6)",
                                         "TextOut(190,160,0)",
                                         "SelectObject(4)=4",
                                         "MoveTo(193,193)",
                                         "LineTo(193,193)",
                                         "MoveTo(193,218)",
                                         "LineTo(193,218)",
                                         "MoveTo(193,243)",
                                         "LineTo(193,243)",
                                         "MoveTo(193,268)",
                                         "LineTo(193,268)",
                                         "MoveTo(193,293)",
                                         "LineTo(193,293)",
                                         "MoveTo(193,318)",
                                         "LineTo(193,318)",
                                         "MoveTo(193,193)",
                                         "LineTo(193,318)",
                                         "TextOut(171,185,×)",
                                         "TextOut(171,210,×)",
                                         "TextOut(171,235,×)",
                                         "TextOut(171,260,×)",
                                         "TextOut(171,285,×)",
                                         "TextOut(171,310,×)",
                                         "SelectObject(1)=4",
                                         "DeleteObject(3)",
                                         "DeleteObject(4)",
                                         "DeleteObject(5)",
                                         "DeleteObject(6)",
                                         "DeleteObject(7)",
                                         "ReleaseDC"}));
  rig.ExpectTidy();
}

TEST(Diagram, TunedDownStringSixShowsItsLetterAndMark) {
  for (const auto& [slot, mark] :
       {std::pair{48, "TextOut(171,310,○)"}, std::pair{49, "TextOut(201,310,●)"}}) {
    SCOPED_TRACE(slot);
    DrawingRig rig({slot, 42});
    rig.view.OnShowNotes();
    const Calls calls = rig.FingeringCalls();
    EXPECT_EQ(Between(calls, "SelectObject(5)=4", "SelectObject(4)=5"),
              (Calls{"SelectObject(5)=4", "TextOut(145,310,C)", "SelectObject(4)=5"}));
    EXPECT_NE(std::find(calls.begin(), calls.end(), mark), calls.end());
    rig.ExpectTidy();
  }
}

TEST(Diagram, TwoDigitFretsAndAGridPastTheRightEdge) {
  DrawingRig rig({16, 22, 26});
  rig.view.OnShowNotes();
  rig.view.OnNextCandidate();  // frets 12-16
  Calls calls = rig.FingeringCalls();
  EXPECT_NE(std::find(calls.begin(), calls.end(), "TextOut(531,235,●)"), calls.end());
  EXPECT_NE(std::find(calls.begin(), calls.end(), "TextOut(591,260,●)"), calls.end());

  // D2 and B5: string 6 tuned to D whichever window; the third candidate is frets 18-22, where
  // the search found D2 at fret 22 before the substitution took string 6.
  DrawingRig high({51, 15});
  high.view.OnShowNotes();
  high.view.OnNextCandidate();
  high.source.calls.clear();
  high.view.OnNextCandidate();
  calls = high.source.calls;
  EXPECT_NE(std::find(calls.begin(), calls.end(), "TextOut(850,160,22)"), calls.end());
  EXPECT_NE(std::find(calls.begin(), calls.end(), "LineTo(853,318)"), calls.end());
  EXPECT_NE(std::find(calls.begin(), calls.end(), "TextOut(741,185,●)"), calls.end());
  EXPECT_EQ(test::Only(calls, "RoundRect").size(), 3u);
  high.ExpectTidy();
}

TEST(Diagram, EveryFailedWindowClearsAndTheMessageComesWithTheSurfaceBack) {
  DrawingRig rig({48, 54});  // C2 E2: no candidate
  rig.view.OnShowNotes();
  const Calls calls = rig.FingeringCalls();
  EXPECT_EQ(test::Only(calls, "FillRect(145,160,800,600,6)").size(), 18u);
  EXPECT_EQ(test::Only(calls, "TextOut(145,310,C)").size(), 17u);
  EXPECT_EQ(test::Only(calls, "MoveTo(196").size(), 0u);
  EXPECT_EQ(rig.messages.texts, Calls{"これ以上候補はありません"});
  rig.ExpectTidy();

  rig.source.calls.clear();
  rig.view.OnNextCandidate();
  EXPECT_EQ(rig.source.calls,
            (Calls{"GetDC", "CreatePen(0,1,ffffff)=3", "CreatePen(0,1,000000)=4",
                   "CreatePen(0,1,0000ff)=5", "CreateSolidBrush(ffffff)=6",
                   "CreateSolidBrush(0000ff)=7", "SelectObject(3)=1", "FillRect(145,160,800,600,6)",
                   "SelectObject(4)=3", "SelectObject(1)=4", "DeleteObject(3)", "DeleteObject(4)",
                   "DeleteObject(5)", "DeleteObject(6)", "DeleteObject(7)", "ReleaseDC"}));
  rig.ExpectTidy();
}

TEST(Paint, LegendAndStaffLinesOnThePaintSurfaceThenTheShowNotesPass) {
  DrawingRig rig({16});
  rig.view.OnDraw(rig.source.Paint());
  const Calls paint(rig.source.calls.begin(), rig.source.calls.begin() + 17);
  EXPECT_EQ(paint, (Calls{"TextOut(5,30,高)", "TextOut(5,50,↑)", "TextOut(5,105,↓)",
                          "MoveTo(12,55)", "LineTo(12,110)", "TextOut(5,125,低)", "MoveTo(30,185)",
                          "LineTo(90,185)", "MoveTo(30,191)", "LineTo(90,191)", "MoveTo(30,197)",
                          "LineTo(90,197)", "MoveTo(30,203)", "LineTo(90,203)", "MoveTo(30,209)",
                          "LineTo(90,209)", "GetDC"}));
  EXPECT_EQ(rig.view.state().m_noteCount, 1);
  rig.ExpectTidy();
}

}  // namespace
}  // namespace fretwise
