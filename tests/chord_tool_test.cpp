// fretwise-chord as players and scripts use it.
#include <gtest/gtest.h>

#include <QDir>
#include <QElapsedTimer>
#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>

namespace {

struct ToolRun {
  int status;
  QString out;
  QString err;
};

ToolRun Run(QProcess& process, const QStringList& arguments) {
  process.start(FRETWISE_CHORD, arguments);
  process.waitForFinished(30000);
  return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
          QString::fromUtf8(process.readAllStandardOutput()),
          QString::fromUtf8(process.readAllStandardError())};
}

ToolRun Chord(const QStringList& arguments) {
  QProcess process;
  return Run(process, arguments);
}

// fretwise-chord --play in a working folder, on one of SDL's audio drivers.
ToolRun Play(const QStringList& arguments, const QString& folder, const QString& driver) {
  QProcess process;
  QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
  environment.insert("SDL_AUDIODRIVER", driver);
  process.setProcessEnvironment(environment);
  process.setWorkingDirectory(folder);
  return Run(process, QStringList{"--play"} + arguments);
}

QJsonObject Json(const QStringList& arguments) {
  const ToolRun run = Chord(QStringList{"--json"} + arguments);
  EXPECT_EQ(run.status, 0) << run.err.toStdString();
  QJsonParseError error;
  const QJsonDocument doc = QJsonDocument::fromJson(run.out.toUtf8(), &error);
  EXPECT_EQ(error.error, QJsonParseError::NoError) << run.out.toStdString();
  return doc.object();
}

QString Compact(const QJsonValue& value) {
  return value.isArray()    ? QJsonDocument(value.toArray()).toJson(QJsonDocument::Compact)
         : value.isObject() ? QJsonDocument(value.toObject()).toJson(QJsonDocument::Compact)
                            : value.toVariant().toString();
}

TEST(ChordToolJson, CMajorTriadListsEveryCandidateAndTheMessage) {
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
  EXPECT_EQ(Compact(candidates[2]["window"]), "[6,10]");
  EXPECT_EQ(Compact(candidates[4]["window"]), "[7,11]");
  EXPECT_EQ(json["message"].toString(), "これ以上候補はありません");
}

TEST(ChordToolJson, SpellingsSlotsMaxAndTuning) {
  // Flats, the sharp sign, lower case and a repeated note name the same chord.
  EXPECT_EQ(Json({"c2", "Fb2", "G2", "G2"}), Json({"--slots", "48,54,58"}));
  const QJsonObject low = Json({"--max", "1", "C2", "E3", "G3"});
  const QJsonArray candidates = low["candidates"].toArray();
  ASSERT_EQ(candidates.size(), 1);
  EXPECT_EQ(Compact(candidates[0]["cells"]), R"(["NN","NN","3 0","4 2","NN","6 0"])");
  EXPECT_EQ(candidates[0]["tuning"].toString(), "C");
  EXPECT_TRUE(low["message"].isNull());
  EXPECT_EQ(Compact(Json({"C#3", "D♭3"})["notes"]),
            R"([{"pitch":"C#3","slot":33,"token":"C3_SRP"}])");
}

TEST(ChordToolJson, NoNotesGiveOneCandidateWithEveryStringUnplayed) {
  const QJsonObject json = Json({});
  EXPECT_EQ(Compact(json["candidates"]),
            R"([{"cells":["NN","NN","NN","NN","NN","NN"],"highestFret":0,"soundFiles":[],)"
            R"("tuning":null,"window":[0,4]}])");
  EXPECT_EQ(Json({"--max", "3"})["candidates"].toArray().size(), 1);
}

TEST(ChordToolText, BlocksForPeople) {
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
  EXPECT_TRUE(run.err.isEmpty());

  const ToolRun tuned = Chord({"C#2", "G3"});
  EXPECT_EQ(tuned.out.split('\n').mid(0, 5).join('\n').toStdString(),
            "Chord: (none)\n"
            "Candidate 1: frets 0-4\n"
            "  strings 6-1: 1 x x 0 x x\n"
            "  string 6 tuned down to C\n"
            "  sound files: 6\\C4_SRP.wav 3\\G3.wav");
  EXPECT_TRUE(tuned.out.endsWith("これ以上候補はありません\n"));
}

struct BadInput {
  const char* name;
  QStringList arguments;
  const char* named;  // the bad argument, as the error line must show it
  friend void PrintTo(const BadInput& b, std::ostream* os) { *os << b.name; }
};

class ChordToolBadInput : public testing::TestWithParam<BadInput> {};

TEST_P(ChordToolBadInput, OneLineNamingItAndStatusTwo) {
  const ToolRun run = Chord(GetParam().arguments);
  EXPECT_EQ(run.status, 2);
  EXPECT_TRUE(run.out.isEmpty()) << run.out.toStdString();
  EXPECT_EQ(run.err.count('\n'), 1) << run.err.toStdString();
  EXPECT_TRUE(run.err.startsWith("fretwise-chord: ")) << run.err.toStdString();
  EXPECT_TRUE(run.err.contains(GetParam().named)) << run.err.toStdString();
}

INSTANTIATE_TEST_SUITE_P(Rows, ChordToolBadInput,
                         testing::Values(BadInput{"UnknownNote", {"C4", "H4"}, "'H4'"},
                                         BadInput{"BelowTheRange", {"B1"}, "'B1'"},
                                         BadInput{"AboveTheRange", {"C6"}, "'C6'"},
                                         BadInput{"FlatOutOfRange", {"Cb2"}, "'Cb2'"},
                                         BadInput{"SlotOutOfRange", {"--slots", "3,64"}, "'64'"},
                                         BadInput{"SlotNotANumber", {"--slots", "x"}, "'x'"},
                                         BadInput{"NaturalSlot", {"--slots", "2"}, "'2'"},
                                         BadInput{"UnknownOption", {"--frobnicate"}, "frobnicate"},
                                         BadInput{"MaxMissing", {"C4", "--max"}, "max"},
                                         BadInput{"MaxZero", {"--max", "0", "C4"}, "'0'"},
                                         BadInput{
                                             "MaxNotANumber", {"--max", "two", "C4"}, "'two'"}),
                         [](const auto& info) { return info.param.name; });

TEST(ChordTool, HelpPrintsUsage) {
  const ToolRun run = Chord({"--help"});
  EXPECT_EQ(run.status, 0);
  EXPECT_TRUE(run.out.contains("Usage:"));
  EXPECT_TRUE(run.out.contains("--slots"));
  EXPECT_TRUE(run.out.contains("--play"));
}

// The build folder holds the sound set in wav/.
TEST(ChordToolPlay, SoundsTheFirstCandidateAndWaitsUntilItHasSounded) {
  QElapsedTimer timer;
  timer.start();
  const ToolRun run = Play({"--max", "1", "C4", "E4", "G4"}, FRETWISE_BUILD_DIR, "dummy");
  EXPECT_EQ(run.status, 0);
  EXPECT_TRUE(run.err.isEmpty()) << run.err.toStdString();
  EXPECT_TRUE(run.out.startsWith("Chord: C\nCandidate 1: frets 8-12\n")) << run.out.toStdString();
  EXPECT_GE(timer.elapsed(), 1500);  // the notes sound for about two seconds
}

struct PlayFailure {
  const char* name;
  QStringList arguments;
  bool withSoundSet;  // run in the build folder, else in an empty one
  const char* driver;
  QString error;  // the line on stderr, or its start when SDL's reason follows
  friend void PrintTo(const PlayFailure& f, std::ostream* os) { *os << f.name; }
};

class ChordToolPlayFailure : public testing::TestWithParam<PlayFailure> {};

TEST_P(ChordToolPlayFailure, OneLineOnStderrAndStatusOne) {
  const PlayFailure& f = GetParam();
  const QTemporaryDir empty;
  const ToolRun run =
      Play(f.arguments, f.withSoundSet ? FRETWISE_BUILD_DIR : empty.path(), f.driver);
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(run.err.count('\n'), 1) << run.err.toStdString();
  EXPECT_TRUE(run.err.startsWith(f.error)) << run.err.toStdString();
}

INSTANTIATE_TEST_SUITE_P(
    Rows, ChordToolPlayFailure,
    testing::Values(
        PlayFailure{"NoSoundFiles",
                    {"C4", "E4", "G4"},
                    false,
                    "dummy",
                    "fretwise-chord: サウンドファイル「.\\wav\\4\\C2.wav」がありません\n"},
        PlayFailure{"NoAudioDevice",
                    {"C4", "E4", "G4"},
                    true,
                    "nosuch",
                    "fretwise-chord: オーディオデバイスを開けません: "},
        PlayFailure{"SevenNotes",
                    {"C3", "D3", "E3", "F3", "G3", "A3", "B3"},
                    true,
                    "dummy",
                    "fretwise-chord: 6個以上の音は鳴らせません\n"}),
    [](const auto& info) { return info.param.name; });

}  // namespace

namespace {

class ChordToolImage : public testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(dir_.isValid()); }
  QString Path(const QString& name) const { return dir_.filePath(name); }
  QTemporaryDir dir_;
};

TEST_F(ChordToolImage, PngShowsTheStaffAndTheFirstDiagram) {
  const ToolRun run = Chord({"--png", Path("c.png"), "C4", "E4", "G4"});
  EXPECT_EQ(run.status, 0);
  EXPECT_TRUE(run.err.isEmpty()) << run.err.toStdString();
  EXPECT_TRUE(run.out.isEmpty());
  const QImage image(Path("c.png"));
  ASSERT_EQ(image.size(), QSize(800, 480));
  EXPECT_EQ(image.pixel(700, 50), qRgb(255, 255, 255)) << "background";
  EXPECT_EQ(image.pixel(60, 194), qRgb(0, 0, 0)) << "the head of C4";
  EXPECT_EQ(image.pixel(60, 199), qRgb(255, 255, 255)) << "below it, a space";
  EXPECT_EQ(image.pixel(329, 332), qRgb(255, 0, 0)) << "the dot under fret 5";
  EXPECT_EQ(image.pixel(418, 215), qRgb(0, 0, 0)) << "the mark on string 2 at fret 8";
  EXPECT_EQ(image.pixel(12, 80), qRgb(0, 0, 0)) << "the legend's bar";
}

TEST_F(ChordToolImage, ALaterCandidateOrABlankDiagramWithTheMessage) {
  ASSERT_EQ(Chord({"--png", Path("2.png"), "--candidate", "2", "C4", "E4", "G4"}).status, 0);
  const QImage second(Path("2.png"));
  EXPECT_EQ(second.pixel(538, 240), qRgb(0, 0, 0)) << "string 3 at fret 12";
  EXPECT_EQ(second.pixel(418, 215), qRgb(255, 255, 255)) << "no mark at fret 8";

  const ToolRun run = Chord({"--png", Path("9.png"), "--candidate", "9", "C4", "E4", "G4"});
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.err.toStdString(), "これ以上候補はありません\n");
  const QImage blank(Path("9.png"));
  EXPECT_EQ(blank.pixel(60, 194), qRgb(0, 0, 0)) << "the staff stays";
  for (int y = 160; y < 480; y += 7) {
    for (int x = 145; x < 800; x += 11) ASSERT_EQ(blank.pixel(x, y), qRgb(255, 255, 255));
  }
}

TEST_F(ChordToolImage, SvgIsOneDocumentWithTheSameDrawing) {
  ASSERT_EQ(Chord({"--svg", Path("c.svg"), "C4", "E4", "G4"}).status, 0);
  QFile file(Path("c.svg"));
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  const QString svg = QString::fromUtf8(file.readAll());
  EXPECT_EQ(svg.count("<svg"), 1);
  EXPECT_TRUE(svg.trimmed().endsWith("</svg>"));
  EXPECT_TRUE(svg.contains("#ff0000")) << "the red dots";
  EXPECT_TRUE(svg.contains("viewBox=\"0 0 800 480\""));
}

TEST_F(ChordToolImage, AFolderThatIsNotThereIsAnErrorAndLeavesNothing) {
  const QString path = Path("missing/c.png");
  const ToolRun run = Chord({"--png", path, "C4"});
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(run.err.count('\n'), 1) << run.err.toStdString();
  EXPECT_TRUE(run.err.contains(path)) << run.err.toStdString();
  EXPECT_EQ(QDir(dir_.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries), QStringList{});

  ASSERT_EQ(Chord({"--png", Path("c.svg"), "C4"}).status, 0);
  EXPECT_EQ(Chord({"--svg", Path("c.svg/x.svg"), "C4"}).status, 1);
}

INSTANTIATE_TEST_SUITE_P(
    Images, ChordToolBadInput,
    testing::Values(BadInput{"CandidateZero", {"--png", "x.png", "--candidate", "0", "C4"}, "'0'"},
                    BadInput{
                        "CandidateNotANumber", {"--png", "x.png", "--candidate", "one"}, "'one'"},
                    BadInput{"CandidateWithoutImage", {"--candidate", "2", "C4"}, "--png"},
                    BadInput{"PngWithoutFile", {"C4", "--png"}, "png"}),
    [](const auto& info) { return info.param.name; });

}  // namespace
