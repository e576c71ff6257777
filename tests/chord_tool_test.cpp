// fretwise-chord as players and scripts use it: its reports, images, sound, files and bad input.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QDir>
#include <QElapsedTimer>
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

QJsonObject Json(const QStringList& arguments) {
  const ToolRun run = Tool(QStringList{"--json"} + arguments);
  EXPECT_EQ(run.status, 0) << run.err.toStdString();
  return QJsonDocument::fromJson(run.out).object();
}

QString Compact(const QJsonValue& value) {
  return value.isArray()    ? QJsonDocument(value.toArray()).toJson(QJsonDocument::Compact)
         : value.isObject() ? QJsonDocument(value.toObject()).toJson(QJsonDocument::Compact)
                            : value.toVariant().toString();
}

TEST(ChordTool, JsonAndTextReportTheNotesAndEveryCandidate) {
  const QJsonObject json = Json({"C4", "E4", "G4"});
  EXPECT_EQ(Compact(json["notes"]),
            R"([{"pitch":"C4","slot":16,"token":"C2"},{"pitch":"E4","slot":22,"token":"E2"},)"
            R"({"pitch":"G4","slot":26,"token":"G2"}])");
  ASSERT_EQ(json["candidates"].toArray().size(), 5);
  EXPECT_EQ(Compact(json["candidates"][0]),
            R"({"cells":["NN","2 8","3 9","410","NN","NN"],"highestFret":10,)"
            R"("soundFiles":["4\\C2.wav","3\\E2.wav","2\\G2.wav"],"tuning":null,"window":[8,12]})");
  EXPECT_EQ(json["message"].toString() + json["name"].toString(), "これ以上候補はありませんC");
  // Flats, the sharp sign, lower case and a repeated note name the same chord as its slots.
  EXPECT_EQ(Json({"c2", "Fb2", "G2", "G2"}), Json({"--slots", "48,54,58"}));
  const QJsonObject low = Json({"--max", "1", "C2", "E3", "G3"});
  EXPECT_EQ(Compact(low["candidates"][0]["tuning"]) + " " + Compact(low["message"]), "C ");

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
  EXPECT_EQ(Json({"--max", "3"})["candidates"].toArray().size(), 1);
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
      {{"--frobnicate"}, 2, {"frobnicate"}},
      {{"--max", "0", "C4"}, 2, {"--max needs a whole number of at least 1, not '0'"}},
      {{"--candidate", "2", "C4"}, 2, {"--candidate 2 needs --png or --svg"}},
      {{"\x1b[2JC\n4\x7f\u0085"}, 2, {"'\\x1B[2JC\\n4\\x7F\\u0085'"}, "\x1b"},
      {{"--json", "--png", "@/a.png", "C4"}, 2, {"--json"}},
      {{"--svg", "@/a.svg", "--max", "1", "C4"}, 2, {"--max"}},
      {{"--play", "--png", "@/a.png", "C4"}, 2, {"--play"}},
      {{"--png", "/dev/full", "C4"}, 1, {"'/dev/full'", "No space left"}},
      {{"--svg", "@", "C4"}, 1, {"Is a directory"}},
      {{"--png", "/dev/full", "--candidate", "9", "C4", "E4", "G4"}, 1, {"/dev/full"}, "これ以上"},
      {{"--png", "@/no/a.png", "--svg", "/dev/full", "C4"}, 1, {"@/no/a.png", "/dev/full"}},
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
      {"dummy", dir.path(), 1, "fretwise-chord: サウンドファイル「.\\wav\\4\\C2.wav」がありません\n"},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.driver.toStdString() + " in " + row.folder.toStdString());
    QElapsedTimer timer;
    timer.start();
    const ToolRun run = Tool({"--play", "--max", "1", "C4", "E4", "G4"},
                            {{"SDL_AUDIODRIVER=" + row.driver, "SDL_DISKAUDIODELAY=0",
                              "SDL_DISKAUDIOFILE=" + dir.filePath("out.raw"),
                              "ALSA_CONFIG_PATH=" + dir.filePath("none")},
                             {}, FRETWISE_CHORD, row.folder});
    EXPECT_EQ(run.status, row.status);
    EXPECT_EQ(run.err.count('\n'), row.status) << run.err.toStdString();
    EXPECT_EQ(run.err.left(row.err.size()), row.err) << run.err.toStdString();
    EXPECT_TRUE(row.status || run.Out().startsWith("Chord: C\nCandidate 1: frets 8-12\n"));
    EXPECT_TRUE(row.status || row.driver != "dummy" || timer.elapsed() >= 1500);
  }
}

TEST(ChordTool, ImagesShowTheWindowsDrawingOnWhite) {
  const QTemporaryDir dir;
  const QString c = dir.filePath("c.png"), second = dir.filePath("2.png"), past = dir.filePath("9.png");
  EXPECT_EQ(Tool({"--png", c, "C4", "E4", "G4"}).err, "");
  ASSERT_EQ(Tool({"--png", second, "--candidate", "2", "C4", "E4", "G4"}).status, 0);
  const ToolRun blank = Tool({"--png", past, "--candidate", "9", "C4", "E4", "G4"});
  EXPECT_EQ(std::pair(blank.status, blank.err.toStdString()), std::pair(0, std::string("これ以上候補はありません\n")));
  const QImage image(c), two(second), nine(past);
  ASSERT_EQ(image.size(), QSize(800, 480));
  for (int x = 0; x < 800; ++x) ASSERT_EQ(image.pixel(x, 0), qRgb(255, 255, 255)) << x;
  EXPECT_EQ(image.pixel(799, 479), qRgb(255, 255, 255));
  // The head of C4, the dot under fret 5, string 2's mark at fret 8 and string 3's at fret 12.
  EXPECT_EQ(std::tuple(image.pixel(60, 194), image.pixel(329, 332), image.pixel(418, 215)),
            std::tuple(qRgb(0, 0, 0), qRgb(255, 0, 0), qRgb(0, 0, 0)));
  EXPECT_EQ(std::pair(two.pixel(538, 240), two.pixel(418, 215)), std::pair(qRgb(0, 0, 0), qRgb(255, 255, 255)));
  EXPECT_EQ(nine.pixel(60, 194), qRgb(0, 0, 0)) << "the staff stays";
  for (int y = 160; y < 480; y += 7)
    for (int x = 145; x < 800; x += 11) ASSERT_EQ(nine.pixel(x, y), qRgb(255, 255, 255));

  const QString svg = Tool({"--svg", "-", "C4", "E4", "G4"}).Out();
  EXPECT_EQ(svg.count("<svg"), 1);
  EXPECT_TRUE(svg.trimmed().endsWith("</svg>") && svg.contains("viewBox=\"0 0 800 480\"") &&
              svg.contains("#ff0000"));
  EXPECT_TRUE(svg.contains(QRegularExpression(R"(<svg width="[\d.]+mm" height="[\d.]+mm")")));
}

TEST(ChordTool, DevicesAndFifosAreWrittenInPlaceAndStdoutTakesADash) {
  EXPECT_TRUE(Tool({"--png", "-", "C4"}).out.startsWith("\x89PNG\r\n"));
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
  EXPECT_TRUE(::stat(QFile::encodeName(fifo).constData(), &status) == 0 && S_ISFIFO(status.st_mode));
  EXPECT_TRUE(::stat("/dev/null", &status) == 0 && S_ISCHR(status.st_mode));
}

// Text needs no module; an image or a play without its module is one line and status 1.
TEST(ChordTool, TextRunsAloneAndAMissingModuleIsOneLine) {
  const QTemporaryDir dir;
  const QString lone = dir.filePath("fretwise-chord");
  ASSERT_TRUE(QFile::copy(FRETWISE_CHORD, lone));
  EXPECT_EQ(Tool({"C4", "E4", "G4"}, {.program = lone}).status, 0);
  for (const QStringList& arguments : {QStringList{"--png", "-", "C4"}, QStringList{"--play", "C4"}}) {
    const ToolRun run = Tool(arguments, {.program = lone});
    EXPECT_TRUE(run.status == 1 && run.err.count('\n') == 1 && run.err.contains("module"))
        << run.err.toStdString();
  }
  const ToolRun ldd = Tool({FRETWISE_CHORD}, {.program = "ldd"});
  EXPECT_TRUE(ldd.out.contains("libQt6Core")) << ldd.out.toStdString();
  for (const char* library : {"libQt6Gui", "libQt6Svg", "libSDL2"})
    EXPECT_FALSE(ldd.out.contains(library)) << library;
}

}  // namespace
}  // namespace fretwise::test
