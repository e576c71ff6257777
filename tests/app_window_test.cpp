// The main window, its menu, keys and dialogs, and the document, as a user meets them.
#include <QDialog>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QMenuBar>
#include <QProcess>
#include <QSettings>
#include <QShortcut>
#include <QStatusBar>
#include <QTest>
#include <QTimer>

#include "app/commands.h"
#include "support/app_rig.h"

namespace fretwise::test {
namespace {

using Window = AppRig;

TEST_F(Window, OpensAt800By480WithItsMenuAndNoStatusBar) {
  ASSERT_TRUE(Start());
  EXPECT_EQ(frame().frameGeometry().size(), QSize(800, 480));
  EXPECT_EQ(frame().findChild<QStatusBar*>(), nullptr);
  EXPECT_EQ(frame().windowTitle().toStdString(), "Fretwise by Arkelos");

  std::vector<std::string> menu;
  for (QAction* top : frame().menuBar()->actions()) {
    menu.push_back(top->text().toStdString());
    for (QAction* item : top->menu()->actions()) menu.push_back("  " + item->text().toStdString());
  }
  EXPECT_EQ(menu, (std::vector<std::string>{"ﾌｧｲﾙ(&F)", "  ｱﾌﾟﾘｹｰｼｮﾝの終了(&X) Ctrl+Q", "ﾍﾙﾌﾟ(&H)",
                                            "  ﾊﾞｰｼﾞｮﾝ情報(Fretwise) (&A)..."}));
}

TEST_F(Window, BindsTheWholeAcceleratorTable) {
  ASSERT_TRUE(Start());
  QStringList keys;
  for (QShortcut* shortcut : frame().findChildren<QShortcut*>()) {
    keys << shortcut->key().toString(QKeySequence::PortableText);
  }
  EXPECT_EQ(keys, (QStringList{"Ctrl+C", "Ctrl+N", "Ctrl+O", "Ctrl+Q", "Ctrl+S", "Ctrl+V",
                               "Alt+Backspace", "Shift+Del", "F6", "Shift+F6", "Ctrl+Ins",
                               "Shift+Ins", "Ctrl+X"}));
}

TEST_F(Window, EditAndPaneKeysChangeNothing) {
  ASSERT_TRUE(Start());
  Tick({16, 22, 26});
  Click(Button(app::kShowNotes));
  Click(Button(app::kNextCandidate));
  const auto cursor = std::pair(state().m_windowIndex, state().m_stepIndex);
  const QImage before = view().canvas();
  MessageCloser messages;
  for (const QKeySequence& keys :
       {QKeySequence("Ctrl+C"), QKeySequence("Ctrl+X"), QKeySequence("Ctrl+V"),
        QKeySequence("Ctrl+Ins"), QKeySequence("Shift+Ins"), QKeySequence("Shift+Del"),
        QKeySequence("Alt+Backspace"), QKeySequence("F6"), QKeySequence("Shift+F6")}) {
    QTest::keySequence(&frame(), keys);
  }
  Settle();
  EXPECT_TRUE(frame().isVisible());
  EXPECT_EQ(std::pair(state().m_windowIndex, state().m_stepIndex), cursor);
  EXPECT_EQ(view().canvas(), before);
  EXPECT_TRUE(messages.texts.empty());
  EXPECT_EQ(dialogs_.opens + dialogs_.saves, 0);
}

TEST_F(Window, ExitByKeyMenuOrCloseBoxNeverAsksToSave) {
  for (int way = 0; way < 3; ++way) {
    SCOPED_TRACE(way);
    ASSERT_TRUE(Start());
    MessageCloser messages;
    if (way == 0) QTest::keySequence(&frame(), QKeySequence("Ctrl+Q"));
    if (way == 1) frame().menuBar()->actions()[0]->menu()->actions()[0]->trigger();
    if (way == 2) frame().close();
    Settle();
    EXPECT_FALSE(frame().isVisible());
    EXPECT_TRUE(messages.texts.empty());
    EXPECT_EQ(dialogs_.saves, 0);
  }
}

TEST_F(Window, SaveAsksForANameOnceThenRewritesAnEmptyFile) {
  ASSERT_TRUE(Start());
  const QString path = settings_.filePath("chord.fretw");
  dialogs_.saveAnswer = path;
  QTest::keySequence(&frame(), QKeySequence("Ctrl+S"));
  Settle();
  EXPECT_EQ(dialogs_.saves, 1);
  ASSERT_TRUE(QFileInfo::exists(path));
  EXPECT_EQ(QFileInfo(path).size(), 0);

  QFile junk(path);
  ASSERT_TRUE(junk.open(QIODevice::WriteOnly));
  junk.write("something");
  junk.close();
  QTest::keySequence(&frame(), QKeySequence("Ctrl+S"));
  Settle();
  EXPECT_EQ(dialogs_.saves, 1) << "no second question";
  EXPECT_EQ(QFileInfo(path).size(), 0);
  EXPECT_EQ(app_->document().GetPathName(), QFileInfo(path).absoluteFilePath());
}

TEST_F(Window, AFailedSaveShowsTheReasonAndChangesNothing) {
  ASSERT_TRUE(Start());
  dialogs_.saveAnswer = settings_.filePath("no such folder/chord.fretw");
  MessageCloser messages;
  QTest::keySequence(&frame(), QKeySequence("Ctrl+S"));
  Settle();
  ASSERT_EQ(messages.texts.size(), 1u);
  EXPECT_NE(messages.texts[0].find("no such folder/chord.fretw"), std::string::npos);
  EXPECT_TRUE(app_->document().GetPathName().isEmpty());
  EXPECT_TRUE(app_->recentFiles().entries().isEmpty());
}

TEST_F(Window, OpenNamesTheDocumentKeepsItInTheRecentListAndRepaints) {
  ASSERT_TRUE(Start());
  const QString path = settings_.filePath("song.fretw");
  QFile file(path);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  file.close();
  Tick({16, 22, 26});
  Click(Button(app::kShowNotes));
  Click(Button(app::kNextCandidate));
  ASSERT_EQ(state().m_windowIndex, 4);

  dialogs_.openAnswer = path;
  QTest::keySequence(&frame(), QKeySequence("Ctrl+O"));
  Settle();
  EXPECT_EQ(app_->document().GetPathName(), QFileInfo(path).absoluteFilePath());
  EXPECT_EQ(QSettings().value("Recent File List/File1").toString(),
            QFileInfo(path).absoluteFilePath());
  EXPECT_EQ(state().m_windowIndex, 3) << "the repaint shows the first candidate again";
  EXPECT_EQ(frame().windowTitle().toStdString(), "Fretwise by Arkelos");
}

TEST_F(Window, TheRecentListKeepsFourNewestFirst) {
  ASSERT_TRUE(Start());
  QStringList paths;
  for (int i = 0; i < 6; ++i) {
    paths << QFileInfo(settings_.filePath(QString("f%1").arg(i))).absoluteFilePath();
    QFile file(paths.back());
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    dialogs_.openAnswer = paths.back();
    QTest::keySequence(&frame(), QKeySequence("Ctrl+O"));
  }
  dialogs_.openAnswer = paths[3];
  QTest::keySequence(&frame(), QKeySequence("Ctrl+O"));
  Settle();
  QSettings settings;
  settings.beginGroup("Recent File List");
  EXPECT_EQ(settings.childKeys(), (QStringList{"File1", "File2", "File3", "File4"}));
  EXPECT_EQ(settings.value("File1").toString(), paths[3]);
  EXPECT_EQ(settings.value("File2").toString(), paths[5]);
  EXPECT_EQ(settings.value("File4").toString(), paths[2]);
  EXPECT_EQ(frame().menuBar()->actions()[0]->menu()->actions().size(), 1) << "never in the menu";
}

TEST_F(Window, NewRepaintsTheView) {
  ASSERT_TRUE(Start());
  Tick({16, 22, 26});
  Click(Button(app::kShowNotes));
  Click(Button(app::kNextCandidate));
  QTest::keySequence(&frame(), QKeySequence("Ctrl+N"));
  Settle();
  EXPECT_EQ(state().m_windowIndex, 3);
  EXPECT_TRUE(app_->document().GetPathName().isEmpty());
}

TEST_F(Window, TheCommandLineNamesTheDocumentWithoutReadingIt) {
  const QString path = settings_.filePath("named.fretw");
  QFile file(path);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  file.write("not read");
  file.close();
  ASSERT_TRUE(Start({path}));
  EXPECT_EQ(app_->document().GetPathName(), QFileInfo(path).absoluteFilePath());
}

TEST_F(Window, AMissingFileOnTheCommandLineEndsStartUpWithoutAWindow) {
  const QString path = settings_.filePath("missing.fretw");
  EXPECT_FALSE(Start({path}));
  EXPECT_EQ(app_->m_pMainWnd, nullptr);
  EXPECT_TRUE(app_->startupError().contains(path));
  EXPECT_TRUE(QApplication::topLevelWidgets().isEmpty());
}

TEST_F(Window, TheVersionDialogIsModalAndClosesByOkEscapeOrCloseBox) {
  ASSERT_TRUE(Start());
  for (int way = 0; way < 3; ++way) {
    SCOPED_TRACE(way);
    QString title, first;
    bool modal = false, okIsDefault = false;
    QTimer::singleShot(50, [&] {
      auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
      ASSERT_NE(dialog, nullptr);
      modal = dialog->isModal();
      title = dialog->windowTitle();
      first = dialog->findChildren<QLabel*>()[1]->text();
      okIsDefault = dialog->findChild<QPushButton*>()->isDefault();
      if (way == 0) dialog->findChild<QPushButton*>()->click();
      if (way == 1) QTest::keyClick(dialog, Qt::Key_Escape);
      if (way == 2) dialog->close();
    });
    QTimer safety;
    safety.singleShot(5000, [] {
      if (auto* w = QApplication::activeModalWidget()) w->close();
    });
    frame().menuBar()->actions()[1]->menu()->actions()[0]->trigger();
    EXPECT_TRUE(modal);
    EXPECT_TRUE(okIsDefault);
    EXPECT_EQ(title.toStdString(), "ﾊﾞｰｼﾞｮﾝ情報(Fretwise)");
    EXPECT_EQ(first.toStdString(), "Fretwise Version 1.0");
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    EXPECT_TRUE(frame().isVisible());
  }
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

TEST_F(Window, TheIconComesInBothSizes) {
  ASSERT_TRUE(Start());
  const QList<QSize> sizes = frame().windowIcon().availableSizes();
  EXPECT_TRUE(sizes.contains(QSize(16, 16)));
  EXPECT_TRUE(sizes.contains(QSize(32, 32)));
  const QImage large = frame().windowIcon().pixmap(32, 32).toImage();
  EXPECT_EQ(large.pixel(0, 4), 0xFF000000u) << "a staff line across the full width";
  EXPECT_EQ(large.pixel(31, 4), 0xFF000000u);
  EXPECT_EQ(large.pixel(16, 7), 0xFF000000u) << "a note head at the centre";
  EXPECT_EQ(large.pixel(2, 7), 0xFFFFFFFFu);
}

}  // namespace
}  // namespace fretwise::test
