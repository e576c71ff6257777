// The note panel and its commands, and what the screen shows after each.
#include <QCheckBox>
#include <QPushButton>
#include <QTest>

#include "app/commands.h"
#include "support/app_rig.h"

namespace fretwise::test {
namespace {

using Panel = AppRig;

constexpr QRgb kBlackPixel = 0xFF000000;
constexpr QRgb kWhitePixel = 0xFFFFFFFF;
constexpr QRgb kRedPixel = 0xFFFF0000;

// Probes of the C4 E4 G4 drawing: the head of C4, the dot under fret 5, and the mark of string 2
// at fret 8 (first candidate) and of string 3 at fret 12 (second).
constexpr QPoint kHeadOfC4(60, 194);
constexpr QPoint kDotUnderFret5(329, 332);
constexpr QPoint kMarkAtFret8(418, 215);
constexpr QPoint kMarkAtFret12(538, 240);

TEST_F(Panel, ButtonsThenCheckBoxesWithTheirIdsCaptionsAndPlaces) {
  ASSERT_TRUE(Start());
  std::vector<std::string> controls;
  for (QObject* child : view().children()) {
    auto* button = qobject_cast<QAbstractButton*>(child);
    if (!button) continue;
    const QRect g = button->geometry();
    controls.push_back(std::to_string(button->property("controlId").toInt()) + " " +
                       button->text().toStdString() + " " + std::to_string(g.left()) + "," +
                       std::to_string(g.top()) + "," + std::to_string(g.right() + 1) + "," +
                       std::to_string(g.bottom() + 1) +
                       (qobject_cast<QCheckBox*>(button) ? " box" : " button"));
  }
  std::vector<std::string> expected = {
      "61233 音符を表示 25,265,125,290 button", "61277 再生 25,295,125,320 button",
      "61278 クリア 25,325,125,350 button", "61279 次の候補 25,355,125,380 button"};
  for (const SlotInfo& s : kSlots) {
    if (s.kind == SlotKind::kNatural) continue;
    expected.push_back(std::to_string(s.controlId) + " " + std::string(s.caption) + " " +
                       std::to_string(s.rect.left) + "," + std::to_string(s.rect.top) + "," +
                       std::to_string(s.rect.right) + "," + std::to_string(s.rect.bottom) + " box");
  }
  EXPECT_EQ(controls, expected);

  // Tab moves through the boxes in slot order.
  Box(0)->setFocus();
  QWidget* focus = Box(0);
  for (int slot : {1, 3, 4, 6, 7}) {
    focus = focus->nextInFocusChain();
    EXPECT_EQ(focus, Box(slot)) << slot;
  }
}

TEST_F(Panel, ShowNotesDrawsTheHeadsAndTheFirstDiagram) {
  ASSERT_TRUE(Start());
  EXPECT_EQ(ScreenPixel(kHeadOfC4.x(), kHeadOfC4.y()), kWhitePixel);
  Tick({16, 22, 26});
  EXPECT_EQ(ScreenPixel(kHeadOfC4.x(), kHeadOfC4.y()), kWhitePixel) << "ticking draws nothing";
  Click(Button(app::kShowNotes));
  EXPECT_EQ(ScreenPixel(kHeadOfC4.x(), kHeadOfC4.y()), kBlackPixel);
  EXPECT_EQ(ScreenPixel(kDotUnderFret5.x(), kDotUnderFret5.y()), kRedPixel);
  EXPECT_EQ(ScreenPixel(kMarkAtFret8.x(), kMarkAtFret8.y()), kBlackPixel);
  EXPECT_EQ(frame().windowTitle().toStdString(), "Fretwise by Arkelos");
}

TEST_F(Panel, NextCandidateMovesOnACheckBoxClickKeepsItAndAResizeStartsAgain) {
  ASSERT_TRUE(Start());
  Tick({16, 22, 26});
  Click(Button(app::kShowNotes));
  Click(Button(app::kNextCandidate));
  EXPECT_EQ(ScreenPixel(kMarkAtFret8.x(), kMarkAtFret8.y()), kWhitePixel);
  EXPECT_EQ(ScreenPixel(kMarkAtFret12.x(), kMarkAtFret12.y()), kBlackPixel);

  Click(Box(0));  // hover, focus and toggle paint the view, but only copy the canvas
  Click(Box(0));
  Settle();
  EXPECT_EQ(ScreenPixel(kMarkAtFret12.x(), kMarkAtFret12.y()), kBlackPixel);
  EXPECT_EQ(state().m_windowIndex, 4);

  frame().resize(820, 500);
  Settle();
  EXPECT_EQ(state().m_windowIndex, 3);
  EXPECT_EQ(ScreenPixel(kMarkAtFret8.x(), kMarkAtFret8.y()), kBlackPixel);
}

TEST_F(Panel, ARepaintShowsTheFirstCandidateAgain) {
  ASSERT_TRUE(Start());
  Tick({16, 22, 26});
  Click(Button(app::kShowNotes));
  Click(Button(app::kNextCandidate));
  view().DrawAnew();
  EXPECT_EQ(ScreenPixel(kMarkAtFret8.x(), kMarkAtFret8.y()), kBlackPixel);
  EXPECT_EQ(ScreenPixel(kMarkAtFret12.x(), kMarkAtFret12.y()), kWhitePixel);
  EXPECT_EQ(ScreenPixel(12, 80), kBlackPixel) << "the legend's bar";
}

TEST_F(Panel, ClearUnticksButLeavesTheDrawingAndTheList) {
  ASSERT_TRUE(Start());
  Tick({16, 22, 26});
  Click(Button(app::kShowNotes));
  Click(Button(app::kClear));
  for (QCheckBox* box : view().findChildren<QCheckBox*>()) EXPECT_FALSE(box->isChecked());
  EXPECT_EQ(ScreenPixel(kHeadOfC4.x(), kHeadOfC4.y()), kBlackPixel);
  EXPECT_EQ(state().m_noteCount, 3);

  Click(Button(app::kPlay));  // plays the notes collected before the clear
  EXPECT_EQ(SoundCalls(),
            (std::vector<std::string>{"Open .\\wav\\4\\C2.wav", "Play 1", "Open .\\wav\\3\\E2.wav",
                                      "Play 2", "Open .\\wav\\2\\G2.wav", "Play 3"}));
  Click(Button(app::kShowNotes));
  EXPECT_EQ(ScreenPixel(kHeadOfC4.x(), kHeadOfC4.y()), kWhitePixel);
}

TEST_F(Panel, PlayAgainStopsThePreviousChordAndClosingTheWindowStopsTheLast) {
  ASSERT_TRUE(Start());
  Tick({16, 22, 26});
  Click(Button(app::kShowNotes));
  Click(Button(app::kPlay));
  soundLog_.clear();
  Click(Button(app::kPlay));
  const std::vector<std::string> again = SoundCalls();
  EXPECT_EQ(std::vector<std::string>(again.begin(), again.begin() + 3),
            (std::vector<std::string>{"Close 1", "Close 2", "Close 3"}));
  soundLog_.clear();
  app_.reset();
  EXPECT_EQ(SoundCalls(), (std::vector<std::string>{"Close 4", "Close 5", "Close 6"}));
}

TEST_F(Panel, ClosingWithoutAPlayTouchesNoSound) {
  ASSERT_TRUE(Start());
  Tick({16});
  Click(Button(app::kShowNotes));
  app_.reset();
  EXPECT_TRUE(SoundCalls().empty());
}

TEST_F(Panel, SevenNotesAreRefusedAndRunOutOfCandidates) {
  ASSERT_TRUE(Start());
  Tick({63, 32, 35, 38, 39, 42, 45});
  MessageCloser messages;
  Click(Button(app::kShowNotes));
  Click(Button(app::kPlay));
  Settle();
  EXPECT_EQ(messages.texts,
            (std::vector<std::string>{"これ以上候補はありません", "6個以上の音は鳴らせません"}));
  EXPECT_TRUE(SoundCalls().empty());
  EXPECT_EQ(ScreenPixel(196, 250), kWhitePixel) << "the diagram area is blank";
}

TEST_F(Panel, APaintInsideTheMessagesLoopRunsAWholePass) {
  ASSERT_TRUE(Start());
  Tick({16, 22, 26});
  Click(Button(app::kShowNotes));
  for (int i = 0; i < 4; ++i) Click(Button(app::kNextCandidate));
  MessageCloser messages;
  messages.whileOpen = [&] {
    Box(16)->setChecked(false);
    frame().resize(810, 490);  // the window is drawn anew while the box is open
    Settle();
  };
  Click(Button(app::kNextCandidate));
  Settle();
  EXPECT_EQ(messages.texts, std::vector<std::string>{"これ以上候補はありません"});
  EXPECT_EQ(state().m_noteCount, 2) << "as the inner pass left it";
  EXPECT_EQ(ScreenPixel(kHeadOfC4.x(), kHeadOfC4.y()), kWhitePixel);
  EXPECT_EQ(ScreenPixel(196, 250), kBlackPixel) << "the nut of the inner pass's diagram";
}

}  // namespace
}  // namespace fretwise::test
