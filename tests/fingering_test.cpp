// The fingering search, the cursor and the exhaustion message, through the view's commands.
#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>

#include "support/recorders.h"
#include "view/candidate_list.h"

namespace fretwise {
namespace {

// What one command showed, as a player reads it: the diagram's frets from string 6 to string 1 (x
// not played) and its last fret, or none; the note files the play button would sound (folder and
// extension dropped), however many windows the command tried; the tuning letter of each window
// tried; the message; the cursor left for the next command (window, step).
std::string Shown(test::ViewRig& rig) {
  const ViewState& s = rig.state();
  std::string out = rig.rec.shown.empty() ? "no diagram," : "";
  for (const auto& [cells, last] : std::exchange(rig.rec.shown, {})) {
    for (int c = 5; c >= 0; --c)
      out += cells[c].used() ? std::to_string(cells[c].fret) + " " : "x ";
    out += "to " + std::to_string(last) + ",";
  }
  for (int n = 0; n < s.m_noteCount; ++n)
    out += " " + s.m_soundFiles[n].substr(0, s.m_soundFiles[n].find('.'));
  out += "; tried " + std::to_string(std::ranges::count(rig.log, "ClearFretboardArea"));
  std::string letters;
  for (const std::string& call : std::exchange(rig.log, {}))
    if (call.starts_with("Tuning ")) letters += call.back();
  out += letters.empty() ? "" : "; string 6 in " + letters;
  for (const std::string& text : std::exchange(rig.rec.texts, {})) out += "; " + text;
  return out + "; next " + std::to_string(s.m_windowIndex) + "," + std::to_string(s.m_stepIndex);
}

// Each row: its name, the slots ticked before show notes ("+51" after it), then what show notes
// and each next-candidate press after it showed. A low C, C#, D or D# tunes string 6 down to sound
// it, whatever the window, as the boxes ticked when the pass runs ask.
TEST(FingeringPass, EachCommandShowsTheNextWindowThatSoundsTheChord) {
  const std::string none = "これ以上候補はありません";
  const std::vector<std::string> rows[] = {
      {"C4 E4 G4: six windows fail, then 8-12 and 12-16, again, and once more 8-12", "16 22 26",
       "x x 10 9 8 x to 10, 4\\C2 3\\E2 2\\G2; tried 7; next 3,1",
       "x 15 14 12 x x to 15, 5\\C2 4\\E2 3\\G2; tried 1; next 4,1",
       "x x 10 9 8 x to 10, 4\\C2 3\\E2 2\\G2; tried 3; next 2,2",
       "x 15 14 12 x x to 15, 5\\C2 4\\E2 3\\G2; tried 1; next 3,2",
       "x x 10 9 8 x to 10, 4\\C2 3\\E2 2\\G2; tried 3; next 2,3",
       "no diagram, 2\\C2 1\\E2 2\\G2; tried 3; " + none + "; next 1,4"},
      {"B3 lost to C2 on string 2", "47 16", "x x 9 5 x x to 9, 4\\B3 3\\C2; tried 2; next 2,0"},
      {"A4, not in frets 0-4", "29", "x x x x x 5 to 5, 1\\A2; tried 2; next 2,0"},
      {"C2 E4, tuned in vain", "48 54",
       "no diagram, 6\\C4 6\\E4; tried 18; string 6 in " + std::string(17, 'C') + "; " + none +
           "; next 1,4",
       "no diagram, 6\\C4 6\\E4; tried 1; " + none + "; next 1,4"},
      {"seven notes", "63 32 35 38 39 42 45",
       "no diagram, 5\\B4 4\\C3 3\\D3 4\\E3 4\\F3 3\\G3 3\\A3; tried 18; " + none + "; next 1,4",
       "no diagram, 5\\B4 4\\C3 3\\D3 4\\E3 4\\F3 3\\G3 3\\A3; tried 1; " + none + "; next 1,4"},
      {"C G3", "48 42", "0 x x 0 x x to 0, 6\\C4 3\\G3; tried 1; string 6 in C; next 1,0"},
      {"C#", "49 42", "1 x x 0 x x to 0, 6\\C4_SRP 3\\G3; tried 1; string 6 in C; next 1,0"},
      {"D#", "52 42", "1 x x 0 x x to 0, 6\\D4_SRP 3\\G3; tried 1; string 6 in D; next 1,0"},
      {"E4 G3, then D", "54 42 +51", "0 x x 0 x x to 0, 6\\E4 3\\G3; tried 1; next 1,0",
       "0 x 5 x x x to 5, 6\\D4 4\\G3; tried 1; string 6 in D; next 2,0"},
  };
  for (const std::vector<std::string>& row : rows) {
    SCOPED_TRACE(row[0]);
    test::ViewRig rig;
    std::istringstream in(row[1]);
    for (std::string slot; in >> slot && slot[0] != '+';) rig.ticks.Tick(std::stoi(slot));
    rig.view->OnShowNotes();
    std::vector<std::string> got{row[0], row[1], Shown(rig)};
    if (const auto late = row[1].find('+'); late != std::string::npos)
      rig.ticks.Tick(std::stoi(row[1].substr(late + 1)));
    while (got.size() < row.size()) rig.view->OnNextCandidate(), got.push_back(Shown(rig));
    EXPECT_EQ(got, row);
  }
}

// The tool writes each cell as text: "NN" for a string not played, else the string digit and the
// fret right-aligned in two characters.
TEST(StringCells, ReadAsTheStringDigitAndTheFretInTwoCharacters) {
  const CandidateList list = ListCandidates({16, 22, 26}, 1);
  std::vector<std::string> cells;
  for (const StringCell& cell : list.candidates.at(0).cells) cells.push_back(CellText(cell));
  EXPECT_EQ(cells, (std::vector<std::string>{"NN", "2 8", "3 9", "410", "NN", "NN"}));
}

// With no notes every window matches, every string unplayed: one window per command, through every
// step until the last, which stays at fret 0.
TEST(FingeringPass, WithNoNotesEachCommandShowsTheNextWindowUntilTheLastStep) {
  std::string starts, diagrams;
  const CandidateList list = ListCandidates({}, 26);
  for (const Candidate& c : list.candidates) {
    starts += std::to_string(c.windowStart) + " ";
    diagrams += c.cells == StringCells{} && c.highestFret == 0 ? "" : "?";
  }
  EXPECT_EQ(std::tuple(starts, diagrams, list.message.has_value()),
            std::tuple("0 5 10 15 0 4 8 12 16 0 6 12 18 0 7 14 0 8 16 0 9 18 0 0 0 0 ", "", false));
}

// The exhaustion message: every command's shows, a paint's once per selection, none under a box.
TEST(ExhaustionMessage, CommandsAlwaysShowItAPaintOncePerSelection) {
  const TickSet chord{48, 54, 58};  // the lowest row's ド ミ ソ: no fingering at all
  test::ViewRig rig(chord);
  const auto paint = [&] { rig.view->OnPaintPass(false); };
  const std::tuple<const char*, int, std::function<void()>> steps[] = {
      {"first paint", 1, paint},
      {"paint again", 1, paint},
      {"show notes", 2, [&] { rig.view->OnShowNotes(); }},
      {"paint after its message", 2, paint},
      {"next candidate", 3, [&] { rig.view->OnNextCandidate(); }},
      {"next candidate again", 4, [&] { rig.view->OnNextCandidate(); }},
      {"another selection, box open", 4, [&] { rig.ticks.Tick(16), rig.view->OnPaintPass(true); }},
      {"that selection, box closed", 5, paint},
      {"back to the first selection", 5, [&] { rig.ticks.Untick(16), paint(); }},
      {"New or Open", 6, [&] { rig.view->OnDocumentCommand(), paint(); }},
      {"clear, tick again, paint", 7, [&] { rig.view->OnClear(), rig.ticks = chord, paint(); }},
  };
  for (const auto& [step, shownAfter, run] : steps) {
    SCOPED_TRACE(step);
    run();
    EXPECT_EQ(std::pair(int(rig.rec.texts.size()), rig.state().m_noteCount),
              std::pair(shownAfter, rig.ticks.Count()))
        << "the messages, and every pass ran in full";
  }
}

}  // namespace
}  // namespace fretwise
