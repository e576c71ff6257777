// The window's files as a user may name them: an opened document keeps its bytes, and a FIFO, a
// device, a directory or a broken settings file gives one message box at once and loses nothing.
#include <sys/stat.h>

#include <QDir>
#include <QFile>
#include <span>

#include "app/commands.h"
#include "support/app_rig.h"

namespace fretwise::test {
namespace {

QByteArray Bytes(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

void Write(const QString& path, const QByteArray& bytes) {
  QFile file(path);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  file.write(bytes);
}

// What kind of file a path names, and its bytes when it is a regular file.
QByteArray State(const QString& path) {
  struct stat status {};
  const mode_t type = ::lstat(QFile::encodeName(path), &status) == 0 ? status.st_mode & S_IFMT : 0;
  return QByteArray::number(type) + (type == S_IFREG ? " " + Bytes(path) : "");
}

using OddPath = std::pair<const char*, std::function<void(const QString&)>>;
const OddPath kOddPaths[] = {
    {"fifo", [](const QString& p) { ASSERT_EQ(::mkfifo(QFile::encodeName(p), 0600), 0); }},
    {"device", [](const QString& p) { ASSERT_TRUE(QFile::link("/dev/zero", p)); }},
    {"directory", [](const QString& p) { ASSERT_TRUE(QDir().mkpath(p)); }},
    {"binary junk", [](const QString& p) {
       static constexpr char kJunk[] = "\x00\xff[Recent File List]\nFile1=\x01\x80";
       Write(p, QByteArray(kJunk, sizeof kJunk) + QByteArray(200, '\x9c'));
     }}};

using WindowFiles = AppRig;

TEST_F(WindowFiles, SavingAnOpenedFileLeavesItsBytes) {
  const QString notes = folder_.filePath("notes.txt"), other = folder_.filePath("other.txt");
  Write(notes, "my notes\n");
  Write(other, "other\n");
  ASSERT_TRUE(Start({notes}));
  Key("Ctrl+S");
  dialogs_.openAnswer = other;
  Key("Ctrl+O");
  Key("Ctrl+S");
  EXPECT_EQ(Bytes(notes) + Bytes(other) + QByteArray::number(dialogs_.saves), "my notes\nother\n0");
  Key("Ctrl+N");  // a name chosen in the save dialog (which asked before replacing) is emptied
  dialogs_.saveAnswer = notes;
  Key("Ctrl+S");
  EXPECT_EQ(Bytes(notes), "");
}

// Opening one fails at once, and so does saving to it unless it is a device, written in place.
TEST_F(WindowFiles, OddDocumentPathsAreRefusedAtOnceAndKept) {
  for (const auto& [name, make] : std::span(kOddPaths).first(3)) {
    SCOPED_TRACE(name);
    const QString path = folder_.filePath(name);
    make(path);
    const QByteArray before = State(path);
    EXPECT_FALSE(Start({path}));
    EXPECT_TRUE(app_->startupError().contains("を開けません"));
    ASSERT_TRUE(Start());
    boxes_->texts.clear();
    dialogs_.openAnswer = dialogs_.saveAnswer = path;
    Key("Ctrl+O");
    app_->OnCommand(app::kFileSave);  // a FIFO no one reads is refused, not waited for
    Settle();
    const bool device = name == std::string_view("device");
    ASSERT_EQ(boxes_->texts.size(), device ? 1u : 2u);
    EXPECT_NE(boxes_->texts[0].find("を開けません"), std::string::npos) << boxes_->texts[0];
    EXPECT_TRUE(device || boxes_->texts[1].find("に保存できません") != std::string::npos);
    EXPECT_EQ(app_->document().GetPathName().isEmpty(), !device);
    EXPECT_EQ(State(path), before);
  }
}

TEST_F(WindowFiles, BadSettingsGiveOneBoxAnEmptyListAndStayAsTheyAre) {
  const QString folder = folder_.filePath("Local AppWizard-Generated Applications");
  const QString settings = folder + "/Fretwise.conf", song = folder_.filePath("song.fretw");
  ASSERT_TRUE(QDir().mkpath(folder));
  Write(song, "");
  for (const auto& [name, make] : kOddPaths) {
    SCOPED_TRACE(name);
    make(settings);
    const QByteArray before = State(settings);
    boxes_->texts.clear();
    ASSERT_TRUE(Start());
    ASSERT_EQ(boxes_->texts.size(), 1u);
    EXPECT_NE(boxes_->texts[0].find("設定ファイル"), std::string::npos) << boxes_->texts[0];
    EXPECT_TRUE(app_->recentFiles().entries().isEmpty());
    dialogs_.openAnswer = song;
    app_->OnFileOpen();
    EXPECT_EQ(app_->recentFiles().entries().size(), 1) << "kept for this run";
    app_.reset();
    EXPECT_EQ(State(settings), before);
    QFile::remove(settings);
    QDir(settings).removeRecursively();
  }
}

}  // namespace
}  // namespace fretwise::test
