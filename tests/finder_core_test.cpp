// The finder window's logic without a window: what the field's text shows or why it shows
// nothing, what a click sounds, what the panel's ticks show and what a box sends back to them.
#include "finder/finder_core.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "chordbox/box_layout.h"
#include "support/recorders.h"

namespace fretwise::finder {
namespace {

struct FakePanel final : Panel {
  bool IsTicked(int slot) const override { return ticked.contains(slot); }
  void SetTicked(int slot, bool on) override {
    if (HasCheckBox(slot)) on ? void(ticked.insert(slot)) : void(ticked.erase(slot));
  }
  std::set<int> ticked;
};

struct Finder {
  test::CallLog log;
  test::FakeSound sound{log};
  FakePanel panel;
  FinderCore core{panel, sound};
  // The title, the first name, the field, the reason and whether any voicing is shown.
  std::string Shown() const {
    return core.Title() + " | " + (core.names().empty() ? "" : core.names().front()) + " | " +
           core.fieldText() + " | " + core.reason() + (core.count() > 0 ? " | boxes" : " | none");
  }
  std::string Frets(int index) const {
    std::string frets;
    for (const auto& note : core.BoxAt(index).notes)
      frets += note.fret < 0 ? "x" : std::to_string(note.fret);
    return frets;
  }
};

// Each text entered in turn into one finder: a text that is no chord leaves the chord shown.
TEST(FinderCore, TheFieldShowsAChordOrItsPitchesOrSaysWhyNot) {
  const std::pair<const char*, const char*> rows[] = {
      {"",
       "ｺｰﾄﾞ検索 - Fretwise |  |  | コード名か音名を入力してください (Am7、C/E、C3 E3 G3) | none"},
      {"Am7", "Am7 - Fretwise | Am7 | Am7 |  | boxes"},
      {"a-7", "Am7 - Fretwise | Am7 | Am7 |  | boxes"},
      {"H7",
       "Am7 - Fretwise | Am7 | Am7 | 「H7」はコード名ではありません: 根音 (A〜G) で始めます | "
       "boxes"},
      {"Cxyz/E",
       "Am7 - Fretwise | Am7 | Am7 | 「Cxyz/E」はコード名ではありません: "
       "「xyz」という種類はありません | boxes"},
      {"C/H",
       "Am7 - Fretwise | Am7 | Am7 | 「C/H」はコード名ではありません: / の後ろはベースの音名 "
       "(A〜G) です | boxes"},
      {"C/E", "C/E - Fretwise | C/E | C/E |  | boxes"},
      {"E3  G3\u3000C3 E3", "C - Fretwise | C | C3 E3 G3 |  | boxes"},
      {"C3 X3",
       "C - Fretwise | C | C3 E3 G3 | 「X3」は音名ではありません (C3、F#4、Bb2 のように) | boxes"},
      {"C2 C#2 D2", "C2 C#2 D2 - Fretwise |  | C2 C#2 D2 |  | none"},
  };
  Finder finder;
  for (const auto& [text, shown] : rows) {
    finder.core.Enter(text);
    EXPECT_EQ(finder.Shown(), shown) << text;
    if (finder.core.Title().starts_with("Am7 ")) {
      EXPECT_EQ(std::count(finder.core.names().begin(), finder.core.names().end(), "C6/A"), 1)
          << "its other names too";
    }
  }
}

// A click plays the voicing's notes on the preset's instrument, string 6 first with the light
// downstroke unless the window chose otherwise; a capo raises every pitch and counts frets from it.
TEST(FinderCore, AClickPlaysTheVoicingAsTheStrumAndCapoSay) {
  const struct {
    const char* name;
    FinderSettings settings;
    const char* frets;  // of the first box
    const char* calls;
  } rows[] = {
      {"a light downstroke",
       {},
       "x02010",
       "Open A2; Open E3; Open G3; Open C4; Open E4; BeginChord; Play 1 +0; Play 2 +15; Play 3 "
       "+30; "
       "Play 4 +45; Play 5 +60; EndChord"},
      {"an upstroke, 40 ms",
       {.strum = {playback::Stroke::kUp, std::chrono::milliseconds(40)}},
       "x02010",
       "Open E4; Open C4; Open G3; Open E3; Open A2; BeginChord; Play 1 +0; Play 2 +40; Play 3 "
       "+80; "
       "Play 4 +120; Play 5 +160; EndChord"},
      {"a block chord, the Gm7 shape under a capo at 2",
       {.capo = 2, .strum = playback::kBlockChord},
       "353333",
       "Open A2; Open E3; Open G3; Open C4; Open E4; Open A4; BeginChord; Play 1 +0; Play 2 +0; "
       "Play 3 +0; Play 4 +0; Play 5 +0; Play 6 +0; EndChord"},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    Finder finder;
    finder.core.Change(row.settings);
    finder.core.Enter("Am7");
    finder.core.Click(0);
    EXPECT_EQ(finder.Frets(0), row.frets);
    EXPECT_EQ(finder.core.BoxAt(0).capo, row.settings.capo);
    EXPECT_EQ(test::Joined(finder.log, {"instruments/steel-guitar/", ".flac"}), row.calls);
  }
}

// The panel's ticks show exactly their pitches; a box goes back to the panel as its pitches
// within C2 to B5, the other boxes unticked; the arrows move the selection within the list.
TEST(FinderCore, ThePanelsTicksShowExactlyTheirNotesAndABoxTicksItsOwn) {
  Finder finder;
  finder.panel.ticked = {48, 51, 54, 55, 58, 61, 63};  // the lowest row's naturals: C2 to B2
  finder.core.ShowTicked();
  EXPECT_EQ(finder.Shown(), "Cmaj13 - Fretwise | Cmaj13 | C2 D2 E2 F2 G2 A2 B2 |  | none")
      << "seven";
  finder.panel.ticked = {32, 38, 42, 16};  // the boxes of C3, E3, G3 and C4
  finder.core.ShowTicked();
  EXPECT_EQ(finder.Shown(), "C - Fretwise | C | C3 E3 G3 C4 |  | boxes");
  for (int i = 0; i < finder.core.count(); ++i) {
    std::set<int> sounding;
    for (int midi : finder.core.PitchesAt(i))
      if (midi != playback::kMutedString) sounding.insert(midi);
    ASSERT_EQ(sounding, (std::set<int>{48, 52, 55, 60})) << i;
  }
  finder.core.Enter("Am7");
  finder.core.Move(3);
  EXPECT_EQ(finder.core.current(), 0) << "from no selection, the first";
  finder.core.Move(-5);
  finder.core.SendToPanel();
  EXPECT_EQ(finder.panel.ticked, (std::set<int>{61, 38, 42, 16, 22})) << "A2 E3 G3 C4 E4";
  finder.core.Change({.capo = 12, .strum = {}});
  finder.core.Enter("A");
  int high = 0;  // the first voicing that reaches above B5 (C#6 at fret 21)
  while (high < finder.core.count() && std::ranges::max(finder.core.PitchesAt(high)) <= 83) ++high;
  finder.core.Click(high);
  finder.core.SendToPanel();
  EXPECT_TRUE(finder.core.status().starts_with("パネルの音域 (C2〜B5) の外の音は付けていません: "))
      << finder.core.status();
  finder.panel.ticked.clear();
  finder.core.ShowTicked();
  EXPECT_EQ(finder.Shown(), "ｺｰﾄﾞ検索 - Fretwise |  |  |  | none");
}

// A sheet holds the selected boxes in the list's order; a Ctrl+click takes a box out again.
// Every box fits the place the tallest box of its settings sizes.
TEST(FinderCore, TheSelectionMakesTheSheetAndTheTallestBoxBoundsEveryBox) {
  Finder finder;
  finder.core.Change({.preset = 1, .capo = 3, .span = 6, .leftHanded = true, .strum = {}});
  finder.core.Enter("D");
  for (int index : {5, 2, 7, 4}) finder.core.Click(index, true);
  finder.core.Click(7, true);
  std::vector<std::string> sheet;
  for (const auto& box : finder.core.SelectedBoxes())
    sheet.push_back(box.name + (box.leftHanded ? " left" : "") + " " + std::to_string(box.capo));
  EXPECT_EQ(sheet, (std::vector<std::string>(3, "D left 3")));
  EXPECT_EQ(finder.core.SelectedBoxes()[1], finder.core.BoxAt(4));
  const double tallest = chordbox::LayOutBox(finder.core.TallestBox()).height;
  for (int i = 0; i < finder.core.count(); ++i)
    ASSERT_LE(chordbox::LayOutBox(finder.core.BoxAt(i)).height, tallest) << finder.Frets(i);
}

}  // namespace
}  // namespace fretwise::finder
