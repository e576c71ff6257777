// The window's files as a user may name them: an opened document keeps its bytes, and a FIFO, a
// device, a directory or a broken settings file gives one message box at once and loses nothing.
#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
#include <QFile>

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

mode_t TypeOf(const QString& path) {
  struct stat status {};
  return ::lstat(QFile::encodeName(path), &status) == 0 ? status.st_mode & S_IFMT : 0;
}

// Each kind of path that is not a readable regular file.
using OddPath = std::pair<const char*, std::function<void(const QString&)>>;
const std::vector<OddPath> kOddPaths = {
    {"fifo", [](const QString& p) { ASSERT_EQ(::mkfifo(QFile::encodeName(p), 0600), 0); }},
    {"device", [](const QString& p) { ASSERT_TRUE(QFile::link("/dev/zero", p)); }},
    {"directory", [](const QString& p) { ASSERT_TRUE(QDir().mkpath(p)); }},
};

using WindowFiles = AppRig;

TEST_F(WindowFiles, SavingAnOpenedFileLeavesItsBytes) {
  Write(folder_.filePath("notes.txt"), "my notes\n");
  Write(folder_.filePath("other.txt"), "other\n");
  ASSERT_TRUE(Start({folder_.filePath("notes.txt")}));
  Key("Ctrl+S");
  EXPECT_EQ(Bytes(folder_.filePath("notes.txt")), "my notes\n");
  dialogs_.openAnswer = folder_.filePath("other.txt");
  Key("Ctrl+O");
  Key("Ctrl+S");
  EXPECT_EQ(Bytes(folder_.filePath("other.txt")), "other\n");
  EXPECT_EQ(dialogs_.saves, 0);
  Key("Ctrl+N");  // a name chosen in the save dialog (which asked before replacing) is emptied
  dialogs_.saveAnswer = folder_.filePath("notes.txt");
  Key("Ctrl+S");
  EXPECT_EQ(Bytes(folder_.filePath("notes.txt")), "");
}

// Opening one fails at once, and so does saving to it unless it is a device, written in place.
TEST_F(WindowFiles, OddDocumentPathsAreRefusedAtOnceAndKept) {
  for (const auto& [name, make] : kOddPaths) {
    SCOPED_TRACE(name);
    const QString path = folder_.filePath(name);
    make(path);
    const mode_t type = TypeOf(path);
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
    EXPECT_EQ(TypeOf(path), type);
  }
}

TEST_F(WindowFiles, BadSettingsGiveOneBoxAnEmptyListAndStayAsTheyAre) {
  const QString folder = folder_.filePath("Local AppWizard-Generated Applications");
  ASSERT_TRUE(QDir().mkpath(folder));
  const QString settings = folder + "/Fretwise.conf";
  std::vector<OddPath> rows = kOddPaths;
  rows.push_back({"binary junk", [](const QString& p) {
                    static constexpr char kJunk[] = "\x00\xff[Recent File List]\nFile1=\x01\x80";
                    Write(p, QByteArray(kJunk, sizeof kJunk) + QByteArray(200, '\x9c'));
                  }});
  for (const auto& [name, make] : rows) {
    SCOPED_TRACE(name);
    make(settings);
    const mode_t type = TypeOf(settings);
    const QByteArray bytes = type == S_IFREG ? Bytes(settings) : QByteArray();
    boxes_->texts.clear();
    ASSERT_TRUE(Start());
    ASSERT_EQ(boxes_->texts.size(), 1u);
    EXPECT_NE(boxes_->texts[0].find("設定ファイル"), std::string::npos) << boxes_->texts[0];
    EXPECT_TRUE(app_->recentFiles().entries().isEmpty());
    Write(folder_.filePath("song.fretw"), "");
    dialogs_.openAnswer = folder_.filePath("song.fretw");
    app_->OnFileOpen();
    EXPECT_EQ(app_->recentFiles().entries().size(), 1) << "kept for this run";
    app_.reset();
    EXPECT_EQ(TypeOf(settings), type);
    EXPECT_EQ(type == S_IFREG ? Bytes(settings) : QByteArray(), bytes);
    QFile::remove(settings);
    QDir(settings).removeRecursively();
  }
}

}  // namespace
}  // namespace fretwise::test
