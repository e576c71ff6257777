// The chord finder's window, headless, as a player meets it: opened from the menu or by Ctrl+F,
// a symbol typed, the boxes on the screen, what a click, a key, the panel and its buttons do.
#include "app/finder_window.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QScrollBar>
#include <QSpinBox>

#include "app/box_grid.h"
#include "app/commands.h"
#include "canvas/figure_painter.h"
#include "chordbox/box_layout.h"
#include "support/app_rig.h"

namespace fretwise::test {
namespace {

class Finder : public AppRig {
 protected:
  app::FinderWindow& finder() { return *app_->finder(); }
  app::BoxGrid& grid() { return finder().grid(); }
  const finder::FinderCore& core() { return finder().core(); }
  QString Label(const char* name) { return finder().findChild<QLabel*>(name)->text(); }
  void Open() {
    ASSERT_TRUE(Start());
    Key("Ctrl+F");
    EXPECT_EQ(Heard(), "BeginChord; EndChord") << "the sound layer made before the first click";
  }
  void Type(const char* text) {
    QLineEdit& field = finder().field();
    field.selectAll(), QTest::keyClicks(&field, text), QTest::keyClick(&field, Qt::Key_Return);
    Settle();
  }
  void ClickBox(int index, Qt::KeyboardModifiers keys = {}) {
    QTest::mouseClick(grid().viewport(), Qt::LeftButton, keys, grid().CellRect(index).center());
    Settle();
  }
  std::string Heard() {
    return Joined(std::exchange(soundLog_, {}), {"instruments/steel-guitar/", ".flac"});
  }
  std::string Expected(int index, const char* delays) {  // the opens of a voicing, string 6 first
    std::string opens;
    for (int midi : core().PitchesAt(index))
      if (midi >= 0) opens += "Open " + PitchName(midi) + "; ";
    return opens + delays;
  }
};

TEST_F(Finder, TheMenuAndCtrlFOpenOneWindowBesideTheMainOneWithTheFocusInTheField) {
  ASSERT_TRUE(Start());
  QStringList menus;
  for (QAction* menu : frame().menuBar()->actions()) menus << menu->text();
  EXPECT_EQ(menus, QStringList({"ﾌｧｲﾙ(&F)", "ｺｰﾄﾞ(&C)", "ﾍﾙﾌﾟ(&H)"}));
  QAction* find = frame().menuBar()->actions()[1]->menu()->actions()[0];
  EXPECT_EQ(find->text(), "ｺｰﾄﾞ検索(&F)...");
  find->trigger(), Settle();
  ASSERT_TRUE(app_->finder() && finder().isVisible());
  EXPECT_EQ(finder().windowTitle(), "ｺｰﾄﾞ検索 - Fretwise");
  EXPECT_EQ(finder().focusWidget(), &finder().field());
  EXPECT_GT(finder().frameGeometry().left(), frame().frameGeometry().right()) << "beside it";
  QTest::keyClick(&finder().field(), Qt::Key_Escape), Settle();
  EXPECT_FALSE(finder().isVisible()) << "Escape closes it";
  frame().activateWindow();  // as a click on it does
  ASSERT_TRUE(QTest::qWaitForWindowActive(&frame()));
  Key("Ctrl+F");
  EXPECT_TRUE(finder().isVisible());
  EXPECT_EQ(frame().findChildren<app::FinderWindow*>().size(), 1) << "one window, shown again";
}

// The boxes on screen are the boxes of the list, drawn only as far as they are in sight.
TEST_F(Finder, ASymbolShowsItsBoxesAndNamesAndABadOneOnlyItsReason) {
  Open();
  Type("C9");
  EXPECT_EQ(
      std::tuple(finder().windowTitle(), Label("names").section(" = ", 0, 0), Label("reason")),
      std::tuple(QString("C9 - Fretwise"), QString("C9"), QString()));
  EXPECT_GT(core().count(), 1000);
  const auto visible = [&] {
    const int rows = grid().viewport()->height() / grid().cellSize().height() + 2;
    return rows * grid().columns();
  };
  EXPECT_LE(grid().paintedBoxes(), visible()) << "only the boxes in sight";
  const Figure first = chordbox::LayOutBox(core().BoxAt(0));
  QImage expected(int(first.width), int(first.height), QImage::Format_RGB32);
  expected.fill(Qt::white);
  QPainter painter(&expected);
  PaintFigure(painter, first);
  painter.end();
  const QPoint at =
      grid().viewport()->mapTo(&finder(), grid().CellRect(0).topLeft() + QPoint(6, 6));
  EXPECT_EQ(
      finder().grab(QRect(at, expected.size())).toImage().convertToFormat(QImage::Format_RGB32),
      expected);
  grid().verticalScrollBar()->setValue(grid().verticalScrollBar()->maximum()), Settle();
  EXPECT_LE(grid().paintedBoxes(), 2 * visible()) << "the end, and none of those in between";
  Type("Cxyz/E");
  EXPECT_EQ(
      std::tuple(finder().windowTitle(), Label("reason"), texts_.size()),
      std::tuple(QString("C9 - Fretwise"),
                 QString("「Cxyz/E」はコード名ではありません: 「xyz」という種類はありません"), 0u));
  Type("C/E");
  EXPECT_EQ(std::pair(finder().windowTitle(), Label("reason")),
            std::pair(QString("C/E - Fretwise"), QString()));
}

// Each tick shows exactly the ticked notes, in the title by name; the main window changes only
// its boxes. A closed finder follows nothing.
TEST_F(Finder, EveryTickInThePanelShowsExactlyTheTickedNotes) {
  Open();
  Type("Am7");
  const std::tuple<int, const char*, std::set<int>> rows[] = {{16, "C4 - Fretwise", {60}},
                                                              {22, "C4 E4 - Fretwise", {60, 64}},
                                                              {26, "C - Fretwise", {60, 64, 67}},
                                                              {16, "E4 G4 - Fretwise", {64, 67}}};
  for (const auto& [slot, title, pitches] : rows) {
    Click(Box(slot)), Settle();
    EXPECT_EQ(finder().windowTitle().toStdString(), title);
    for (int i = 0; i < core().count(); ++i) {
      std::set<int> sounding;
      for (int midi : core().PitchesAt(i))
        if (midi >= 0) sounding.insert(midi);
      ASSERT_EQ(sounding, pitches) << title << " " << i;
    }
  }
  EXPECT_EQ(std::pair(state().m_noteCount, texts_.size()), std::pair(0, std::size_t{0}));
  finder().close(), Click(Box(16)), Settle();
  EXPECT_EQ(finder().windowTitle(), "E4 G4 - Fretwise");
}

// A click plays the voicing as the window's stroke says; the arrows move without a sound, Space
// plays the box moved to.
TEST_F(Finder, AClickPlaysTheVoicingArrowsMoveAndSpacePlaysAgain) {
  Open();
  Type("Am7");
  ClickBox(0);
  EXPECT_EQ(
      Heard(),
      Expected(0,
               "BeginChord; Play 1 +0; Play 2 +15; Play 3 +30; Play 4 +45; Play 5 +60; EndChord"));
  finder().findChild<QComboBox*>("stroke")->setCurrentIndex(1);
  finder().findChild<QSpinBox*>("strum")->setValue(0);
  ClickBox(3);
  const std::string heard = Heard();
  EXPECT_TRUE(heard.starts_with("Close 1; Close 2; Close 3; Close 4; Close 5; ")) << heard;
  QTest::keyClick(&grid(), Qt::Key_Down), Settle();
  EXPECT_EQ(std::pair(core().current(), Heard()),
            std::pair(std::optional(3 + grid().columns()), std::string()));
  QTest::keyClick(&grid(), Qt::Key_Space), Settle();
  std::string up;  // string 1 first, all at once
  std::vector<int> pitches = core().PitchesAt(3 + grid().columns());
  std::erase(pitches, -1);
  for (auto p = pitches.rbegin(); p != pitches.rend(); ++p) up += "Open " + PitchName(*p) + "; ";
  EXPECT_NE(Heard().find(up + "BeginChord; Play"), std::string::npos);
  EXPECT_EQ(sound_.Audible().size(), pitches.size());
}

TEST_F(Finder, ABoxGoesToThePanelAndTheSelectionToASheet) {
  Open();
  Type("C");
  ClickBox(0), ClickBox(2, Qt::ControlModifier);
  QPushButton* toPanel = finder().findChild<QPushButton*>();
  ASSERT_EQ(toPanel->text(), "ﾊﾟﾈﾙへ");
  Click(toPanel), Settle();
  std::set<int> ticked;
  for (int slot : kScanOrder)
    if (Box(slot)->isChecked()) ticked.insert(kLowestMidi + TokenCode(kSlots[slot].token));
  std::vector<int> sent = core().PitchesAt(2);
  std::erase(sent, -1);
  EXPECT_EQ(ticked, std::set<int>(sent.begin(), sent.end()));
  EXPECT_EQ(finder().windowTitle(), "C - Fretwise") << "the finder's own ticks show nothing new";
  Click(Button(app::kShowNotes));
  EXPECT_EQ(state().m_noteCount, int(ticked.size())) << "音符を表示 draws them";
  QPushButton* save = finder().findChildren<QPushButton*>()[1];
  sheetAnswer_ = folder_.filePath("c.pdf");
  Click(save), Settle();
  QFile pdf(sheetAnswer_);
  ASSERT_TRUE(pdf.open(QIODevice::ReadOnly));
  EXPECT_TRUE(pdf.read(5) == "%PDF-");
  EXPECT_EQ(Label("status"), sheetAnswer_ + " に保存しました");
  sheetAnswer_ = folder_.filePath("d.pdf");
  ASSERT_TRUE(QDir(folder_.path()).mkdir("d.pdf"));
  Click(save), Settle();
  EXPECT_EQ(std::pair(Label("status").endsWith("に保存できません: フォルダーです"), texts_.size()),
            std::pair(true, std::size_t{0}));
}

}  // namespace
}  // namespace fretwise::test
