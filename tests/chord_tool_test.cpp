// fretwise-chord as players and scripts use it: its reports, images, sound, files and bad input.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <thread>

#include "support/tool_run.h"

namespace fretwise::test {
namespace {

TEST(ChordTool, JsonAndTextReportTheNotesAndEveryCandidate) {
  EXPECT_EQ(Tool({"--json", "--max", "1", "C2", "E3", "G3"}).out,
            R"({"candidates":[{"cells":["NN","NN","3 0","4 2","NN","6 0"],"highestFret":2,)"
            R"("soundFiles":["6\\C4.wav","4\\E3.wav","3\\G3.wav"],"tuning":"C","window":[0,4]}],)"
            R"("message":null,"name":"C","notes":[{"pitch":"C2","slot":48,"token":"C4"},)"
            R"({"pitch":"E3","slot":38,"token":"E3"},{"pitch":"G3","slot":42,"token":"G3"}]})"
            "\n");
  const QJsonObject json = QJsonDocument::fromJson(Tool({"--json", "C4", "E4", "G4"}).out).object();
  EXPECT_EQ(json["candidates"].toArray().size(), 5);
  EXPECT_EQ(json["message"].toString() + json["candidates"][0]["tuning"].toString("-"),
            "これ以上候補はありません-");
  // Flats, the sharp sign, lower case and a repeated note name the same chord as its slots.
  EXPECT_EQ(Tool({"--json", "c2", "Fb2", "G2", "G2"}).out,
            Tool({"--json", "--slots", "48,54,58"}).out);

  EXPECT_EQ(Tool({"C4", "E4", "G4", "--max", "2"}).out.toStdString(),
            "Chord: C\n"
            "Candidate 1: frets 8-12\n"
            "  strings 6-1: x x 10 9 8 x\n"
            "  sound files: 4\\C2.wav 3\\E2.wav 2\\G2.wav\n"
            "Candidate 2: frets 12-16\n"
            "  strings 6-1: x 15 14 12 x x\n"
            "  sound files: 5\\C2.wav 4\\E2.wav 3\\G2.wav\n");
  const QString tuned = Tool({"C#2", "G3"}).Out();
  EXPECT_TRUE(tuned.startsWith("Chord: (none)\nCandidate 1: frets 0-4\n  strings 6-1: 1 x x 0 x x\n"
                               "  string 6 tuned down to C\n") &&
              tuned.endsWith("これ以上候補はありません\n"))
      << tuned.toStdString();
  // No notes: one empty candidate, whatever is asked for.
  EXPECT_EQ(Tool({"--max", "2147483647"}).out.count("Candidate "), 1);
  EXPECT_EQ(Tool({"--json", "--max", "3"}).out.count("cells"), 1);
}

// A run that fails: its status and the parts of its one stderr line ("@" is the test's folder).
struct Failure {
  QStringList arguments;
  int status;
  QStringList says;
  QString neverSays = {};
};

TEST(ChordTool, AFailureIsOneLineNamingWhatFailedAndNothingOnStdout) {
  const Failure rows[] = {
      {{"C4", "H4"}, 2, {"note 'H4' is not a pitch from C2 to B5"}},
      {{"--slots", "3,64"}, 2, {"slot '64' is not a slot index from 0 to 63"}},
      {{"--slots", "2"}, 2, {"slot '2' is a natural slot, which has no check box"}},
      {{"--max", "0", "C4"}, 2, {"--max needs a whole number of at least 1, not '0'"}},
      {{"--candidate", "2", "C4"}, 2, {"--candidate 2 needs --png or --svg"}},
      {{"\x1b[2JC\n4\x7f\u0085"}, 2, {"'\\x1B[2JC\\n4\\x7F\\u0085'"}, "\x1b"},
      {{"--json", "--png", "@/a.png", "C4"}, 2, {"--json"}},
      {{"--svg", "@", "C4"}, 1, {"Is a directory"}},
      {{"--png", "/dev/full", "--candidate", "9", "C4", "E4", "G4"},
       1,
       {"No space left"},
       "これ以上"},
      {{"--png", "@/no/a.png", "--svg", "/dev/full", "C4"}, 1, {"@/no/a.png", "'/dev/full'"}},
      {{"--chord", "Cmaj8"}, 2, {"'Cmaj8'"}},
      {{"--chord", "C", "--tuning", "dadgad"}, 2, {"'dadgad'"}},
      {{"--chord", "C", "--tuning", "E2 A2 D3 G3 B3"}, 2, {"'E2 A2 D3 G3 B3'"}},
      {{"--chord", "C", "--tuning", "E2 A2 D3 G3 B3 X4"}, 2, {"'E2 A2 D3 G3 B3 X4'"}},
      {{"--chord", "C", "--span", "7"}, 2, {"'7'"}},
      {{"--voicings", "C3", "--span", "1"}, 2, {"'1'"}},
      {{"--name", "--json"}, 2, {"--name"}},
      {{"--chord", "C7", "C3"}, 2, {"'C3'"}},
      {{"--chord", "C", "--name", "C3"}, 2, {"--name"}},
      {{"--voicings", "C3", "C9"}, 2, {"'C9'"}},
      {{"--span", "3", "C3"}, 2, {"--span"}},
      {{"--chord", "C", "--max", "0"}, 2, {"'0'"}},
  };
  const QTemporaryDir dir;
  for (Failure row : rows) {
    const ToolRun run = Tool(row.arguments.replaceInStrings("@", dir.path()));
    SCOPED_TRACE(row.arguments.join(' ').toStdString() + " said " + run.err.toStdString());
    EXPECT_EQ(std::tuple(run.status, run.out.size(), run.err.count('\n')),
              std::tuple(row.status, 0, 1));
    EXPECT_TRUE(run.err.startsWith("fretwise-chord: "));
    for (const QString& part : row.says.replaceInStrings("@", dir.path()))
      EXPECT_TRUE(run.err.contains(part)) << part.toStdString();
    EXPECT_TRUE(row.neverSays.isEmpty() || !run.err.contains(row.neverSays));
  }
  EXPECT_TRUE(QDir(dir.path()).isEmpty()) << "a failed image leaves nothing";
}

// --play waits until the chord has sounded, and keeps the audio libraries' own lines (SDL's disk
// driver, ALSA finding no card) off stderr.
TEST(ChordTool, PlaySoundsTheFirstCandidateToItsEndWithOnlyItsOwnLine) {
  const QTemporaryDir dir;
  const struct {
    QString driver, folder;
    int status;
    QString err;  // the line on stderr, or its start when the library's reason follows
  } rows[] = {
      {"dummy", FRETWISE_BUILD_DIR, 0, ""},
      {"disk", FRETWISE_BUILD_DIR, 0, ""},
      {"alsa", FRETWISE_BUILD_DIR, 1, "fretwise-chord: オーディオデバイスを開けません: "},
      {"dummy", dir.path(), 1,
       "fretwise-chord: サウンドファイル「.\\wav\\4\\C2.wav」がありません\n"},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.driver.toStdString() + " in " + row.folder.toStdString());
    QElapsedTimer timer;
    timer.start();
    const ToolRun run = Tool({"--play", "--max", "1", "C4", "E4", "G4"},
                             {{"SDL_AUDIODRIVER=" + row.driver, "SDL_DISKAUDIODELAY=0",
                               "SDL_DISKAUDIOFILE=" + dir.filePath("out.raw"),
                               "ALSA_CONFIG_PATH=" + dir.filePath("none")},
                              {},
                              FRETWISE_CHORD,
                              row.folder});
    EXPECT_EQ(run.status, row.status);
    EXPECT_EQ(run.err.count('\n'), row.status) << run.err.toStdString();
    EXPECT_EQ(run.err.left(row.err.size()), row.err) << run.err.toStdString();
    EXPECT_TRUE(row.status || run.Out().startsWith("Chord: C\nCandidate 1: frets 8-12\n"));
    EXPECT_TRUE(row.status || row.driver != "dummy" || timer.elapsed() >= 1500);
  }
}

// Images go to files, stdout ("-"), devices and FIFOs; the last two are written in place.
TEST(ChordTool, ImagesShowTheWindowsDrawingOnWhite) {
  const QTemporaryDir dir;
  const QString fifo = dir.filePath("fifo");
  ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
  QByteArray received;
  std::thread reader([&] {
    QFile file(fifo);
    if (file.open(QIODevice::ReadOnly)) received = file.readAll();
  });
  EXPECT_EQ(Tool({"--png", fifo, "C4"}).status, 0);
  reader.join();
  EXPECT_TRUE(received.startsWith("\x89PNG")) << received.size();
  EXPECT_EQ(Tool({"--svg", "/dev/null", "C4"}).status, 0);
  struct stat status {};
  EXPECT_TRUE(::stat(QFile::encodeName(fifo).constData(), &status) == 0 &&
              S_ISFIFO(status.st_mode));
  EXPECT_TRUE(::stat("/dev/null", &status) == 0 && S_ISCHR(status.st_mode));

  const QImage image = QImage::fromData(Tool({"--png", "-", "C4", "E4", "G4"}).out);
  const QImage two =
      QImage::fromData(Tool({"--png", "-", "--candidate", "2", "C4", "E4", "G4"}).out);
  const ToolRun past = Tool({"--png", "-", "--candidate", "9", "C4", "E4", "G4"});
  EXPECT_EQ(std::pair(past.status, past.err.toStdString()),
            std::pair(0, std::string("これ以上候補はありません\n")));
  ASSERT_EQ(image.size(), QSize(800, 480));
  for (int x = 0; x < 800; ++x) ASSERT_EQ(image.pixel(x, 0), qRgb(255, 255, 255)) << x;
  EXPECT_EQ(image.pixel(799, 479), qRgb(255, 255, 255));
  // The head of C4, the dot under fret 5, string 2's mark at fret 8 and string 3's at fret 12.
  EXPECT_EQ(std::tuple(image.pixel(60, 194), image.pixel(329, 332), image.pixel(418, 215)),
            std::tuple(qRgb(0, 0, 0), qRgb(255, 0, 0), qRgb(0, 0, 0)));
  EXPECT_EQ(std::pair(two.pixel(538, 240), two.pixel(418, 215)),
            std::pair(qRgb(0, 0, 0), qRgb(255, 255, 255)));
  const QImage blank = QImage::fromData(past.out);
  EXPECT_EQ(blank.pixel(60, 194), qRgb(0, 0, 0)) << "the staff stays";
  for (int y = 160; y < 480; y += 7)
    for (int x = 145; x < 800; x += 11) ASSERT_EQ(blank.pixel(x, y), qRgb(255, 255, 255));

  const QString svg = Tool({"--svg", "-", "C4", "E4", "G4"}).Out();
  EXPECT_EQ(svg.count("<svg"), 1);
  EXPECT_TRUE(svg.trimmed().endsWith("</svg>") && svg.contains("viewBox=\"0 0 800 480\"") &&
              svg.contains("#ff0000"));
  EXPECT_TRUE(svg.contains(QRegularExpression(R"(<svg width="[\d.]+mm" height="[\d.]+mm")")));
}

// Text needs no module; an image or a play without its module is one line and status 1.
TEST(ChordTool, TextRunsAloneAndAMissingModuleIsOneLine) {
  const QTemporaryDir dir;
  const QString lone = dir.filePath("fretwise-chord");
  ASSERT_TRUE(QFile::copy(FRETWISE_CHORD, lone));
  EXPECT_EQ(Tool({"C4", "E4", "G4"}, {.program = lone}).status, 0);
  for (const QStringList& arguments :
       {QStringList{"--png", "-", "C4"}, QStringList{"--play", "C4"}}) {
    const ToolRun run = Tool(arguments, {.program = lone});
    EXPECT_TRUE(run.status == 1 && run.err.count('\n') == 1 && run.err.contains("module"))
        << run.err.toStdString();
  }
  const QByteArray needed = Tool({FRETWISE_CHORD}, {.program = "ldd"}).out;
  EXPECT_TRUE(needed.contains("libQt6Core") && !needed.contains("libQt6Gui") &&
              !needed.contains("libQt6Svg") && !needed.contains("libSDL2"))
      << needed.toStdString();
}

}  // namespace
}  // namespace fretwise::test
