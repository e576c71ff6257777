// The window's files as a user may name them: save and open name the document and fill the recent
// list, an opened document keeps its bytes, and a FIFO, a device, a directory or a broken settings
// file gives one message box at once and loses nothing.
#include <sys/stat.h>

#include <QDir>
#include <QFile>
#include <QSettings>

#include "app/commands.h"
#include "support/app_rig.h"
#include "support/tool_run.h"

namespace fretwise::test {
namespace {

// A regular file's bytes, or else what kind of file the path names.
QByteArray State(const QString& path) {
  struct stat status {};
  QFile file(path);
  const bool regular = ::lstat(QFile::encodeName(path), &status) == 0 && S_ISREG(status.st_mode);
  return regular && file.open(QIODevice::ReadOnly) ? file.readAll()
                                                   : "mode " + QByteArray::number(status.st_mode);
}

bool MakeOdd(const QString& kind, const QString& path) {
  static constexpr char kJunk[] = "\x00\xff[Recent File List]\nFile1=\x01\x80";
  QFile junk(path);
  return kind == "fifo"     ? ::mkfifo(QFile::encodeName(path), 0600) == 0
         : kind == "device" ? QFile::link("/dev/zero", path)
         : kind == "directory"
             ? QDir().mkpath(path)
             : junk.open(QIODevice::WriteOnly) &&
                   junk.write(QByteArray(kJunk, sizeof kJunk) + QByteArray(200, '\x9c'));
}

using WindowFiles = AppRig;

// The command line names one document, which must exist. Save asks for a name only while the
// document has none and writes nothing over the file it was opened from; a failed save says why
// and changes nothing. The recent list keeps the four newest opened or saved, newest first.
TEST_F(WindowFiles, SaveAndOpenNameTheDocumentKeepAnOpenedFilesBytesAndListTheFourNewest) {
  const QString notes = Write("notes.txt", "my notes\n");
  EXPECT_FALSE(Start({notes, notes})) << "two files";
  EXPECT_FALSE(Start({folder_.filePath("missing.fretw")}));
  EXPECT_TRUE(app_->m_pMainWnd == nullptr && QApplication::topLevelWidgets().isEmpty());
  const ToolRun fretwise = Tool({"/no/such/chord.fretw"}, {.program = FRETWISE_PROGRAM});
  EXPECT_TRUE(fretwise.status == 1 &&
              fretwise.err.contains("Fretwise: ファイル \"/no/such/chord.fretw\" を開けません"))
      << fretwise.err.toStdString();  // the program itself: one line and status 1

  ASSERT_TRUE(Start({notes}));
  Key("Ctrl+S");
  EXPECT_EQ(State(notes) + QByteArray::number(saves_), "my notes\n0");
  app_->OnCommand(app::kFileNew);
  saveAnswer_ = folder_.filePath("no such folder/chord.fretw");
  app_->OnCommand(app::kFileSave);
  const std::string start = "ファイル \"" + saveAnswer_.toStdString() + "\" に保存できません: ";
  EXPECT_TRUE(texts_.size() == 1 && texts_[0].starts_with(start) && texts_[0].size() > start.size())
      << testing::PrintToString(texts_) << " (a reason follows)";
  EXPECT_TRUE(app_->document().GetPathName().isEmpty());
  EXPECT_EQ(app_->recentFiles().entries(), QStringList{notes});
  saveAnswer_ = notes;  // chosen in the save dialog, which asked before replacing it
  for (int i = 0; i < 2; ++i) app_->OnCommand(app::kFileSave);
  EXPECT_EQ(State(notes) + QByteArray::number(saves_), "2") << "emptied; asked once";
  EXPECT_EQ(frame().windowTitle().toStdString(), "notes.txt - Fretwise") << "until a repaint";

  QStringList paths;
  for (int i = 0; i < 6; ++i) paths << Write(QString("f%1").arg(i), "other\n");
  Click(Button(app::kNextCandidate));
  for (int i : {0, 1, 2, 3, 4, 5, 3}) openAnswer_ = paths[i], app_->OnCommand(app::kFileOpen);
  EXPECT_EQ(app_->document().GetPathName(), paths[3]);
  EXPECT_EQ(state().m_windowIndex, 1) << "opening repaints: the first candidate again";
  EXPECT_EQ(frame().windowTitle().toStdString(), "Fretwise by Arkelos");
  app_->OnCommand(app::kFileSave);
  EXPECT_EQ(State(paths[3]) + QByteArray::number(saves_), "other\n2");
  app_->OnCommand(app::kFileNew), saveAnswer_ = paths[0], app_->OnCommand(app::kFileSave);
  QStringList recent;  // as the settings keep it
  for (int i = 1; i <= 5; ++i)
    recent << QSettings().value(QString("Recent File List/File%1").arg(i)).toString();
  EXPECT_EQ(recent, (QStringList{paths[0], paths[3], paths[5], paths[4], ""}));
}

// A file where the settings' folder should be: the first open, which saves the recent list, says
// in one box that it cannot; the list is kept for the run.
TEST_F(WindowFiles, ARecentListThatCannotBeSavedSaysSoOnceAndIsKeptForTheRun) {
  ASSERT_TRUE(Start());
  const QString settings = Write("Local AppWizard-Generated Applications") + "/Fretwise.conf";
  for (const char* name : {"a", "b"}) openAnswer_ = Write(name), app_->OnCommand(app::kFileOpen);
  ASSERT_EQ(std::pair(texts_.size(), app_->recentFiles().entries().size()), std::pair(1ul, 2ll));
  EXPECT_TRUE(
      texts_[0].starts_with("設定ファイル \"" + settings.toStdString() + "\" に書き込めません"));
}

// As the settings, each odd file gives one box and an empty recent list that is kept for the run,
// and stays as it is. As the document (the junk, a regular file, opens), opening one fails at
// once, and so does saving to it unless it is a device, written in place.
TEST_F(WindowFiles, OddFilesAsSettingsOrDocumentGiveOneBoxAtOnceAndStayAsTheyAre) {
  const QString folder = folder_.filePath("Local AppWizard-Generated Applications");
  const QString settings = folder + "/Fretwise.conf", song = Write("song.fretw");
  ASSERT_TRUE(QDir().mkpath(folder));
  for (const QString kind : {"fifo", "device", "directory", "binary junk"}) {
    SCOPED_TRACE(kind.toStdString());
    const QString document = folder_.filePath(kind);
    ASSERT_TRUE(MakeOdd(kind, settings) && MakeOdd(kind, document));
    const QByteArray before = State(settings) + State(document);
    const bool junk = kind == "binary junk", device = kind == "device";
    EXPECT_TRUE(junk || (!Start({document}) && app_->startupError().contains("を開けません")));
    texts_.clear();
    ASSERT_TRUE(Start());
    EXPECT_TRUE(app_->recentFiles().entries().isEmpty());
    openAnswer_ = saveAnswer_ = document;
    if (!junk) app_->OnCommand(app::kFileOpen), app_->OnCommand(app::kFileSave), Settle();
    ASSERT_EQ(texts_.size(), junk ? 1u : device ? 2u : 3u);
    EXPECT_NE(texts_[0].find("設定ファイル"), std::string::npos) << texts_[0];
    EXPECT_TRUE(junk || texts_[1].find("を開けません") != std::string::npos);
    EXPECT_TRUE(junk || device || texts_[2].find("に保存できません") != std::string::npos);
    EXPECT_EQ(app_->document().GetPathName().isEmpty(), !device);
    openAnswer_ = song, app_->OnFileOpen();
    EXPECT_EQ(app_->recentFiles().entries().size(), device ? 2 : 1) << "kept for this run";
    app_.reset();
    EXPECT_EQ(State(settings) + State(document), before);
    QFile::remove(settings) || QDir(settings).removeRecursively();
  }
}

}  // namespace
}  // namespace fretwise::test
