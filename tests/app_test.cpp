// The Fretwise window driven headless as a user meets it: the panel, its commands and what the
// screen shows after each, the menu and keys, and the version dialog.
#include <QDialog>
#include <QLabel>
#include <QMenuBar>

#include "app/commands.h"
#include "support/app_rig.h"

namespace fretwise::test {
namespace {

using Window = AppRig;
using Texts = std::vector<std::string>;

// The version dialog is modal, with the window's own icon beside the name: a staff and a note.
TEST_F(Window, OpensAt800By480WithItsMenuButtonsABoxForEveryNoteAndItsVersionDialog) {
  ASSERT_TRUE(Start());
  EXPECT_EQ(frame().frameGeometry().size(), QSize(800, 480));
  Texts shown{frame().windowTitle().toStdString()};
  for (QAction* top : frame().menuBar()->actions()) {
    shown.push_back(top->text().toStdString());
    for (QAction* item : top->menu()->actions()) shown.push_back(item->text().toStdString());
  }
  for (const QPushButton* b : view().findChildren<QPushButton*>())
    shown.push_back(QString("%1 %2,%3").arg(b->text()).arg(b->x()).arg(b->y()).toStdString());
  EXPECT_EQ(shown, (Texts{"Fretwise by Arkelos", "ﾌｧｲﾙ(&F)", "ｱﾌﾟﾘｹｰｼｮﾝの終了(&X) Ctrl+Q",
                          "ﾍﾙﾌﾟ(&H)", "ﾊﾞｰｼﾞｮﾝ情報(Fretwise) (&A)...", "音符を表示 25,265",
                          "再生 25,295", "クリア 25,325", "次の候補 25,355"}));
  QWidget* focus = Box(0);
  // The boxes stand side by side in rows from x 30, a row of 20 pixels every 30.
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
  for (int slot : {1, 3, 4, 6, 7}) EXPECT_EQ(focus = focus->nextInFocusChain(), Box(slot));

  const QIcon icon = frame().windowIcon();
  for (int i = 0; i < 2; ++i) {
    std::string shown;
    beforeAnswer_ = [&] {
      auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
      ASSERT_TRUE(dialog && dialog->findChild<QPushButton*>()->isDefault());
      const QList<QLabel*> labels = dialog->findChildren<QLabel*>();
      shown = (dialog->windowTitle() + " / " + labels[1]->text()).toStdString();
      EXPECT_FALSE(labels[0]->pixmap().isNull()) << "the icon beside the name";
      EXPECT_EQ(dialog->windowIcon().cacheKey(), icon.cacheKey());
    };
    frame().menuBar()->actions()[1]->menu()->actions()[0]->trigger();
    EXPECT_EQ(shown, "ﾊﾞｰｼﾞｮﾝ情報(Fretwise) / Fretwise Version 1.0");
  }
  EXPECT_EQ(icon.availableSizes(), (QList<QSize>{{32, 32}, {16, 16}}));
  const QImage large = icon.pixmap(32, 32).toImage();
  EXPECT_EQ(
      std::tuple(large.pixel(0, 4), large.pixel(31, 4), large.pixel(16, 7), large.pixel(2, 7)),
      std::tuple(0xFF000000, 0xFF000000, 0xFF000000, 0xFFFFFFFF))
      << "a staff line across the full width and a note head at the centre";
}

// C4 E4 G4, probed on screen at the head of C4, the dot under fret 5, and the mark of string 2 at
// fret 8 (first candidate) and of string 3 at fret 12 (second).
TEST_F(Window, TheButtonsMenuAndKeysReachTheirCommandsAndTheScreenShowsEach) {
  constexpr QPoint kHeadOfC4(60, 194), kDotUnderFret5(329, 332);
  constexpr QPoint kMarkAtFret8(418, 215), kMarkAtFret12(538, 240);
  auto screen = [this](std::initializer_list<QPoint> points) {  // b(lack), w(hite), r(ed) or ?
    std::string shown;
    for (const QPoint point : points) {
      const QRgb rgb = Shown(QRect(point, QSize(1, 1))).pixel(0, 0) & 0xFFFFFF;
      shown += rgb == 0 ? 'b' : rgb == 0xFFFFFF ? 'w' : rgb == 0xFF0000 ? 'r' : '?';
    }
    return shown;
  };
  ASSERT_TRUE(Start());
  for (int slot : {16, 22, 26}) Click(Box(slot));
  EXPECT_EQ(screen({kHeadOfC4}), "w") << "ticking draws nothing";
  Click(Button(app::kShowNotes));
  EXPECT_EQ(screen({kHeadOfC4, kDotUnderFret5, kMarkAtFret8, kMarkAtFret12}), "brbw");
  Click(Button(app::kNextCandidate));
  EXPECT_EQ(screen({kMarkAtFret8, kMarkAtFret12}), "wb");
  const QImage before = view().canvas();
  for (const char* keys : {"Ctrl+C", "Ctrl+V", "Shift+Del", "Alt+Backspace", "F6"}) Key(keys);
  EXPECT_EQ(view().canvas(), before) << "edit and pane keys change nothing";

  // Hover, focus and toggle paint the view, but only copy the canvas.
  Click(Box(0)), Click(Box(0)), Settle();
  EXPECT_EQ(screen({kMarkAtFret12}), "b");
  frame().resize(820, 500), Settle();
  EXPECT_EQ(screen({kMarkAtFret8, {12, 80}}), "bb") << "the first candidate, and the legend's bar";
  Click(Button(app::kNextCandidate));
  Key("Ctrl+N");
  EXPECT_EQ(screen({kMarkAtFret8}), "b") << "a new document draws anew";
  Key("Ctrl+O"), Key("Ctrl+S");
  EXPECT_EQ(std::pair(opens_, saves_), std::pair(1, 1));

  Click(Button(app::kClear));
  for (QCheckBox* box : view().findChildren<QCheckBox*>()) EXPECT_FALSE(box->isChecked());
  EXPECT_EQ(screen({kHeadOfC4}), "b") << "clear draws nothing";
  Click(Button(app::kPlay));
  EXPECT_EQ(sound_.Audible(),
            (Texts{".\\wav\\4\\C2.wav", ".\\wav\\3\\E2.wav", ".\\wav\\2\\G2.wav"}));
  frame().resize(4000, 3000), Settle();
  EXPECT_TRUE(view().canvas().width() <= 920 && view().canvas().height() <= 600)
      << "no canvas past what the view draws";
  EXPECT_EQ(screen({kHeadOfC4, {3000, 2000}}), "ww") << "a repaint, and beyond the drawing";
  Key("Ctrl+Q");
  EXPECT_FALSE(frame().isVisible());

  // The exhaustion message against the repaints it causes: closing a box uncovers the window, and
  // every repaint runs the whole show-notes pass, but shows the message only for a new selection
  // and never under an open box.
  ASSERT_TRUE(Start());
  auto repaint = [this] {
    frame().showMinimized(), Settle(), frame().showNormal();
    frame().resize(frame().size() + QSize(7, 5)), Settle();
  };
  for (int slot : {48, 54, 58}) Click(Box(slot));  // ド ミ ソ low: string 6 tuned down to C
  Click(Button(app::kShowNotes));
  repaint();
  EXPECT_EQ(std::pair(texts_.size(), state().m_noteCount), std::pair(std::size_t{1}, 3));
  for (int slot : {16, 63, 32, 35, 38, 39, 42}) Click(Box(slot));  // ten: no fingering, no play
  Click(Button(app::kShowNotes));
  beforeAnswer_ = [&] { Click(Box(16)), repaint(); };
  Click(Button(app::kPlay)), Settle();
  const std::string exhausted = "これ以上候補はありません";
  EXPECT_EQ(texts_, (Texts{exhausted, exhausted, "6個以上の音は鳴らせません"}));
  EXPECT_EQ(std::pair(mostBoxes_, state().m_noteCount), std::pair(1, 9));
  repaint();
  EXPECT_EQ(texts_.size(), 4u) << "the selection painted under the box, at its next paint";
  app_->OnCommand(app::kFileNew);  // as Ctrl+N routes it: the paint after it shows it again
  repaint();
  frame().menuBar()->actions()[0]->menu()->actions()[0]->trigger(), Settle();
  EXPECT_FALSE(frame().isVisible());
  EXPECT_EQ(std::pair(texts_.size(), saves_), std::pair(std::size_t{5}, 1)) << "exit asks nothing";
}

}  // namespace
}  // namespace fretwise::test
