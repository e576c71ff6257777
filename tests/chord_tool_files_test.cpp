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
  process.start(program, arguments);
  process.waitForFinished(20000);
  return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
          process.readAllStandardOutput(), QString::fromUtf8(process.readAllStandardError())};
}

mode_t TypeOf(const QString& path) {
  struct stat status {};
  return ::stat(QFile::encodeName(path).constData(), &status) == 0 ? status.st_mode & S_IFMT : 0;
}

class ChordToolFiles : public testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(dir_.isValid()); }
  QString Path(const QString& name) const { return dir_.filePath(name); }
  QTemporaryDir dir_;
};

TEST_F(ChordToolFiles, DevicesAndFifosAreWrittenInPlaceAndStdoutTakesADash) {
  for (const char* option : {"--png", "--svg"}) {
    SCOPED_TRACE(option);
    const ToolRun devnull = Tool({option, "/dev/null", "C4", "E4", "G4"});
    EXPECT_EQ(devnull.status, 0) << devnull.err.toStdString();
    EXPECT_EQ(TypeOf("/dev/null"), S_IFCHR);
  }
  const ToolRun png = Tool({"--png", "-", "C4"});
  EXPECT_EQ(png.status, 0);
  EXPECT_TRUE(png.out.startsWith("\x89PNG\r\n")) << png.out.left(16).toHex().toStdString();
  EXPECT_TRUE(Tool({"--svg", "-", "C4"}).out.trimmed().endsWith("</svg>"));

  const QString fifo = Path("fifo");
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

TEST_F(ChordToolFiles, NoNotesStopAfterTheOneEmptyCandidate) {
  const ToolRun text = Tool({"--max", "2147483647"});
  EXPECT_EQ(text.status, 0);
  EXPECT_EQ(text.out.count("Candidate "), 1);
  EXPECT_TRUE(text.out.endsWith("No notes: every candidate is this same empty one.\n"));
  const ToolRun image = Tool({"--png", Path("a.png"), "--candidate", "2147483647"});
  EXPECT_EQ(image.status, 0) << image.err.toStdString();
  EXPECT_TRUE(QFile::exists(Path("a.png")));
}

// A run that fails: its status, the one stderr line's telling parts and what it must not say.
struct Failure {
  const char* name;
  QStringList arguments;  // "@" stands for the test's folder
  int status;
  QStringList says;
  QString neverSays;
  friend void PrintTo(const Failure& f, std::ostream* os) { *os << f.name; }
};

class ChordToolFailure : public testing::TestWithParam<Failure> {};

TEST_P(ChordToolFailure, OneLineAndNothingOnStdout) {
  const QTemporaryDir dir;
  QStringList arguments = GetParam().arguments;
  arguments.replaceInStrings("@", dir.path());
  const ToolRun run = Tool(arguments);
  EXPECT_EQ(run.status, GetParam().status);
  EXPECT_TRUE(run.out.isEmpty()) << run.out.toStdString();
  EXPECT_EQ(run.err.count('\n'), 1) << run.err.toStdString();
  EXPECT_TRUE(run.err.startsWith("fretwise-chord: ")) << run.err.toStdString();
  QStringList says = GetParam().says;
  says.replaceInStrings("@", dir.path());
  for (const QString& part : says) {
    EXPECT_TRUE(run.err.contains(part)) << part.toStdString() << " in " << run.err.toStdString();
  }
  if (!GetParam().neverSays.isEmpty()) {
    EXPECT_FALSE(run.err.contains(GetParam().neverSays));
  }
}

INSTANTIATE_TEST_SUITE_P(
    Rows, ChordToolFailure,
    testing::Values(
        Failure{"FullDisk", {"--png", "/dev/full", "C4"}, 1, {"'/dev/full'", "No space left"}, ""},
        Failure{"Directory", {"--svg", "@", "C4"}, 1, {"Is a directory"}, ""},
        Failure{"FailedImageHidesTheMessage",
                {"--png", "/dev/full", "--candidate", "9", "C4", "E4", "G4"}, 1, {"/dev/full"},
                "これ以上候補はありません"},
        Failure{"TwoFailedImages",
                {"--png", "@/no/a.png", "--svg", "/dev/full", "C4"}, 1,
                {"@/no/a.png", "/dev/full"}, ""},
        Failure{"NewlineInANote", {"C\n4"}, 2, {"'C\\n4'"}, ""},
        Failure{"EscapeInANote", {"\x1b[2JC4"}, 2, {"'\\x1B[2JC4'"}, "\x1b"},
        Failure{"DeleteAndC1Controls", {"C4\x7f\u0085"}, 2, {"'C4\\x7F\\u0085'"}, ""},
        Failure{"JsonWithAnImage", {"--json", "--png", "@/a.png", "C4"}, 2, {"--json"}, ""},
        Failure{"MaxWithAnImage", {"--svg", "@/a.svg", "--max", "1", "C4"}, 2, {"--max"}, ""},
        Failure{"PlayWithAnImage", {"--play", "--png", "@/a.png", "C4"}, 2, {"--play"}, ""}),
    [](const auto& info) { return info.param.name; });

// --play keeps the audio libraries' own lines off stderr: two on every run of SDL's disk driver,
// a handful from ALSA when it finds no sound card.
TEST(ChordToolPlayOutput, OnlyTheToolsOwnLine) {
  const QTemporaryDir dir;
  for (const char* driver : {"disk", "alsa"}) {
    SCOPED_TRACE(driver);
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("SDL_AUDIODRIVER", driver);
    environment.insert("SDL_DISKAUDIOFILE", dir.filePath("out.raw"));
    environment.insert("SDL_DISKAUDIODELAY", "0");
    environment.insert("ALSA_CONFIG_PATH", dir.filePath("none"));  // no card, wherever it runs
    QProcess process;
    process.setProcessEnvironment(environment);
    process.setWorkingDirectory(FRETWISE_BUILD_DIR);
    process.start(FRETWISE_CHORD, {"--play", "--max", "1", "C4"});
    ASSERT_TRUE(process.waitForFinished(20000));
    const QString err = QString::fromUtf8(process.readAllStandardError());
    const bool sounded = driver == std::string_view("disk");
    EXPECT_EQ(process.exitCode(), sounded ? 0 : 1);
    EXPECT_EQ(err.count('\n'), sounded ? 0 : 1) << err.toStdString();
    EXPECT_TRUE(sounded || err.startsWith("fretwise-chord: オーディオデバイスを開けません: "))
        << err.toStdString();
  }
}

// Text needs no module; an image or a play without its module is one line and status 1.
TEST(ChordToolModules, TextRunsAloneAndAMissingModuleIsOneLine) {
  const QTemporaryDir dir;
  const QString lone = dir.filePath("fretwise-chord");
  ASSERT_TRUE(QFile::copy(FRETWISE_CHORD, lone));
  EXPECT_EQ(Tool({"C4", "E4", "G4"}, lone).status, 0);
  for (const QStringList& arguments : {QStringList{"--png", dir.filePath("a.png"), "C4"},
                                       QStringList{"--play", "C4"}}) {
    SCOPED_TRACE(arguments.front().toStdString());
    const ToolRun run = Tool(arguments, lone);
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err.count('\n'), 1) << run.err.toStdString();
    EXPECT_TRUE(run.err.contains("module")) << run.err.toStdString();
  }

  QProcess ldd;
  ldd.start("ldd", {FRETWISE_CHORD});
  ASSERT_TRUE(ldd.waitForFinished());
  const QString needed = QString::fromUtf8(ldd.readAllStandardOutput());
  EXPECT_TRUE(needed.contains("libQt6Core")) << needed.toStdString();
  for (const char* library : {"libQt6Gui", "libQt6Svg", "libSDL2"}) {
    EXPECT_FALSE(needed.contains(library)) << library;
  }
}

}  // namespace
