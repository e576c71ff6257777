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
#include <QTest>
#include <QTimer>

#include "app/commands.h"
#include "support/app_rig.h"

namespace fretwise::test {
namespace {

using Window = AppRig;
using Texts = std::vector<std::string>;

constexpr QRgb kBlackPixel = 0xFF000000, kWhitePixel = 0xFFFFFFFF, kRedPixel = 0xFFFF0000;

// Probes of the C4 E4 G4 drawing: the head of C4, the dot under fret 5, and the mark of string 2
// at fret 8 (first candidate) and of string 3 at fret 12 (second).
constexpr QPoint kHeadOfC4(60, 194), kDotUnderFret5(329, 332);
constexpr QPoint kMarkAtFret8(418, 215), kMarkAtFret12(538, 240);

QString MakeFile(const QTemporaryDir& dir, const QString& name) {
  QFile file(dir.filePath(name));
  EXPECT_TRUE(file.open(QIODevice::WriteOnly));
  return QFileInfo(file).absoluteFilePath();
}

TEST_F(Window, OpensAt800By480WithTheButtonsAndABoxForEveryNote) {
  ASSERT_TRUE(Start());
  EXPECT_EQ(frame().frameGeometry().size(), QSize(800, 480));
  EXPECT_EQ(frame().findChild<QStatusBar*>(), nullptr);
  EXPECT_EQ(frame().windowTitle().toStdString(), "Fretwise by Arkelos");
  Texts buttons;
  for (int command : {app::kShowNotes, app::kPlay, app::kClear, app::kNextCandidate}) {
    const QRect g = Button(command)->geometry();
    buttons.push_back(Button(command)->text().toStdString() + " " + std::to_string(g.top()));
    EXPECT_EQ(g.left(), 25);
  }
  EXPECT_EQ(buttons, (Texts{"音符を表示 265", "再生 295", "クリア 325", "次の候補 355"}));
  QWidget* focus = Box(0);
  for (int slot : kScanOrder) {
    if (slot == 0) continue;
    const SlotInfo& s = kSlots[slot];
    ASSERT_NE(Box(slot), nullptr);
    EXPECT_EQ(Box(slot)->text().toStdString(), s.caption);
    EXPECT_EQ(Box(slot)->geometry(),
              QRect(QPoint(s.rect.left, s.rect.top), QPoint(s.rect.right - 1, s.rect.bottom - 1)));
  }
  for (int slot : {1, 3, 4, 6, 7}) EXPECT_EQ(focus = focus->nextInFocusChain(), Box(slot));
}

TEST_F(Window, ShowNotesNextCandidateAndARepaintStartingAgain) {
  ASSERT_TRUE(Start());
  Tick({16, 22, 26});
  EXPECT_EQ(ScreenPixel(kHeadOfC4.x(), kHeadOfC4.y()), kWhitePixel) << "ticking draws nothing";
  Click(Button(app::kShowNotes));
  EXPECT_EQ(ScreenPixel(kHeadOfC4.x(), kHeadOfC4.y()), kBlackPixel);
  EXPECT_EQ(ScreenPixel(kDotUnderFret5.x(), kDotUnderFret5.y()), kRedPixel);
  EXPECT_EQ(ScreenPixel(kMarkAtFret8.x(), kMarkAtFret8.y()), kBlackPixel);
  Click(Button(app::kNextCandidate));
  EXPECT_EQ(ScreenPixel(kMarkAtFret8.x(), kMarkAtFret8.y()), kWhitePixel);
  EXPECT_EQ(ScreenPixel(kMarkAtFret12.x(), kMarkAtFret12.y()), kBlackPixel);

  Click(Box(0));  // hover, focus and toggle paint the view, but only copy the canvas
  Click(Box(0));
  Settle();
  EXPECT_EQ(ScreenPixel(kMarkAtFret12.x(), kMarkAtFret12.y()), kBlackPixel);
  frame().resize(820, 500);
  Settle();
  EXPECT_EQ(ScreenPixel(kMarkAtFret8.x(), kMarkAtFret8.y()), kBlackPixel);
  EXPECT_EQ(ScreenPixel(12, 80), kBlackPixel) << "the legend's bar";
  Click(Button(app::kNextCandidate));
  QExposeEvent restored(QRegion(frame().rect()));  // as a restore or an uncover sends
  QCoreApplication::sendEvent(frame().windowHandle(), &restored);
  Settle();
  EXPECT_EQ(ScreenPixel(kMarkAtFret8.x(), kMarkAtFret8.y()), kBlackPixel);
}

TEST_F(Window, ClearUnticksAndPlaySoundsTheNotesShownBefore) {
  ASSERT_TRUE(Start());
  Tick({16, 22, 26});
  Click(Button(app::kShowNotes));
  Click(Button(app::kClear));
  for (QCheckBox* box : view().findChildren<QCheckBox*>()) EXPECT_FALSE(box->isChecked());
  EXPECT_EQ(ScreenPixel(kHeadOfC4.x(), kHeadOfC4.y()), kBlackPixel);
  Click(Button(app::kPlay));
  EXPECT_EQ(sound_.Audible(), (Texts{".\\wav\\4\\C2.wav", ".\\wav\\3\\E2.wav", ".\\wav\\2\\G2.wav"}));
}

TEST_F(Window, TheMenuAndTheKeysReachTheCommandsTheyName) {
  ASSERT_TRUE(Start());
  Texts menu;
  for (QAction* top : frame().menuBar()->actions()) {
    menu.push_back(top->text().toStdString());
    for (QAction* item : top->menu()->actions()) menu.push_back(item->text().toStdString());
  }
  EXPECT_EQ(menu, (Texts{"ﾌｧｲﾙ(&F)", "ｱﾌﾟﾘｹｰｼｮﾝの終了(&X) Ctrl+Q", "ﾍﾙﾌﾟ(&H)",
                         "ﾊﾞｰｼﾞｮﾝ情報(Fretwise) (&A)..."}));
  Tick({16, 22, 26});
  Click(Button(app::kShowNotes));
  Click(Button(app::kNextCandidate));
  const QImage before = view().canvas();
  MessageCloser messages;
  for (const char* keys : {"Ctrl+C", "Ctrl+V", "Shift+Del", "Alt+Backspace", "F6"})
    QTest::keySequence(&frame(), QKeySequence(keys));
  Settle();
  EXPECT_EQ(view().canvas(), before) << "edit and pane keys change nothing";
  EXPECT_EQ(state().m_windowIndex, 4);
  QTest::keySequence(&frame(), QKeySequence("Ctrl+N"));
  Settle();
  EXPECT_EQ(state().m_windowIndex, 3) << "a new document repaints";
  QTest::keySequence(&frame(), QKeySequence("Ctrl+O"));
  QTest::keySequence(&frame(), QKeySequence("Ctrl+S"));
  EXPECT_EQ(std::pair(dialogs_.opens, dialogs_.saves), std::pair(1, 1));
  EXPECT_TRUE(messages.texts.empty());
  for (int way = 0; way < 2; ++way) {  // the key, then the menu item
    ASSERT_TRUE(way == 0 || Start());
    if (way == 0) QTest::keySequence(&frame(), QKeySequence("Ctrl+Q"));
    if (way == 1) frame().menuBar()->actions()[0]->menu()->actions()[0]->trigger();
    Settle();
    EXPECT_FALSE(frame().isVisible()) << way;
  }
  EXPECT_EQ(dialogs_.saves, 1) << "exit never asks to save";
}

// Rewriting the file empty is tested with the other files; here, what the window shows.
TEST_F(Window, SaveAsksForANameOnceAndTheTitleNamesTheFile) {
  ASSERT_TRUE(Start());
  dialogs_.saveAnswer = settings_.filePath("chord.fretw");
  for (int i = 0; i < 2; ++i) QTest::keySequence(&frame(), QKeySequence("Ctrl+S"));
  EXPECT_EQ(dialogs_.saves, 1) << "no second question";
  EXPECT_EQ(app_->document().GetPathName(), QFileInfo(dialogs_.saveAnswer).absoluteFilePath());
  EXPECT_EQ(frame().windowTitle().toStdString(), "chord.fretw - Fretwise") << "until a repaint";
}

TEST_F(Window, AFailedSaveNamesTheFileAndTheReasonAndChangesNothing) {
  ASSERT_TRUE(Start());
  dialogs_.saveAnswer = settings_.filePath("no such folder/chord.fretw");
  MessageCloser messages;
  QTest::keySequence(&frame(), QKeySequence("Ctrl+S"));
  Settle();
  ASSERT_EQ(messages.texts.size(), 1u);
  const std::string start =
      "ファイル \"" + dialogs_.saveAnswer.toStdString() + "\" に保存できません: ";
  EXPECT_TRUE(messages.texts[0].starts_with(start)) << messages.texts[0];
  EXPECT_GT(messages.texts[0].size(), start.size()) << "a reason follows";
  EXPECT_TRUE(app_->document().GetPathName().isEmpty());
  EXPECT_TRUE(app_->recentFiles().entries().isEmpty());
}

TEST_F(Window, OpenNamesTheDocumentAndTheRecentListKeepsFourNewestFirst) {
  ASSERT_TRUE(Start());
  QStringList paths;
  for (int i = 0; i < 6; ++i) paths << MakeFile(settings_, QString("f%1").arg(i));
  Click(Button(app::kNextCandidate));
  for (int i : {0, 1, 2, 3, 4, 5, 3}) {
    dialogs_.openAnswer = paths[i];
    QTest::keySequence(&frame(), QKeySequence("Ctrl+O"));
  }
  Settle();
  EXPECT_EQ(app_->document().GetPathName(), paths[3]);
  EXPECT_EQ(state().m_windowIndex, 1) << "opening repaints: the first candidate again";
  QSettings settings;
  settings.beginGroup("Recent File List");
  QStringList recent;
  for (const QString& key : settings.childKeys()) recent << key + "=" + settings.value(key).toString();
  EXPECT_EQ(recent, (QStringList{"File1=" + paths[3], "File2=" + paths[5], "File3=" + paths[4],
                                 "File4=" + paths[2]}));
  EXPECT_EQ(frame().windowTitle().toStdString(), "Fretwise by Arkelos");
}

TEST_F(Window, TheCommandLineNamesOneDocumentWithoutReadingIt) {
  const QString path = MakeFile(settings_, "named.fretw");
  ASSERT_TRUE(Start({path}));
  EXPECT_EQ(app_->document().GetPathName(), path);
  app_.reset();
  EXPECT_FALSE(Start({path, MakeFile(settings_, "second.fretw")})) << "two files";
  EXPECT_FALSE(Start({settings_.filePath("missing.fretw")}));
  EXPECT_EQ(app_->m_pMainWnd, nullptr);
  EXPECT_TRUE(app_->startupError().contains("missing.fretw"));
  EXPECT_TRUE(QApplication::topLevelWidgets().isEmpty());
}

TEST(Program, AMissingFileOnTheCommandLineIsOneLineAndStatusOne) {
  QProcess fretwise;
  QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
  environment.insert("QT_QPA_PLATFORM", "offscreen");
  fretwise.setProcessEnvironment(environment);
  fretwise.start(FRETWISE_PROGRAM, {"/no/such/chord.fretw"});
  ASSERT_TRUE(fretwise.waitForFinished(10000));
  EXPECT_EQ(fretwise.exitCode(), 1);
  const QString error = QString::fromUtf8(fretwise.readAllStandardError());
  EXPECT_TRUE(error.contains("Fretwise: ファイル \"/no/such/chord.fretw\" を開けません"))
      << error.toStdString();
}

TEST_F(Window, TheVersionDialogIsModalAndClosesByEscape) {
  ASSERT_TRUE(Start());
  QString title, first;
  bool modal = false;
  QTimer::singleShot(50, [&] {
    auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
    ASSERT_NE(dialog, nullptr);
    modal = dialog->isModal() && dialog->findChild<QPushButton*>()->isDefault();
    title = dialog->windowTitle();
    first = dialog->findChildren<QLabel*>()[1]->text();
    QTest::keyClick(dialog, Qt::Key_Escape);
  });
  frame().menuBar()->actions()[1]->menu()->actions()[0]->trigger();
  EXPECT_TRUE(modal);
  EXPECT_EQ((title + " / " + first).toStdString(),
            "ﾊﾞｰｼﾞｮﾝ情報(Fretwise) / Fretwise Version 1.0");
  EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

TEST_F(Window, TheIconIsAStaffWithANoteInBothSizes) {
  ASSERT_TRUE(Start());
  const QList<QSize> sizes = frame().windowIcon().availableSizes();
  EXPECT_TRUE(sizes.contains(QSize(16, 16)) && sizes.contains(QSize(32, 32)));
  const QImage large = frame().windowIcon().pixmap(32, 32).toImage();
  EXPECT_EQ(std::tuple(large.pixel(0, 4), large.pixel(31, 4), large.pixel(16, 7), large.pixel(2, 7)),
            std::tuple(kBlackPixel, kBlackPixel, kBlackPixel, kWhitePixel))
      << "a staff line across the full width and a note head at the centre";
}

}  // namespace
}  // namespace fretwise::test
