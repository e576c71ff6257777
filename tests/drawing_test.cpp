// The staff, the fretboard diagram and the paint: where heads, signs, marks and dots land against
// the lines drawn with them, in which colours, and that every pass tidies up after itself.
#include <gtest/gtest.h>

#include <algorithm>

#include "fingering/candidate_list.h"
#include "fingering/fretboard_drawing.h"
#include "notes/note_token.h"
#include "staff/staff_drawing.h"
#include "support/recorders.h"
#include "support/recording_surface.h"

namespace fretwise {
namespace {

using test::Drawn;
using Drawing = std::vector<Drawn>;

struct DrawingRig {
  explicit DrawingRig(TickSet initial = {}) : ticks(initial) {
    messages.whileShown = [this] {
      if (source.outstanding) source.problems.push_back("a surface out under a message");
    };
  }
  test::RecordingSource source;
  TickSet ticks;
  StaffDrawing staff{source};
  FretboardDrawing diagram{source};
  test::CallLog log;
  test::Recorder messages{log};
  NullSound sound;
  ViewCore view{{ticks, staff, diagram, messages, sound}};

  Drawing Pass(int surface, std::string_view op = "") const {
    Drawing out;
    for (const Drawn& d : source.drawn)
      if (d.surface == surface && d.op.starts_with(op)) out.push_back(d);
    return out;
  }
  void ExpectTidy() const {
    EXPECT_EQ(std::pair(source.problems, source.outstanding),
              std::pair(std::vector<std::string>{}, 0));
  }
};

// The y of each horizontal line of the given length, in drawing order.
std::vector<int> Rows(const Drawing& drawing, int length) {
  std::vector<int> ys;
  for (const Drawn& d : drawing)
    if (d.op == "Line" && d.top == d.bottom && std::abs(d.right - d.left) == length)
      ys.push_back(d.top);
  return ys;
}

bool Inside(const Drawn& area, int x, int y) {
  return x >= area.left && x < area.right && y >= area.top && y < area.bottom;
}

// A lone note on the staff, read as guitar music (an octave above the sound): E3, an octave above
// the open low E, sits on the bottom line, each letter half a line spacing higher, a sharp on its
// letter's head with its sign 7 above (or on the top line), ledger lines out to the head, and
// everything inside the area the next pass wipes.
TEST(Staff, EachNoteStandsWhereAPlayerReadsIt) {
  for (int slot : kScanOrder) {
    const std::string_view token = kSlots[slot].token;
    SCOPED_TRACE(token);
    DrawingRig rig({slot});
    rig.view.OnShowNotes();
    rig.ExpectTidy();
    const Drawing staff = rig.Pass(0);
    const Drawn& wiped = staff.front();
    EXPECT_EQ(std::tie(wiped.op, wiped.brush), std::tuple("FillRect", kWhite));
    const std::vector<int> lines = Rows(staff, 60);
    ASSERT_EQ(lines.size(), 5u);
    for (int i = 1; i < 5; ++i) EXPECT_EQ(lines[i] - lines[i - 1], 6);
    const int steps = 7 * (6 - (token[1] - '0')) + int(kLetters.find(token[0]));
    const int centre = lines.back() - 3 * (steps - (7 * 3 + 2));  // E3's step
    const Drawing heads = rig.Pass(0, "RoundRect");
    ASSERT_EQ(heads.size(), 1u);
    const Drawn& head = heads[0];
    EXPECT_TRUE(head.bottom - head.top == 5 || head.bottom - head.top == 4) << head.bottom;
    EXPECT_EQ(std::tuple(head.top + 2, head.right - head.left, head.pen, head.brush),
              std::tuple(centre, 8, kBlack, kBlack));
    std::vector<int> ledgers;
    for (int y = lines.back() + 6; y <= centre; y += 6) ledgers.push_back(y);
    for (int y = lines.front() - 6; y >= centre; y -= 6) ledgers.push_back(y);
    EXPECT_EQ(Rows(staff, 14), ledgers);
    const Drawing signs = rig.Pass(0, "Text");
    EXPECT_EQ(signs.size(), token.ends_with("_SRP") ? 1u : 0u);
    for (const Drawn& sign : signs) {
      EXPECT_TRUE(sign.text == "#" && sign.left < head.left - 8 &&
                  Inside(wiped, sign.left, sign.top + 15));
      EXPECT_TRUE(sign.top == head.top - 7 || sign.top == lines.front()) << sign.top;
    }
    for (const Drawn& d : staff) {
      const int lastX = std::max(d.left, d.right - 1), lastY = std::max(d.top, d.bottom - 1);
      EXPECT_TRUE(Inside(wiped, d.left, d.top) && Inside(wiped, lastX, lastY)) << d.op << d.top;
      EXPECT_TRUE(d.op != "Line" || d.pen == kBlack);
      EXPECT_TRUE(d.right - d.left != 14 || (d.left < head.left && d.right > head.right));
    }
  }
}

// Every diagram of a chord's candidates: strings and frets as lines, each string's mark on its
// line in the fret space its cell names, the dots under frets 5, 7 and 10 in red.
void ExpectDiagrams(const TickSet& ticks, int presses) {
  const CandidateList list = ListCandidates(ticks, presses + 1);
  DrawingRig rig(ticks);
  rig.view.OnShowNotes();
  for (int i = 0; i < presses; ++i) rig.view.OnNextCandidate();
  rig.ExpectTidy();
  std::size_t shown = 0;
  for (int surface = 1; surface < rig.source.acquired; ++surface) {
    Drawing pass;  // the last window the command tried, from its clear on
    for (const Drawn& d : rig.Pass(surface)) {
      if (d.op == "FillRect") pass.clear();
      pass.push_back(d);
    }
    const Drawn& wiped = pass.front();
    EXPECT_TRUE(wiped.op == "FillRect" && wiped.brush == kWhite && wiped.left == kDiagramLeft &&
                wiped.top == kDiagramTop && wiped.right >= 800 && wiped.bottom >= 480);
    std::vector<int> strings, frets;
    for (const Drawn& d : pass) {
      if (d.op != "Line") continue;
      EXPECT_EQ(d.pen, kBlack);
      (d.top == d.bottom ? strings : frets).push_back(d.top == d.bottom ? d.top : d.left);
    }
    if (frets.empty()) continue;  // a failed window: cleared, and maybe the tuning letter
    ASSERT_LT(shown, list.candidates.size());
    const Candidate& c = list.candidates[shown++];
    SCOPED_TRACE(testing::Message() << "candidate " << shown);
    ASSERT_TRUE(strings.size() == 6u && std::ranges::is_sorted(strings));
    frets.erase(frets.begin());  // the nut
    ASSERT_EQ(int(frets.size()), c.highestFret + 1);
    auto fretOf = [&](int x) {
      return std::to_string(std::upper_bound(frets.begin(), frets.end(), x) - frets.begin());
    };
    int numbers = 0, letters = 0, marks = 0;
    for (const Drawn& d : pass) {
      if (d.op == "RoundRect") {
        const std::string f = fretOf(d.left);
        EXPECT_TRUE((f == "5" || f == "7" || f == "10") && fretOf(d.right - 1) == f) << f;
        EXPECT_TRUE(d.top > strings[5] && d.pen == kRed && d.brush == kRed);
      }
      if (d.op != "Text") continue;
      if (d.top == kDiagramTop) {
        EXPECT_EQ(std::pair(fretOf(d.left), d.text), std::pair(d.text, std::to_string(numbers++)));
        continue;
      }
      const int s = int(std::ranges::find(strings, d.top + 8) - strings.begin());
      ASSERT_LT(s, 6) << d.text << " at " << d.top;
      const std::string_view cell = CellText(c.cells[s]);
      std::string fret(cell.substr(cell[1] == ' ' ? 2 : 1));
      if (d.text == "C" || d.text == "D") {
        EXPECT_TRUE(d.text[0] == c.tuning && s == 5) << d.text;
        ++letters;
      } else if (d.text == std::to_string(s + 1)) {
        EXPECT_LT(d.left, frets[0]);
      } else {
        ++marks;
        EXPECT_EQ(d.text, cell == "NN" ? "×" : fret == "0" ? "○" : "●");
        EXPECT_EQ(d.left < frets[0] ? "0" : fretOf(d.left), cell == "NN" ? "0" : fret);
      }
    }
    EXPECT_EQ(std::tuple(numbers, letters, marks),
              std::tuple(c.highestFret + 1, c.tuning ? 1 : 0, 6));
  }
  EXPECT_EQ(shown, list.candidates.size());
}

TEST(Diagram, MarksDotsAndNumbersStandInTheirFretSpaces) {
  ExpectDiagrams({16, 22, 26}, 5);  // C4 E4 G4: frets 8 to 16, then the message
  ExpectDiagrams({51, 15}, 2);      // D2 B5: string 6 tuned to D, a grid out to fret 22
  ExpectDiagrams({49, 42}, 0);      // C#2 G3: string 6 tuned to C at fret 1
  ExpectDiagrams({48, 54}, 1);      // C2 E2: every window fails, each tuned to C
  ExpectDiagrams({}, 0);            // nothing ticked: fret 0 and every string unplayed
}

TEST(Paint, TheLegendAndTheStaffLinesOnThePaintSurfaceThenTheShowNotesPass) {
  DrawingRig rig({16});
  rig.view.OnDraw(rig.source.Paint());
  rig.ExpectTidy();
  const Drawing paint = rig.Pass(-1);
  std::string legend;
  std::vector<int> tops;
  for (const Drawn& d : rig.Pass(-1, "Text")) legend += d.text, tops.push_back(d.top);
  EXPECT_EQ(legend, "高↑↓低");
  EXPECT_EQ(std::ranges::adjacent_find(tops, std::greater_equal<>()), tops.end()) << "downwards";
  EXPECT_EQ(Rows(paint, 60), Rows(rig.Pass(0), 60));
  // The paint draws before the show-notes pass.
  EXPECT_EQ(std::pair(rig.view.state().m_noteCount, rig.source.drawn[paint.size()].surface),
            std::pair(1, 0));
}

}  // namespace
}  // namespace fretwise
