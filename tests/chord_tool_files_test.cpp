// fretwise-chord's files, stderr and modules: whatever the paths and arguments, a run ends at
// once with its files written where they can be and one line on stderr when something failed.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <thread>

namespace {

struct ToolRun {
  int status;
  QByteArray out;
  QString err;
};

ToolRun Tool(const QStringList& arguments, const QString& program = FRETWISE_CHORD,
             const QProcessEnvironment& environment = QProcessEnvironment::systemEnvironment()) {
  QProcess process;
  process.setProcessEnvironment(environment);
  process.setWorkingDirectory(FRETWISE_BUILD_DIR);
  process.start(program, arguments);
  process.waitForFinished(20000);
  return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
          process.readAllStandardOutput(), QString::fromUtf8(process.readAllStandardError())};
}

mode_t TypeOf(const QString& path) {
  struct stat status {};
  return ::stat(QFile::encodeName(path).constData(), &status) == 0 ? status.st_mode & S_IFMT : 0;
}

TEST(ChordToolFiles, DevicesAndFifosAreWrittenInPlaceAndStdoutTakesADash) {
  for (const char* option : {"--png", "--svg"}) {
    EXPECT_EQ(Tool({option, "/dev/null", "C4", "E4", "G4"}).status, 0) << option;
    EXPECT_EQ(TypeOf("/dev/null"), S_IFCHR);
  }
  EXPECT_TRUE(Tool({"--png", "-", "C4"}).out.startsWith("\x89PNG\r\n"));
  EXPECT_TRUE(Tool({"--svg", "-", "C4"}).out.trimmed().endsWith("</svg>"));
  const QTemporaryDir dir;
  const QString fifo = dir.filePath("fifo");
  ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
  QByteArray received;
  std::thread reader([&] {
    QFile file(fifo);
    if (file.open(QIODevice::ReadOnly)) received = file.readAll();
  });
  const ToolRun run = Tool({"--png", fifo, "C4"});
  reader.join();
  EXPECT_EQ(run.status, 0) << run.err.toStdString();
  EXPECT_TRUE(received.startsWith("\x89PNG")) << received.size();
  EXPECT_EQ(TypeOf(fifo), S_IFIFO);
}

TEST(ChordToolFiles, NoNotesStopAfterTheOneEmptyCandidate) {
  const ToolRun text = Tool({"--max", "2147483647"});
  EXPECT_EQ(text.out.count("Candidate "), 1);
  EXPECT_TRUE(text.out.endsWith("No notes: every candidate is this same empty one.\n"));
  const QTemporaryDir dir;
  EXPECT_EQ(Tool({"--png", dir.filePath("a.png"), "--candidate", "2147483647"}).status, 0);
  EXPECT_TRUE(QFile::exists(dir.filePath("a.png")));
}

// A run that fails: its status, and the parts of its one stderr line ("@" is the test's folder).
struct Failure {
  const char* name;
  QStringList arguments;
  int status;
  QStringList says;
  QString neverSays = {};
};

TEST(ChordToolFailure, OneLineAndNothingOnStdout) {
  const Failure rows[] = {
      {"full disk", {"--png", "/dev/full", "C4"}, 1, {"'/dev/full'", "No space left"}},
      {"directory", {"--svg", "@", "C4"}, 1, {"Is a directory"}},
      {"failed image hides the message",
       {"--png", "/dev/full", "--candidate", "9", "C4", "E4", "G4"},
       1,
       {"/dev/full"},
       "これ以上候補はありません"},
      {"two failed images",
       {"--png", "@/no/a.png", "--svg", "/dev/full", "C4"},
       1,
       {"@/no/a.png", "/dev/full"}},
      {"controls in a note", {"\x1b[2JC\n4\x7f\u0085"}, 2, {"'\\x1B[2JC\\n4\\x7F\\u0085'"}, "\x1b"},
      {"json with an image", {"--json", "--png", "@/a.png", "C4"}, 2, {"--json"}},
      {"max with an image", {"--svg", "@/a.svg", "--max", "1", "C4"}, 2, {"--max"}},
      {"play with an image", {"--play", "--png", "@/a.png", "C4"}, 2, {"--play"}},
  };
  const QTemporaryDir dir;
  for (Failure row : rows) {
    SCOPED_TRACE(row.name);
    const ToolRun run = Tool(row.arguments.replaceInStrings("@", dir.path()));
    EXPECT_EQ(run.status, row.status);
    EXPECT_TRUE(run.out.isEmpty()) << run.out.toStdString();
    EXPECT_EQ(run.err.count('\n'), 1) << run.err.toStdString();
    EXPECT_TRUE(run.err.startsWith("fretwise-chord: ")) << run.err.toStdString();
    for (const QString& part : row.says.replaceInStrings("@", dir.path()))
      EXPECT_TRUE(run.err.contains(part)) << part.toStdString() << " in " << run.err.toStdString();
    EXPECT_TRUE(row.neverSays.isEmpty() || !run.err.contains(row.neverSays));
  }
}

// --play keeps the audio libraries' own lines off stderr: two on every run of SDL's disk driver,
// a handful from ALSA when it finds no sound card.
TEST(ChordToolPlayOutput, OnlyTheToolsOwnLine) {
  const QTemporaryDir dir;
  for (const bool sounds : {true, false}) {
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("SDL_AUDIODRIVER", sounds ? "disk" : "alsa");
    environment.insert("SDL_DISKAUDIOFILE", dir.filePath("out.raw"));
    environment.insert("SDL_DISKAUDIODELAY", "0");
    environment.insert("ALSA_CONFIG_PATH", dir.filePath("none"));  // no card, wherever it runs
    const ToolRun run = Tool({"--play", "--max", "1", "C4"}, FRETWISE_CHORD, environment);
    EXPECT_EQ(run.status, sounds ? 0 : 1);
    EXPECT_EQ(run.err.count('\n'), sounds ? 0 : 1) << run.err.toStdString();
    EXPECT_TRUE(sounds || run.err.startsWith("fretwise-chord: オーディオデバイスを開けません: "))
        << run.err.toStdString();
  }
}

// Text needs no module; an image or a play without its module is one line and status 1.
TEST(ChordToolModules, TextRunsAloneAndAMissingModuleIsOneLine) {
  const QTemporaryDir dir;
  const QString lone = dir.filePath("fretwise-chord");
  ASSERT_TRUE(QFile::copy(FRETWISE_CHORD, lone));
  EXPECT_EQ(Tool({"C4", "E4", "G4"}, lone).status, 0);
  for (const QStringList& arguments :
       {QStringList{"--png", dir.filePath("a.png"), "C4"}, QStringList{"--play", "C4"}}) {
    const ToolRun run = Tool(arguments, lone);
    EXPECT_EQ(run.status, 1) << arguments.front().toStdString();
    EXPECT_EQ(run.err.count('\n'), 1) << run.err.toStdString();
    EXPECT_TRUE(run.err.contains("module")) << run.err.toStdString();
  }
  QProcess ldd;
  ldd.start("ldd", {FRETWISE_CHORD});
  ASSERT_TRUE(ldd.waitForFinished());
  const QString needed = QString::fromUtf8(ldd.readAllStandardOutput());
  EXPECT_TRUE(needed.contains("libQt6Core")) << needed.toStdString();
  for (const char* library : {"libQt6Gui", "libQt6Svg", "libSDL2"})
    EXPECT_FALSE(needed.contains(library)) << library;
}

}  // namespace
