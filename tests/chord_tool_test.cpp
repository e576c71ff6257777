// fretwise-chord as players and scripts use it: its reports, images, sound and bad input.
#include <gtest/gtest.h>

#include <QDir>
#include <QElapsedTimer>
#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>

namespace {

struct ToolRun {
  int status;
  QString out, err;
};

// fretwise-chord, --play runs in a working folder on one of SDL's audio drivers.
ToolRun Chord(const QStringList& arguments, const QString& folder = {},
              const QString& driver = "dummy") {
  QProcess process;
  QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
  environment.insert("SDL_AUDIODRIVER", driver);
  process.setProcessEnvironment(environment);
  process.setWorkingDirectory(folder.isEmpty() ? FRETWISE_BUILD_DIR : folder);
  process.start(FRETWISE_CHORD, arguments);
  process.waitForFinished(30000);
  return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
          QString::fromUtf8(process.readAllStandardOutput()),
          QString::fromUtf8(process.readAllStandardError())};
}

QJsonObject Json(const QStringList& arguments) {
  const ToolRun run = Chord(QStringList{"--json"} + arguments);
  EXPECT_EQ(run.status, 0) << run.err.toStdString();
  return QJsonDocument::fromJson(run.out.toUtf8()).object();
}

QString Compact(const QJsonValue& value) {
  return value.isArray()    ? QJsonDocument(value.toArray()).toJson(QJsonDocument::Compact)
         : value.isObject() ? QJsonDocument(value.toObject()).toJson(QJsonDocument::Compact)
                            : value.toVariant().toString();
}

TEST(ChordTool, JsonListsTheNotesEveryCandidateAndTheMessage) {
  const QJsonObject json = Json({"C4", "E4", "G4"});
  EXPECT_EQ(Compact(json["notes"]),
            R"([{"pitch":"C4","slot":16,"token":"C2"},{"pitch":"E4","slot":22,"token":"E2"},)"
            R"({"pitch":"G4","slot":26,"token":"G2"}])");
  const QJsonArray candidates = json["candidates"].toArray();
  ASSERT_EQ(candidates.size(), 5);
  EXPECT_EQ(Compact(candidates[0]),
            R"({"cells":["NN","2 8","3 9","410","NN","NN"],"highestFret":10,)"
            R"("soundFiles":["4\\C2.wav","3\\E2.wav","2\\G2.wav"],"tuning":null,"window":[8,12]})");
  EXPECT_EQ(Compact(candidates[1]["window"]), "[12,16]");
  EXPECT_EQ(json["message"].toString(), "これ以上候補はありません");

  // Flats, the sharp sign, lower case and a repeated note name the same chord as its slots.
  EXPECT_EQ(Json({"c2", "Fb2", "G2", "G2"}), Json({"--slots", "48,54,58"}));
  const QJsonObject low = Json({"--max", "1", "C2", "E3", "G3"});
  EXPECT_EQ(Compact(low["candidates"][0]["tuning"]) + " " + Compact(low["message"]), "C ");
  EXPECT_EQ(Json({"--max", "3"})["candidates"].toArray().size(), 1) << "no notes: one candidate";
}

TEST(ChordTool, TextIsBlocksForPeople) {
  const ToolRun run = Chord({"C4", "E4", "G4", "--max", "2"});
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.out.toStdString(),
            "Chord: C\n"
            "Candidate 1: frets 8-12\n"
            "  strings 6-1: x x 10 9 8 x\n"
            "  sound files: 4\\C2.wav 3\\E2.wav 2\\G2.wav\n"
            "Candidate 2: frets 12-16\n"
            "  strings 6-1: x 15 14 12 x x\n"
            "  sound files: 5\\C2.wav 4\\E2.wav 3\\G2.wav\n");
  const ToolRun tuned = Chord({"C#2", "G3"});
  EXPECT_TRUE(
      tuned.out.startsWith("Chord: (none)\nCandidate 1: frets 0-4\n  strings 6-1: 1 x x 0 x x\n"
                           "  string 6 tuned down to C\n"));
  EXPECT_TRUE(tuned.out.endsWith("これ以上候補はありません\n"));
  EXPECT_TRUE(Chord({"--help"}).out.contains("--slots"));
}

TEST(ChordTool, BadInputIsOneLineNamingItAndStatusTwo) {
  const std::pair<QStringList, QString> rows[] = {
      {{"C4", "H4"}, "note 'H4' is not a pitch from C2 to B5"},
      {{"--slots", "3,64"}, "slot '64' is not a slot index from 0 to 63"},
      {{"--slots", "x"}, "slot 'x' is not a slot index from 0 to 63"},
      {{"--slots", "2"}, "slot '2' is a natural slot, which has no check box"},
      {{"--frobnicate"}, "frobnicate"},
      {{"--max", "0", "C4"}, "--max needs a whole number of at least 1, not '0'"},
      {{"--candidate", "2", "C4"}, "--candidate 2 needs --png or --svg"},
      {{"C4", "--png"}, "png"},
  };
  for (const auto& [arguments, error] : rows) {
    SCOPED_TRACE(arguments.join(' ').toStdString());
    const ToolRun run = Chord(arguments);
    EXPECT_EQ(std::tuple(run.status, run.out, run.err.count('\n')), std::tuple(2, QString(), 1));
    EXPECT_TRUE(run.err.startsWith("fretwise-chord: ") && run.err.contains(error))
        << run.err.toStdString();
  }
}

// The build folder holds the sound set in wav/.
TEST(ChordTool, PlaySoundsTheFirstCandidateAndWaitsUntilItHasSounded) {
  QElapsedTimer timer;
  timer.start();
  const ToolRun run = Chord({"--play", "--max", "1", "C4", "E4", "G4"});
  EXPECT_EQ(run.status, 0);
  EXPECT_TRUE(run.err.isEmpty()) << run.err.toStdString();
  EXPECT_TRUE(run.out.startsWith("Chord: C\nCandidate 1: frets 8-12\n")) << run.out.toStdString();
  EXPECT_GE(timer.elapsed(), 1500);  // the notes sound for about two seconds

  const QTemporaryDir empty;
  const struct {
    QStringList notes;
    QString folder, driver, error;  // the line on stderr, or its start when SDL's reason follows
  } failures[] = {
      {{"C4", "E4", "G4"},
       empty.path(),
       "dummy",
       "fretwise-chord: サウンドファイル「.\\wav\\4\\C2.wav」がありません\n"},
      {{"C4", "E4", "G4"}, {}, "nosuch", "fretwise-chord: オーディオデバイスを開けません: "},
  };
  for (const auto& f : failures) {
    const ToolRun failed = Chord(QStringList{"--play"} + f.notes, f.folder, f.driver);
    EXPECT_EQ(failed.status, 1);
    EXPECT_EQ(failed.err.count('\n'), 1) << failed.err.toStdString();
    EXPECT_TRUE(failed.err.startsWith(f.error)) << failed.err.toStdString();
  }
}

class ChordToolImage : public testing::Test {
 protected:
  QString Path(const QString& name) const { return dir_.filePath(name); }
  QTemporaryDir dir_;
};

TEST_F(ChordToolImage, PngShowsTheWindowsDrawingOnWhite) {
  const ToolRun run = Chord({"--png", Path("c.png"), "C4", "E4", "G4"});
  EXPECT_EQ(run.status, 0);
  EXPECT_TRUE(run.err.isEmpty() && run.out.isEmpty()) << run.err.toStdString();
  const QImage image(Path("c.png"));
  ASSERT_EQ(image.size(), QSize(800, 480));
  for (int x = 0; x < 800; ++x) ASSERT_EQ(image.pixel(x, 0), qRgb(255, 255, 255)) << x;
  EXPECT_EQ(image.pixel(799, 479), qRgb(255, 255, 255));
  EXPECT_EQ(image.pixel(60, 194), qRgb(0, 0, 0)) << "the head of C4";
  EXPECT_EQ(image.pixel(329, 332), qRgb(255, 0, 0)) << "the dot under fret 5";
  EXPECT_EQ(image.pixel(418, 215), qRgb(0, 0, 0)) << "the mark on string 2 at fret 8";

  ASSERT_EQ(Chord({"--png", Path("2.png"), "--candidate", "2", "C4", "E4", "G4"}).status, 0);
  const QImage second(Path("2.png"));
  EXPECT_EQ(second.pixel(538, 240), qRgb(0, 0, 0)) << "string 3 at fret 12";
  EXPECT_EQ(second.pixel(418, 215), qRgb(255, 255, 255)) << "no mark at fret 8";
}

TEST_F(ChordToolImage, PastTheLastCandidateTheDiagramIsBlankAndTheMessageOnStderr) {
  const ToolRun run = Chord({"--png", Path("9.png"), "--candidate", "9", "C4", "E4", "G4"});
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.err.toStdString(), "これ以上候補はありません\n");
  const QImage blank(Path("9.png"));
  EXPECT_EQ(blank.pixel(60, 194), qRgb(0, 0, 0)) << "the staff stays";
  for (int y = 160; y < 480; y += 7)
    for (int x = 145; x < 800; x += 11) ASSERT_EQ(blank.pixel(x, y), qRgb(255, 255, 255));
}

TEST_F(ChordToolImage, SvgIsOneDocumentWithTheSameDrawing) {
  ASSERT_EQ(Chord({"--svg", Path("c.svg"), "C4", "E4", "G4"}).status, 0);
  QFile file(Path("c.svg"));
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  const QString svg = QString::fromUtf8(file.readAll());
  EXPECT_EQ(svg.count("<svg"), 1);
  EXPECT_TRUE(svg.trimmed().endsWith("</svg>") && svg.contains("viewBox=\"0 0 800 480\""));
  EXPECT_TRUE(svg.contains("#ff0000")) << "the red dots";
  const auto size = QRegularExpression(R"(<svg width="([\d.]+)mm" height="([\d.]+)mm")").match(svg);
  ASSERT_TRUE(size.hasMatch()) << "a size for viewers";
  EXPECT_NEAR(size.captured(1).toDouble() / size.captured(2).toDouble(), 800.0 / 480, 0.01);
}

TEST_F(ChordToolImage, AFolderThatIsNotThereIsAnErrorAndLeavesNothing) {
  const QString path = Path("missing/c.png");
  const ToolRun run = Chord({"--png", path, "C4"});
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(run.err.count('\n'), 1) << run.err.toStdString();
  EXPECT_TRUE(run.err.contains(path)) << run.err.toStdString();
  EXPECT_EQ(QDir(dir_.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries), QStringList{});
  EXPECT_EQ(Chord({"--svg", Path("missing/x.svg"), "C4"}).status, 1);
}

}  // namespace
