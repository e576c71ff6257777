// The staff, the diagram and the paint: where things land against their lines, in which colours.
#include <gtest/gtest.h>

#include <algorithm>

#include "fretboard/fretboard_drawing.h"
#include "notes/note_token.h"
#include "staff/staff_drawing.h"
#include "support/recorders.h"
#include "support/recording_surface.h"
#include "view/candidate_list.h"

namespace fretwise {
namespace {

using test::Drawn;
using Drawing = std::vector<Drawn>;

// A view on the real painters; whatever it does, it must leave no surface out and misuse none.
struct DrawingRig : test::ViewRig {
  explicit DrawingRig(TickSet initial) : ViewRig(initial) {
    view.emplace(ViewPorts{ticks, staff, diagram, rec, sound});
    rec.whileShown = [this] {
      if (source.outstanding) source.problems.push_back("a surface out under a message");
    };
  }
  ~DrawingRig() {
    EXPECT_EQ(std::pair(source.problems, source.outstanding),
              std::pair(std::vector<std::string>{}, 0));
  }
  Drawing Pass(int surface, std::string_view op = "") const {
    Drawing out;
    for (const Drawn& d : source.drawn)
      if (d.surface == surface && d.op.starts_with(op)) out.push_back(d);
    return out;
  }
  test::RecordingSource source;
  StaffDrawing staff{source};
  FretboardDrawing diagram{source};
};

// A lone note, read as guitar music: E3 sits on the bottom line, each letter half a spacing higher,
// a sharp on its letter's head with its sign 7 above (or on the top line), ledger lines out to the
// head, all inside the area the next pass wipes; the paint before draws the legend and the lines.
TEST(Staff, EachNoteStandsWhereAPlayerReadsIt) {
  const auto Rows = [](const Drawing& drawing, int length) {  // the y of each line that long
    std::vector<int> ys;
    for (const Drawn& d : drawing)
      if (d.op == "Line" && d.top == d.bottom && std::abs(d.right - d.left) == length)
        ys.push_back(d.top);
    return ys;
  };
  for (int slot : kScanOrder) {
    const std::string_view token = kSlots[slot].token;
    SCOPED_TRACE(token);
    DrawingRig rig({slot});
    rig.view->OnDraw(rig.source.Paint());
    const Drawing staff = rig.Pass(0), heads = rig.Pass(0, "RoundRect"),
                  signs = rig.Pass(0, "Text"), paint = rig.Pass(-1);
    const Drawn& wiped = staff.front();
    const auto wipes = [&](int x, int y) {
      return x >= wiped.left && x < wiped.right && y >= wiped.top && y < wiped.bottom;
    };
    const std::vector<int> lines = Rows(staff, 60);
    std::string legend;  // top to bottom
    for (int above = -1; const Drawn& d : rig.Pass(-1, "Text"))
      legend += (d.top > std::exchange(above, d.top) ? "" : "^") + d.text;
    ASSERT_EQ(std::tuple(wiped.op, wiped.brush, lines, heads.size(), rig.view->state().m_noteCount,
                         rig.source.drawn[paint.size()].surface, legend, signs.size()),
              std::tuple("FillRect", kWhite, Rows(paint, 60), 1u, 1, 0, "高↑↓低",
                         token.ends_with("_SRP") ? 1u : 0u));
    for (int i = 1; i < 5; ++i) EXPECT_EQ(lines[i] - lines[i - 1], 6);
    // Half a spacing a letter from E3's step, 7 * 3 + 2 letters below C6.
    const int centre =
        lines.back() - 3 * (7 * (3 - (token[1] - '0')) + int(kLetters.find(token[0])) - 2);
    const Drawn& head = heads[0];  // 4 or 5 high
    EXPECT_EQ(std::tuple(head.top + 2, (head.bottom - head.top) / 2, head.right - head.left,
                         head.pen, head.brush),
              std::tuple(centre, 2, 8, kBlack, kBlack));
    std::vector<int> ledgers;
    for (int y = lines.back() + 6; y <= centre; y += 6) ledgers.push_back(y);
    for (int y = lines.front() - 6; y >= centre; y -= 6) ledgers.push_back(y);
    EXPECT_EQ(Rows(staff, 14), ledgers);
    for (const Drawn& sign : signs)
      EXPECT_TRUE(sign.text == "#" && sign.left < head.left - 8 &&
                  wipes(sign.left, sign.top + 15) &&
                  (sign.top == head.top - 7 || sign.top == lines.front()))
          << sign.top;
    for (const Drawn& d : staff)  // the lines black, each ledger across the head
      EXPECT_TRUE(wipes(d.left, d.top) &&
                  wipes(std::max(d.left, d.right - 1), std::max(d.top, d.bottom - 1)) &&
                  (d.op != "Line" || d.pen == kBlack) &&
                  (d.right - d.left != 14 || (d.left < head.left && d.right > head.right)))
          << d.op << d.top;
  }
  test::RecordingSource source;  // a slot without a check box has no note, and draws nothing
  StaffDrawing staff(source);
  staff.PrepareStaff();
  for (int slot : {-1, 2, 50, 64}) staff.DrawSlot(slot);
  staff.EndStaff();
  EXPECT_EQ(source.drawn.size(), 6u) << "the wipe and the five lines alone";
}

// Each candidate's diagram: the strings' numbers left of the nut, each mark in the fret space its
// cell names, the tuning letter on string 6, the fret numbers, red dots under frets 5, 7 and 10,
// the strings from the nut to the last fret line; the clear stops at x 800, short of a grid to 22.
TEST(Diagram, MarksDotsAndNumbersStandInTheirFretSpaces) {
  for (const auto& [ticks, presses] :
       {std::pair{TickSet{16, 22, 26}, 5},  // C4 E4 G4: frets 8 to 16, then the message
        {TickSet{51, 15}, 2},               // D2 B5: string 6 tuned to D, a grid out to fret 22
        {TickSet{49, 42}, 0},               // C#2 G3: string 6 tuned to C at fret 1
        {TickSet{48, 54}, 1},               // C2 E2: every window fails, each tuned to C
        {TickSet{}, 0}}) {                  // nothing ticked: fret 0 and every string unplayed
    const CandidateList list = ListCandidates(ticks, presses + 1);
    DrawingRig rig(ticks);
    rig.view->OnShowNotes();
    for (int i = 0; i < presses; ++i) rig.view->OnNextCandidate();
    std::size_t shown = 0;
    for (int surface = 1; surface < rig.source.acquired; ++surface) {
      Drawing pass;  // the last window the command tried, from its clear on
      for (const Drawn& d : rig.Pass(surface))
        pass.erase(d.op == "FillRect" ? pass.begin() : pass.end(), pass.end()), pass.push_back(d);
      const Drawn& wiped = pass.front();
      EXPECT_TRUE(wiped.op == "FillRect" && wiped.brush == kWhite && wiped.left == kDiagramLeft &&
                  wiped.top == kDiagramTop && wiped.right == 800 && wiped.bottom >= 480);
      std::vector<int> strings, frets;
      for (const Drawn& d : pass)
        if (d.op == "Line") d.top == d.bottom ? strings.push_back(d.top) : frets.push_back(d.left);
      if (frets.empty()) continue;  // a failed window: cleared, and maybe the tuning letter
      const Candidate& c = list.candidates.at(shown++);
      ASSERT_TRUE(strings.size() == 6u && std::ranges::is_sorted(strings) &&
                  int(frets.size()) == c.highestFret + 2);
      const std::pair nutToLast(frets[1], frets.back());  // past the nut, the first fret line
      frets.erase(frets.begin());                         // the nut
      auto fretOf = [&](int x) {
        return std::to_string(std::upper_bound(frets.begin(), frets.end(), x) - frets.begin());
      };
      // Letter, string numbers, fret numbers and dots, marks, with string and fret space:
      // "5C0 010 120 ... 560 #00 ... #55 •5 ... 0●8 ".
      std::string want = c.tuning ? "5" + std::string(1, c.tuning) + "0 " : "", drew;
      for (int s = 0; s < 6; ++s) want += std::to_string(s) + std::to_string(s + 1) + "0 ";
      for (int f = 0; f <= c.highestFret; ++f)
        want += "#" + std::to_string(f) + std::to_string(f) + " " +
                (f == 5 || f == 7 || f == 10 ? "•" + std::to_string(f) + " " : "");
      for (int s = 0; s < 6; ++s) {
        const StringCell& cell = c.cells[s];
        const std::string fret = std::to_string(cell.fret);
        want += std::to_string(s) + (!cell.used() ? "×0" : fret == "0" ? "○0" : "●" + fret) + " ";
      }
      for (const Drawn& d : pass) {
        const int s = int(std::ranges::find(strings, d.top + 8) - strings.begin());
        const std::string f = d.left < frets[0] ? "0" : fretOf(d.left);
        const bool red = d.pen == kRed && d.brush == kRed && d.top > strings[5];
        if (d.op == "Line")
          EXPECT_TRUE(d.pen == kBlack &&
                      (d.top != d.bottom || std::pair(d.left, d.right) == nutToLast));
        else if (d.op == "RoundRect")
          drew += "•" + f + (red && fretOf(d.right - 1) == f ? " " : "? ");
        else if (d.op == "Text" && d.top == kDiagramTop)
          drew += "#" + d.text + f + " ";
        else if (d.op == "Text")
          drew += std::to_string(s) + d.text + f + " ";
      }
      EXPECT_EQ(drew, want);
    }
    EXPECT_EQ(shown, list.candidates.size());
  }
}

}  // namespace
}  // namespace fretwise
