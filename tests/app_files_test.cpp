// The window's files as a user may name them: an opened document keeps its bytes, and a FIFO, a
// device, a directory or a broken settings file gives one message box at once and loses nothing.
#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QTest>

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
  return ::lstat(QFile::encodeName(path).constData(), &status) == 0 ? status.st_mode & S_IFMT
                                                                     : 0;
}

// Each kind of path that is not a readable regular file, made under a folder.
struct OddPath {
  const char* name;
  std::function<void(const QString& path)> make;
};

const std::vector<OddPath> kOddPaths = {
    {"fifo", [](const QString& p) { ASSERT_EQ(::mkfifo(QFile::encodeName(p), 0600), 0); }},
    {"link to /dev/zero", [](const QString& p) { ASSERT_TRUE(QFile::link("/dev/zero", p)); }},
    {"directory", [](const QString& p) { ASSERT_TRUE(QDir().mkpath(p)); }},
};

class WindowFiles : public AppRig {
 protected:
  void Save() {
    QTest::keySequence(&frame(), QKeySequence("Ctrl+S"));
    Settle();
  }
  void Open(const QString& path) {
    dialogs_.openAnswer = path;
    QTest::keySequence(&frame(), QKeySequence("Ctrl+O"));
    Settle();
  }
  QString File(const QString& name) const { return settings_.filePath(name); }
};

TEST_F(WindowFiles, SavingAnOpenedFileLeavesItsBytes) {
  Write(File("notes.txt"), "my notes\n");
  Write(File("other.txt"), "other\n");
  ASSERT_TRUE(Start({File("notes.txt")}));
  Save();
  EXPECT_EQ(Bytes(File("notes.txt")), "my notes\n");
  Open(File("other.txt"));
  Save();
  EXPECT_EQ(Bytes(File("other.txt")), "other\n");
  EXPECT_EQ(dialogs_.saves, 0);

  // A name chosen in the save dialog (which asked before replacing) is written empty.
  QTest::keySequence(&frame(), QKeySequence("Ctrl+N"));
  dialogs_.saveAnswer = File("notes.txt");
  Save();
  EXPECT_EQ(Bytes(File("notes.txt")), "");
}

TEST_F(WindowFiles, OddDocumentPathsAreRefusedAtOnceAndKept) {
  ASSERT_TRUE(Start());
  for (const OddPath& odd : kOddPaths) {
    SCOPED_TRACE(odd.name);
    const QString path = File(QString(odd.name).replace('/', '_'));
    odd.make(path);
    const mode_t type = TypeOf(path);
    EXPECT_FALSE(Start({path}));
    EXPECT_TRUE(app_->startupError().contains("を開けません")) << app_->startupError().toStdString();

    ASSERT_TRUE(Start());
    MessageCloser messages;
    Open(path);
    ASSERT_EQ(messages.texts.size(), 1u);
    EXPECT_NE(messages.texts[0].find("を開けません"), std::string::npos) << messages.texts[0];
    EXPECT_TRUE(app_->document().GetPathName().isEmpty());
    EXPECT_EQ(TypeOf(path), type);
  }
}

TEST_F(WindowFiles, SavingToDevicesFifosAndFoldersReplacesNothing) {
  const QString fifo = File("fifo");
  kOddPaths[0].make(fifo);
  struct Row {
    QString path;
    bool saved;
  };
  for (const Row& row : {Row{"/dev/full", true}, Row{"/dev/null", true}, Row{fifo, false},
                         Row{settings_.path(), false}}) {
    SCOPED_TRACE(row.path.toStdString());
    const mode_t type = TypeOf(row.path);
    ASSERT_TRUE(Start());
    MessageCloser messages;
    dialogs_.saveAnswer = row.path;
    Save();  // a FIFO no one reads is refused, not waited for
    EXPECT_EQ(messages.texts.size(), row.saved ? 0u : 1u);
    if (!row.saved) {
      EXPECT_NE(messages.texts[0].find("に保存できません"), std::string::npos);
    }
    EXPECT_EQ(app_->document().GetPathName().isEmpty(), !row.saved);
    EXPECT_EQ(TypeOf(row.path), type);
  }
}

TEST_F(WindowFiles, BadSettingsGiveOneBoxAnEmptyListAndStayAsTheyAre) {
  const QString folder = settings_.filePath("Local AppWizard-Generated Applications");
  ASSERT_TRUE(QDir().mkpath(folder));
  const QString settings = folder + "/Fretwise.conf";
  std::vector<OddPath> rows = kOddPaths;
  rows.push_back({"binary junk", [](const QString& p) {
                    static constexpr char kJunk[] = "\x00\xff[Recent File List]\nFile1=\x01\x80";
                    Write(p, QByteArray(kJunk, sizeof kJunk) + QByteArray(200, '\x9c'));
                  }});
  if (::geteuid() != 0) {
    rows.push_back({"unreadable", [](const QString& p) {
                      Write(p, "[Recent File List]\nFile1=/x\n");
                      QFile::setPermissions(p, {});
                    }});
  }
  for (const OddPath& row : rows) {
    SCOPED_TRACE(row.name);
    row.make(settings);
    const mode_t type = TypeOf(settings);
    const QByteArray bytes = type == S_IFREG ? Bytes(settings) : QByteArray();
    {
      MessageCloser messages;
      ASSERT_TRUE(Start());
      ASSERT_EQ(messages.texts.size(), 1u);
      EXPECT_NE(messages.texts[0].find("設定ファイル"), std::string::npos) << messages.texts[0];
      EXPECT_TRUE(app_->recentFiles().entries().isEmpty());
    }
    Write(File("song.fretw"), "");
    dialogs_.openAnswer = File("song.fretw");
    app_->OnFileOpen();
    EXPECT_EQ(app_->recentFiles().entries().size(), 1) << "kept for this run";
    app_.reset();
    EXPECT_EQ(TypeOf(settings), type);
    if (type == S_IFREG) {
      EXPECT_EQ(Bytes(settings), bytes);
    }
    QFile::remove(settings);
    QDir(settings).removeRecursively();
  }
}

}  // namespace
}  // namespace fretwise::test
