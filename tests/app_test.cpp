// The Fretwise window driven headless as a user meets it: the panel, its commands and what the
// screen shows after each, the menu and keys, the document, and start-up.
#include <QDialog>
#include <QExposeEvent>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QMenuBar>
#include <QProcess>
#include <QSettings>
#include <QStatusBar>
#include <QWindow>

#include "app/commands.h"
#include "support/app_rig.h"

namespace fretwise::test {
namespace {

using Window = AppRig;
using Texts = std::vector<std::string>;

// Probes of the C4 E4 G4 drawing: the head of C4, the dot under fret 5, and the mark of string 2
// at fret 8 (first candidate) and of string 3 at fret 12 (second).
constexpr QPoint kHeadOfC4(60, 194), kDotUnderFret5(329, 332);
constexpr QPoint kMarkAtFret8(418, 215), kMarkAtFret12(538, 240);

QString MakeFile(const QTemporaryDir& dir, const QString& name) {
  QFile file(dir.filePath(name));
  EXPECT_TRUE(file.open(QIODevice::WriteOnly));
  return QFileInfo(file).absoluteFilePath();
}

TEST_F(Window, OpensAt800By480WithItsMenuButtonsAndABoxForEveryNote) {
  ASSERT_TRUE(Start());
  EXPECT_EQ(frame().frameGeometry().size(), QSize(800, 480));
  EXPECT_EQ(frame().findChild<QStatusBar*>(), nullptr);
  EXPECT_EQ(frame().windowTitle().toStdString(), "Fretwise by Arkelos");
  Texts shown;
  for (QAction* top : frame().menuBar()->actions()) {
    shown.push_back(top->text().toStdString());
    for (QAction* item : top->menu()->actions()) shown.push_back(item->text().toStdString());
  }
  for (int command : {app::kShowNotes, app::kPlay, app::kClear, app::kNextCandidate}) {
    const QRect g = Button(command)->geometry();
    shown.push_back(Button(command)->text().toStdString() + " " + std::to_string(g.left()) + "," +
                    std::to_string(g.top()));
  }
  EXPECT_EQ(shown, (Texts{"ﾌｧｲﾙ(&F)", "ｱﾌﾟﾘｹｰｼｮﾝの終了(&X) Ctrl+Q", "ﾍﾙﾌﾟ(&H)",
                          "ﾊﾞｰｼﾞｮﾝ情報(Fretwise) (&A)...", "音符を表示 25,265", "再生 25,295",
                          "クリア 25,325", "次の候補 25,355"}));
  QWidget* focus = Box(0);
  for (int slot : kScanOrder) {
    const SlotInfo& s = kSlots[slot];
    ASSERT_NE(Box(slot), nullptr);
    EXPECT_EQ(Box(slot)->text().toStdString(), s.caption);
    EXPECT_EQ(Box(slot)->geometry(),
              QRect(QPoint(s.rect.left, s.rect.top), QPoint(s.rect.right - 1, s.rect.bottom - 1)));
  }
  for (int slot : {1, 3, 4, 6, 7}) EXPECT_EQ(focus = focus->nextInFocusChain(), Box(slot));
}

TEST_F(Window, ShowNotesNextCandidateClearPlayAndARepaintStartingAgain) {
  ASSERT_TRUE(Start());
  Tick({16, 22, 26});
  EXPECT_EQ(Screen({kHeadOfC4}), "w") << "ticking draws nothing";
  Click(Button(app::kShowNotes));
  EXPECT_EQ(Screen({kHeadOfC4, kDotUnderFret5, kMarkAtFret8, kMarkAtFret12}), "brbw");
  Click(Button(app::kNextCandidate));
  EXPECT_EQ(Screen({kMarkAtFret8, kMarkAtFret12}), "wb");

  Click(Box(0));  // hover, focus and toggle paint the view, but only copy the canvas
  Click(Box(0));
  Settle();
  EXPECT_EQ(Screen({kMarkAtFret12}), "b");
  frame().resize(820, 500);
  Settle();
  EXPECT_EQ(Screen({kMarkAtFret8, {12, 80}}), "bb") << "the first candidate, and the legend's bar";
  Click(Button(app::kNextCandidate));
  QExposeEvent restored(QRegion(frame().rect()));  // as a restore or an uncover sends
  QCoreApplication::sendEvent(frame().windowHandle(), &restored);
  Settle();
  EXPECT_EQ(Screen({kMarkAtFret8}), "b");

  Click(Button(app::kClear));
  for (QCheckBox* box : view().findChildren<QCheckBox*>()) EXPECT_FALSE(box->isChecked());
  EXPECT_EQ(Screen({kHeadOfC4}), "b") << "clear draws nothing";
  Click(Button(app::kPlay));
  EXPECT_EQ(sound_.Audible(),
            (Texts{".\\wav\\4\\C2.wav", ".\\wav\\3\\E2.wav", ".\\wav\\2\\G2.wav"}));

  frame().resize(4000, 3000);
  Settle();
  EXPECT_TRUE(view().canvas().width() <= 920 && view().canvas().height() <= 600)
      << "no canvas past what the view draws";
  EXPECT_EQ(Screen({kHeadOfC4, {3000, 2000}}), "ww") << "a repaint, and beyond the drawing";
}

TEST_F(Window, TheMenuAndTheKeysReachTheCommandsTheyName) {
  ASSERT_TRUE(Start());
  Tick({16, 22, 26});
  Click(Button(app::kShowNotes));
  Click(Button(app::kNextCandidate));
  const QImage before = view().canvas();
  for (const char* keys : {"Ctrl+C", "Ctrl+V", "Shift+Del", "Alt+Backspace", "F6"}) Key(keys);
  EXPECT_EQ(view().canvas(), before) << "edit and pane keys change nothing";
  EXPECT_EQ(state().m_windowIndex, 4);
  Key("Ctrl+N");
  EXPECT_EQ(state().m_windowIndex, 3) << "a new document repaints";
  Key("Ctrl+O");
  Key("Ctrl+S");
  EXPECT_EQ(std::pair(dialogs_.opens, dialogs_.saves), std::pair(1, 1));
  for (int way = 0; way < 2; ++way) {  // the key, then the menu item
    ASSERT_TRUE(way == 0 || Start());
    if (way == 0) Key("Ctrl+Q");
    if (way == 1) frame().menuBar()->actions()[0]->menu()->actions()[0]->trigger();
    Settle();
    EXPECT_FALSE(frame().isVisible()) << way;
  }
  EXPECT_EQ(dialogs_.saves, 1) << "exit never asks to save";
  EXPECT_TRUE(boxes_->texts.empty());
}

TEST_F(Window, SaveAsksForANameOnceAndAFailedSaveSaysWhyAndChangesNothing) {
  ASSERT_TRUE(Start());
  dialogs_.saveAnswer = folder_.filePath("no such folder/chord.fretw");
  Key("Ctrl+S");
  ASSERT_EQ(boxes_->texts.size(), 1u);
  const std::string start =
      "ファイル \"" + dialogs_.saveAnswer.toStdString() + "\" に保存できません: ";
  EXPECT_TRUE(boxes_->texts[0].starts_with(start)) << boxes_->texts[0];
  EXPECT_GT(boxes_->texts[0].size(), start.size()) << "a reason follows";
  EXPECT_TRUE(app_->document().GetPathName().isEmpty());
  EXPECT_TRUE(app_->recentFiles().entries().isEmpty());

  dialogs_.saveAnswer = folder_.filePath("chord.fretw");
  for (int i = 0; i < 2; ++i) app_->OnCommand(app::kFileSave);
  EXPECT_EQ(dialogs_.saves, 2) << "no question once the file has a name";
  EXPECT_EQ(app_->document().GetPathName(), QFileInfo(dialogs_.saveAnswer).absoluteFilePath());
  EXPECT_EQ(frame().windowTitle().toStdString(), "chord.fretw - Fretwise") << "until a repaint";
}

TEST_F(Window, OpenNamesTheDocumentAndTheRecentListKeepsFourNewestFirst) {
  ASSERT_TRUE(Start());
  QStringList paths;
  for (int i = 0; i < 6; ++i) paths << MakeFile(folder_, QString("f%1").arg(i));
  Click(Button(app::kNextCandidate));
  for (int i : {0, 1, 2, 3, 4, 5, 3}) {
    dialogs_.openAnswer = paths[i];
    Key("Ctrl+O");
  }
  EXPECT_EQ(app_->document().GetPathName(), paths[3]);
  EXPECT_EQ(state().m_windowIndex, 1) << "opening repaints: the first candidate again";
  QSettings settings;
  settings.beginGroup("Recent File List");
  QStringList recent;
  for (const QString& key : settings.childKeys())
    recent << key + "=" + settings.value(key).toString();
  EXPECT_EQ(recent, (QStringList{"File1=" + paths[3], "File2=" + paths[5], "File3=" + paths[4],
                                 "File4=" + paths[2]}));
  EXPECT_EQ(frame().windowTitle().toStdString(), "Fretwise by Arkelos");
}

TEST_F(Window, TheCommandLineNamesOneDocumentWithoutReadingIt) {
  const QString path = MakeFile(folder_, "named.fretw");
  ASSERT_TRUE(Start({path}));
  EXPECT_EQ(app_->document().GetPathName(), path);
  app_.reset();
  EXPECT_FALSE(Start({path, MakeFile(folder_, "second.fretw")})) << "two files";
  EXPECT_FALSE(Start({folder_.filePath("missing.fretw")}));
  EXPECT_EQ(app_->m_pMainWnd, nullptr);
  EXPECT_TRUE(app_->startupError().contains("missing.fretw"));
  EXPECT_TRUE(QApplication::topLevelWidgets().isEmpty());

  QProcess fretwise;  // the program itself: one line and status 1
  fretwise.start(FRETWISE_PROGRAM, {"/no/such/chord.fretw"});
  ASSERT_TRUE(fretwise.waitForFinished(10000));
  EXPECT_EQ(fretwise.exitCode(), 1);
  const QString error = QString::fromUtf8(fretwise.readAllStandardError());
  EXPECT_TRUE(error.contains("Fretwise: ファイル \"/no/such/chord.fretw\" を開けません"))
      << error.toStdString();
}

// A modal dialog with the window's own icon: a staff with a note, in both sizes.
TEST_F(Window, TheVersionDialogShowsTheWindowsIcon) {
  ASSERT_TRUE(Start());
  for (int i = 0; i < 2; ++i) {
    QString texts;
    QIcon shown;
    boxes_->beforeAnswer = [&] {
      auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
      ASSERT_TRUE(dialog && dialog->findChild<QPushButton*>()->isDefault());
      const QList<QLabel*> labels = dialog->findChildren<QLabel*>();
      texts = dialog->windowTitle() + " / " + labels[1]->text();
      EXPECT_FALSE(labels[0]->pixmap().isNull()) << "the icon beside the name";
      shown = dialog->windowIcon();
    };
    frame().menuBar()->actions()[1]->menu()->actions()[0]->trigger();
    EXPECT_EQ(texts.toStdString(), "ﾊﾞｰｼﾞｮﾝ情報(Fretwise) / Fretwise Version 1.0");
    EXPECT_EQ(shown.cacheKey(), frame().windowIcon().cacheKey());
  }
  const QList<QSize> sizes = frame().windowIcon().availableSizes();
  EXPECT_TRUE(sizes.contains(QSize(16, 16)) && sizes.contains(QSize(32, 32)));
  const QImage large = frame().windowIcon().pixmap(32, 32).toImage();
  EXPECT_EQ(
      std::tuple(large.pixel(0, 4), large.pixel(31, 4), large.pixel(16, 7), large.pixel(2, 7)),
      std::tuple(0xFF000000, 0xFF000000, 0xFF000000, 0xFFFFFFFF))
      << "a staff line across the full width and a note head at the centre";
}

// The exhaustion message against the repaints it causes: closing a box uncovers the window, and
// every repaint runs the whole show-notes pass, but shows the message only for a new selection
// and never under an open box.
TEST_F(Window, RepaintsShowTheMessageOncePerSelectionAndNeverUnderAnOpenBox) {
  ASSERT_TRUE(Start());
  auto repaint = [this] {
    frame().showMinimized(), Settle(), frame().showNormal();
    frame().resize(frame().width() + 7, frame().height() + 5);
    Settle();
  };
  Tick({48, 54, 58});  // the lowest row's ド ミ ソ: string 6 is taken by the tuned-down C
  Click(Button(app::kShowNotes));
  repaint();
  EXPECT_EQ(std::pair(boxes_->texts.size(), state().m_noteCount), std::pair(std::size_t{1}, 3));
  Tick({16, 63, 32, 35, 38, 39, 42});  // ten notes: no fingering, and play refuses them
  Click(Button(app::kShowNotes));
  boxes_->beforeAnswer = [&] { Click(Box(16)), repaint(); };
  Click(Button(app::kPlay));
  Settle();
  const std::string exhausted = "これ以上候補はありません";
  EXPECT_EQ(boxes_->texts, (Texts{exhausted, exhausted, "6個以上の音は鳴らせません"}));
  EXPECT_EQ(std::pair(boxes_->mostOpen, state().m_noteCount), std::pair(1, 9));
  repaint();
  EXPECT_EQ(boxes_->texts.size(), 4u) << "the selection painted under the box, at its next paint";
  app_->OnCommand(app::kFileNew);  // as Ctrl+N routes it: the paint after it shows it again
  repaint();
  EXPECT_EQ(boxes_->texts.size(), 5u);
}

}  // namespace
}  // namespace fretwise::test
