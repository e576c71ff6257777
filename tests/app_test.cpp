// The Fretwise window driven headless as a user meets it: the panel, its commands and what the
// screen shows after each, the menu and keys, and the version dialog.
#include <QDialog>
#include <QLabel>
#include <QMenuBar>
#include <QStatusBar>
#include <sstream>

#include "app/commands.h"
#include "support/app_rig.h"

namespace fretwise::test {
namespace {

using Window = AppRig;

// Side by side in rows from x 30, a row of 20 pixels every 30, the highest octave on top; the tab
// goes along a row.
TEST_F(Window, OpensAt800By480WithABoxForEveryNoteInOctaveRowsInTabOrder) {
  ASSERT_TRUE(Start());
  EXPECT_EQ(std::pair(frame().frameGeometry().size(), frame().findChild<QStatusBar*>() == nullptr),
            std::pair(QSize(800, 480), true));
  for (int slot = 0, right = 0; slot < kSlotCount; ++slot) {
    if (!HasCheckBox(slot)) continue;
    ASSERT_TRUE(Box(slot) && Box(slot)->text().toStdString() == kSlots[slot].caption) << slot;
    const QRect r = Box(slot)->geometry();
    const int row = kSlots[slot].row, left = kSlots[slot].position == 0 ? 30 : right;
    EXPECT_EQ(std::tuple(r.left(), r.top(), r.height(), r.width() > 30),
              std::tuple(left, 30 * row, 20, true))
        << slot;
    right = r.right() + 1;
  }
  QWidget* focus = Box(0);
  for (int slot : {1, 3, 4, 6, 7}) EXPECT_EQ(focus = focus->nextInFocusChain(), Box(slot));
}

// Modal, with the window's own icon beside the name: a staff across the width and a note head.
TEST_F(Window, TheHelpMenuOpensTheVersionDialogWithTheWindowsIcon) {
  ASSERT_TRUE(Start());
  const QIcon icon = frame().windowIcon();
  std::string shown;
  beforeAnswer_ = [&] {
    auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
    ASSERT_TRUE(dialog && dialog->findChild<QPushButton*>()->isDefault());
    const QList<QLabel*> labels = dialog->findChildren<QLabel*>();
    shown = labels[1]->text().toStdString();
    EXPECT_FALSE(labels[0]->pixmap().isNull()) << "the icon beside the name";
    EXPECT_EQ(dialog->windowIcon().cacheKey(), icon.cacheKey());
  };
  frame().menuBar()->actions().back()->menu()->actions()[0]->trigger();
  EXPECT_EQ(shown, "Fretwise Version 1.0");
  const QImage large = icon.pixmap(32, 32).toImage();
  EXPECT_EQ(
      std::tuple(icon.availableSizes(), large.pixel(0, 4), large.pixel(31, 4), large.pixel(16, 7),
                 large.pixel(2, 7)),
      std::tuple(QList<QSize>{{32, 32}, {16, 16}}, 0xFF000000, 0xFF000000, 0xFF000000, 0xFFFFFFFF));
}

// The screen after C4 E4 G4 are ticked and a user's steps (buttons, a toggle of a box, a resize,
// keys), probed (b)lack, (w)hite or (r)ed at the head of C4, the dot under fret 5, string 2's mark
// at fret 8 (the first candidate), string 3's at fret 12 (the second) and the legend's bar, after
// how many boxes stay ticked; then the files a play sounds. A canvas never grows past the drawing.
TEST_F(Window, TheScreenShowsWhatEachStepDraws) {
  const std::map<std::string, int> buttons = {{"show", app::kShowNotes},
                                              {"next", app::kNextCandidate},
                                              {"clear", app::kClear},
                                              {"play", app::kPlay}};
  const std::tuple<const char*, const char*, const char*> rows[] = {
      {"ticking draws nothing", "", "3 wwwwb"},
      {"show notes draws the note and the first fingering", "show", "3 brbwb"},
      {"next candidate shows the second", "show next", "3 brwbb"},
      {"edit and pane keys do nothing",
       "show next Ctrl+C Ctrl+V Ctrl+X Shift+Del Alt+Backspace F6 Shift+F6 Ctrl+Ins", "3 brwbb"},
      {"hover, focus and a toggle only copy the canvas", "show next toggle", "3 brwbb"},
      {"a resize shows the first candidate again", "show next resize", "3 brbwb"},
      {"a huge window is white beyond the drawing", "show next huge", "3 brbwb white"},
      {"a new document draws anew", "show next Ctrl+N", "3 brbwb"},
      {"clear unticks but draws nothing", "show clear", "0 brbwb"},
      {"a repaint after clear shows no notes", "show clear resize", "0 wwwwb"},
      {"play after clear sounds the fingering shown", "show clear play",
       "0 brbwb 4\\C2 3\\E2 2\\G2"}};
  for (const auto& [name, steps, shown] : rows) {
    SCOPED_TRACE(name);
    ASSERT_TRUE(Start());
    for (int slot : {16, 22, 26}) Click(Box(slot));
    std::istringstream in(steps);
    for (std::string step; in >> step;) {
      if (buttons.contains(step)) Click(Button(buttons.at(step)));
      if (step == "toggle") Click(Box(0)), Click(Box(0)), Settle();
      if (step == "resize" || step == "huge")
        frame().resize(step == "huge" ? QSize(4000, 3000) : QSize(820, 500)), Settle();
      if (step.find('+') != std::string::npos || step == "F6") Key(step.c_str());
    }
    const auto boxes = view().findChildren<QCheckBox*>();
    std::string got = std::to_string(std::ranges::count_if(boxes, &QCheckBox::isChecked)) + " ";
    for (const QPoint point : {QPoint(60, 194), {329, 332}, {418, 215}, {538, 240}, {12, 80}}) {
      const QRgb rgb = Shown(QRect(point, QSize(1, 1))).pixel(0, 0) & 0xFFFFFF;
      got += rgb == 0 ? 'b' : rgb == 0xFFFFFF ? 'w' : rgb == 0xFF0000 ? 'r' : '?';
    }
    if (frame().width() > 3000)
      got += Shown({3000, 2000, 1, 1}).pixel(0, 0) == 0xFFFFFFFF ? " white" : " ?";
    for (const std::string& file : sound_.Audible()) got += " " + file.substr(6, file.size() - 10);
    EXPECT_EQ(got, shown);
    EXPECT_TRUE(view().canvas().width() <= 920 && view().canvas().height() <= 600);
  }
}

TEST_F(Window, CtrlOAndCtrlSAskForAFileAndCtrlQClosesWithoutAsking) {
  ASSERT_TRUE(Start());
  Key("Ctrl+O"), Key("Ctrl+S"), Key("Ctrl+Q");
  EXPECT_EQ(std::tuple(opens_, saves_, frame().isVisible()), std::tuple(1, 1, false));
  ASSERT_TRUE(Start());
  frame().menuBar()->actions()[0]->menu()->actions()[0]->trigger(), Settle();
  EXPECT_EQ(std::tuple(saves_, frame().isVisible()), std::tuple(1, false)) << "the File menu";
}

// Closing a box uncovers the window, and every repaint runs the whole show-notes pass, but the
// exhaustion message shows only for a new selection and never under an open box.
TEST_F(Window, RepaintsShowTheExhaustionMessageOncePerSelection) {
  ASSERT_TRUE(Start());
  auto repaint = [this] {
    frame().showMinimized(), Settle(), frame().showNormal();
    frame().resize(frame().size() + QSize(7, 5)), Settle();
  };
  for (int slot : {48, 54, 58, 16, 63, 32, 35, 38, 39, 42}) Click(Box(slot));  // ten notes
  Click(Button(app::kShowNotes));
  beforeAnswer_ = [&] { Click(Box(16)), repaint(); };  // under the box: no fingering, no box
  Click(Button(app::kPlay)), Settle();
  const std::string exhausted = "これ以上候補はありません";
  EXPECT_EQ(texts_, (std::vector<std::string>{exhausted, "6個以上の音は鳴らせません"}));
  EXPECT_EQ(std::pair(mostBoxes_, state().m_noteCount), std::pair(1, 9));
  repaint();
  EXPECT_EQ(texts_.size(), 3u) << "the selection painted under the box, at its next paint";
  app_->OnCommand(app::kFileNew);  // as Ctrl+N routes it: the paint after it shows it again
  repaint();
  EXPECT_EQ(texts_.size(), 4u);
}

}  // namespace
}  // namespace fretwise::test
