// fretwise-chord as players and scripts use it: its reports, images, sound, files and bad input.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QDir>
#include <QFile>
#include <QImage>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <chrono>
#include <filesystem>
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
  const QJsonObject json = Json(Tool({"--json", "C4", "E4", "G4"}).out);
  EXPECT_EQ(std::tuple(json["candidates"].toArray().size(), json["message"],
                       json["candidates"][0]["tuning"]),
            std::tuple(5, QJsonValue("これ以上候補はありません"), QJsonValue()));
  // Flats, the sharp sign, lower case and a repeated note name the same chord as its slots.
  EXPECT_EQ(Tool({"--json", "c2", "Fb2", "G2", "G2"}).out,
            Tool({"--json", "--slots", "48,54,58"}).out);
  const QString tuned = Tool({"C#2", "G3"}).Out();
  EXPECT_TRUE(tuned.startsWith("Chord: (none)\nCandidate 1: frets 0-4\n  strings 6-1: 1 x x 0 x x\n"
                               "  string 6 tuned down to C\n") &&
              tuned.endsWith("これ以上候補はありません\n"))
      << tuned.toStdString();
  // No notes: one empty candidate, whatever is asked for.
  EXPECT_EQ(Tool({"--max", "2147483647"}).out.count("Candidate ") +
                Tool({"--json", "--max", "3"}).out.count("cells"),
            2);
}

TEST(ChordTool, AFailureIsOneLineNamingWhatFailedAndNothingOnStdout) {
  const QTemporaryDir dir;
  // The arguments, the status and parts of the one stderr line; "@" is the test's folder.
  const std::tuple<QStringList, int, QStringList> rows[] = {
      {{"C4", "H4"}, 2, {"note 'H4' is not a pitch from C2 to B5"}},
      {{"--slots", "3,64"}, 2, {"slot '64' is not a slot index from 0 to 63"}},
      {{"--slots", "2"}, 2, {"slot '2' is a natural slot, which has no check box"}},
      {{"--max", "0", "C4"}, 2, {"--max needs a whole number of at least 1, not '0'"}},
      {{"--candidate", "2", "C4"}, 2, {"--candidate 2 needs --png, --svg or --pdf"}},
      {{"\x1b[2JC\n4\x7f\u0085"}, 2, {"'\\x1B[2JC\\n4\\x7F\\u0085'"}},
      {{"--json", "--png", "@/a.png", "C4"}, 2, {"--json"}},
      {{"--svg", "@", "C4"}, 1, {"Is a directory"}},
      {{"--png", "@/no/a.png", "--svg", "/dev/full", "C4"}, 1, {"@/no/a.png", "'/dev/full'"}},
      {{"--chord", "Cmaj8"}, 2, {"'Cmaj8'"}},
      {{"--chord", "C", "--tuning", "E2 A2"}, 2, {"'E2 A2'"}},
      {{"--chord", "C", "--tuning", "E2 A2 D3 G3 B3 X4"}, 2, {"'E2 A2 D3 G3 B3 X4'"}},
      {{"--chord", "C", "--tuning", "C1 F1 B1 E2 A2 D3 G3 B3 E4"}, 2, {"--tuning", "'C1 F1 B1"}},
      {{"--chord", "C", "--tuning", "G4 C4 E4 A9"}, 2, {"'G4 C4 E4 A9'"}},
      {{"--chord", "C", "--tuning", "banjo"}, 2, {"'banjo'"}},
      {{"--chord", "C", "--frets", "25"}, 2, {"--frets", "'25'"}},
      {{"--chord", "C", "--capo", "0"}, 2, {"--capo", "from 1 to 12", "'0'"}},
      {{"--voicings", "C3", "E3", "--position", "x"}, 2, {"--position", "'x'"}},
      {{"--capo", "2", "C3"}, 2, {"--capo needs"}},
      {{"--chord", "C", "--span", "7"}, 2, {"'7'"}},
      {{"--voicings", "C3", "--span", "1"}, 2, {"'1'"}},
      {{"--name", "--json"}, 2, {"--name"}},
      {{"--chord", "C7", "C3"}, 2, {"'C3'"}},
      {{"--chord", "C", "--name", "C3"}, 2, {"--name"}},
      {{"--voicings", "C3", "C9"}, 2, {"'C9'"}},
      {{"--span", "3", "C3"}, 2, {"--span"}},
      {{"--chord", "C", "--max", "0"}, 2, {"'0'"}},
  };
  for (auto [arguments, status, says] : rows) {
    const ToolRun run = Tool(arguments.replaceInStrings("@", dir.path()));
    SCOPED_TRACE(arguments.join(' ').toStdString() + " said " + run.err.toStdString());
    EXPECT_EQ(std::tuple(run.status, run.out.size(), run.err.count('\n'), run.err.left(16)),
              std::tuple(status, 0, 1, QString("fretwise-chord: ")));
    for (const QString& part : says.replaceInStrings("@", dir.path()))
      EXPECT_TRUE(run.err.contains(part)) << part.toStdString();
  }
  EXPECT_TRUE(QDir(dir.path()).isEmpty()) << "a failed image leaves nothing";
}

// A run that cannot write its answer, or is asked for more than it answers, says so in one line.
TEST(ChordTool, AFailedWriteIsStatusOneAndOneLineNamingTheOutput) {
  const QString symbol(100000, 'X');
  // The arguments, the input, the shell's redirection, the status and the stderr line.
  const std::tuple<QStringList, QByteArray, QString, int, QString> rows[] = {
      {{"--chord", "Am7"},
       "",
       ">/dev/full",
       1,
       "cannot write standard output: No space left on device"},
      {{"--batch"},
       "--chord Am7\n",
       ">/dev/full",
       1,
       "cannot write standard output: No space left on device"},
      {{"C4", "E4", "G4"}, "", ">&-", 1, "cannot write standard output: Bad file descriptor"},
      {{"--png", "-", "C4", "E4", "G4"}, "", ">&-", 1, "cannot write '-': Bad file descriptor"},
      {{"--svg", "-", "C4"}, "", ">/dev/full", 1, "cannot write '-': No space left on device"},
      {{"--batch"}, "", "<&-", 1, "cannot read standard input: Bad file descriptor"},
      {{"--sheet", "-", "Am7"}, "", ">/dev/full", 1, "cannot write '-': No space left on device"},
      {{"--chord", symbol},
       "",
       "",
       2,
       "chord '" + symbol.left(80) +
           "\u2026' is not a chord symbol (like C, F#m7, Bbmaj7 or Am7/G)"},
  };
  for (const auto& [arguments, input, redirect, status, line] : rows) {
    const ToolRun run = Tool(arguments, {.input = input, .redirect = redirect});
    SCOPED_TRACE(arguments.join(' ').left(80).toStdString() + " " + redirect.toStdString());
    EXPECT_EQ(std::pair(run.status, run.err), std::pair(status, "fretwise-chord: " + line + "\n"));
  }
}

// --play waits until the chord has sounded, and keeps the audio libraries' own lines (ALSA
// finding no card) off stderr.
TEST(ChordTool, PlaySoundsTheFirstCandidateToItsEndWithOnlyItsOwnLine) {
  const QTemporaryDir dir;
  // The driver, the folder, the status and the stderr line (or its start, before SDL's reason).
  const std::tuple<QString, QString, int, QString> rows[] = {
      {"dummy", FRETWISE_BUILD_DIR, 0, ""},
      {"alsa", FRETWISE_BUILD_DIR, 1, "fretwise-chord: オーディオデバイスを開けません: "},
      {"dummy", dir.path(), 1,
       "fretwise-chord: サウンドファイル「.\\wav\\4\\C2.wav」がありません\n"},
  };
  for (const auto& [driver, folder, status, err] : rows) {
    SCOPED_TRACE(driver.toStdString() + " in " + folder.toStdString());
    const auto start = std::chrono::steady_clock::now();
    const ToolRun run = Tool(
        {"--play", "--max", "1", "C4", "E4", "G4"},
        {.environment = {"SDL_AUDIODRIVER=" + driver, "ALSA_CONFIG_PATH=" + dir.filePath("none")},
         .folder = folder});
    EXPECT_EQ(std::tuple(run.status, run.err.count('\n'), run.err.left(err.size())),
              std::tuple(status, qsizetype(status), err))
        << run.err.toStdString();
    EXPECT_TRUE(status ||
                (std::chrono::steady_clock::now() - start >= std::chrono::milliseconds(1500) &&
                 run.out == "Chord: C\nCandidate 1: frets 8-12\n  strings 6-1: x x 10 9 8 x\n"
                            "  sound files: 4\\C2.wav 3\\E2.wav 2\\G2.wav\n"));
  }
}

// Images go to files, stdout ("-"), devices and FIFOs; the last two are written in place.
TEST(ChordTool, ImagesShowTheWindowsDrawingOnWhite) {
  const QTemporaryDir dir;
  const QString fifo = dir.filePath("fifo");
  ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
  QImage image;
  std::thread reader([&] { image.load(fifo, "PNG"); });
  EXPECT_EQ(Tool({"--png", fifo, "C4", "E4", "G4"}).status, 0);
  EXPECT_EQ(Tool({"--svg", "/dev/null", "C4"}).status, 0);
  reader.join();
  EXPECT_TRUE(std::filesystem::is_fifo(fifo.toStdString()) &&
              std::filesystem::is_character_file("/dev/null"));
  const QImage two =
      QImage::fromData(Tool({"--png", "-", "--candidate", "2", "C4", "E4", "G4"}).out);
  const ToolRun past = Tool({"--png", "-", "--candidate", "9", "C4", "E4", "G4"});
  const QImage blank = QImage::fromData(past.out);
  EXPECT_EQ(std::pair(past.status, past.err), std::pair(0, QString("これ以上候補はありません\n")));
  ASSERT_EQ(image.size(), QSize(800, 480));
  const QRgb white = qRgb(255, 255, 255), black = qRgb(0, 0, 0);
  for (int x = 0; x < 800; ++x) ASSERT_EQ(image.pixel(x, 0), white) << x;
  // The bottom left corner; the head of C4, the dot under fret 5, string 2's mark at fret 8;
  // candidate 2's string 3 at fret 12 and not string 2 at fret 8; past the last the staff stays.
  EXPECT_EQ(std::tuple(image.pixel(0, 479), image.pixel(60, 194), image.pixel(329, 332),
                       image.pixel(418, 215), two.pixel(538, 240), two.pixel(418, 215),
                       blank.pixel(60, 194)),
            std::tuple(white, black, qRgb(255, 0, 0), black, black, white, black));
  for (int y = 160; y < 480; y += 7)
    for (int x = 145; x < 800; x += 11) ASSERT_EQ(blank.pixel(x, y), white);

  const QString svg = Tool({"--svg", "-", "C4", "E4", "G4"}).Out();
  EXPECT_TRUE(svg.count("<svg") == 1 && svg.trimmed().endsWith("</svg>") &&
              svg.contains("viewBox=\"0 0 800 480\"") && svg.contains("#ff0000") &&
              svg.contains(QRegularExpression(R"(<svg width="[\d.]+mm" height="[\d.]+mm")")));
}

// Text needs no module; an image or a play without its module is one line and status 1.
TEST(ChordTool, TextRunsAloneAndAMissingModuleIsOneLine) {
  const QTemporaryDir dir;
  const QString lone = dir.filePath("fretwise-chord");
  ASSERT_TRUE(QFile::copy(FRETWISE_CHORD, lone));
  EXPECT_EQ(Tool({"C4", "E4", "G4"}, {.program = lone}).status, 0);
  for (const char* option : {"--png=-", "--play"}) {
    const ToolRun run = Tool({option, "C4"}, {.program = lone});
    EXPECT_TRUE(run.status == 1 && run.err.count('\n') == 1 && run.err.contains("module"))
        << run.err.toStdString();
  }
  const QString needed = Tool({FRETWISE_CHORD}, {.program = "ldd"}).Out();
  EXPECT_TRUE(needed.contains("libQt6Core") &&
              !needed.contains(QRegularExpression("libQt6(Gui|Svg)|libSDL2")))
      << needed.toStdString();
}

// The chord finder: --voicings, --chord, --name and --batch.
TEST(FinderTool, VoicingsNamesAndTunings) {
  // 28 as the README's weights add up: 3 fingers, a stretch of 2, position 1, 1 muted, 2 open at
  // the nut.
  EXPECT_EQ(Tool({"--chord", "C", "--max", "1", "--json"}).out,
            R"({"query":{"chord":"C","max":1,"span":4},"tuning":["E2","A2","D3","G3","B3","E4"],)"
            R"("voicings":[{"barre":null,"barres":[],"fingers":[0,3,2,0,1,0],)"
            R"("frets":[-1,3,2,0,1,0],"name":"C","names":["C"],)"
            R"("pitches":["C3","E3","G3","C4","E4"],"score":28}]})"
            "\n");
  EXPECT_EQ(Tool({"--chord", "C", "--max", "1"}).out,
            "1: x 3 2 0 1 0  fingers x 3 2 0 1 0  C  C3 E3 G3 C4 E4\n");
  EXPECT_EQ(Json(Tool({"--voicings", "C2", "C3", "E3", "--tuning", "C2 A2 D3 G3 B3 E4", "--json"})
                     .out)["voicings"][0]["frets"],
            QJsonArray({0, 3, 2, -1, -1, -1}));
  EXPECT_EQ(Tool({"--voicings", "C1", "E4"}).out, "No playable voicing.\n");
  // Any instrument, strings in any pitch order; a capo's frets counted from it, with the shape.
  EXPECT_EQ(Tool({"--chord", "C", "--tuning", "ukulele", "--max", "1"}).out,
            "1: 0 0 0 3  fingers 0 0 0 3  C  G4 C4 E4 C5\n");
  EXPECT_EQ(Tool({"--chord", "A", "--capo", "2", "--max", "1"}).out,
            "1: 3 2 0 0 0 3  fingers 2 1 0 0 0 3  A (G shape)  A2 C#3 E3 A3 C#4 A4\n");
  const QJsonObject capo = Json(Tool({"--chord", "A", "--capo", "2", "--max", "1", "--json"}).out);
  EXPECT_EQ(std::pair(capo["capo"].toInt(), capo["voicings"][0]["shape"].toString()),
            std::pair(2, QString("G")));
  EXPECT_EQ(Json(Tool({"--chord", "C", "--position", "7", "--max", "1", "--json"})
                     .out)["voicings"][0]["frets"],
            QJsonArray({8, 10, 10, 9, 8, 8}));
  EXPECT_TRUE(Tool({"--chord", "C9"}).out.contains(" x 3 2 3 3 x ")) << "a ninth without its fifth";
  EXPECT_EQ(Tool({"--name", "C3", "E3", "G3", "A3"}).out, "C6\nAm7/C\nFmaj9/C\n");
  // The notes as the chord's name spells them; notes that make no chord say so.
  EXPECT_EQ(Tool({"--name", "A\u266D2", "C4", "D#4", "--json"}).out,
            R"({"names":["Ab"],"query":{"notes":["Ab2","C4","Eb4"]}})"
            "\n");
  EXPECT_EQ(Tool({"--name", "C4", "C#4", "D4"}).out, "No chord fits these notes.\n");
  // So are each voicing's notes, in text and JSON.
  EXPECT_EQ(Tool({"--chord", "C7", "--max", "1"}).out,
            "1: x 3 2 3 1 0  fingers x 3 2 4 1 0  C7  C3 E3 Bb3 C4 E4\n");
  EXPECT_EQ(Json(Tool({"--voicings", "G#2", "C3", "D#3", "--max", "1", "--json"})
                     .out)["voicings"][0]["pitches"],
            QJsonArray({"Ab2", "C3", "Eb3"}));
}

// One answer per line, in order, whatever a line asks: an error in place of what it cannot answer.
TEST(FinderTool, BatchAnswersEveryLineItCanRead) {
  const std::pair<QByteArray, QString> rows[] = {
      {"--chord Am7 --max 2", "2 voicings, tuning E2"},
      {"--chord Hm7", "chord 'Hm7' is not a chord symbol (like C, F#m7, Bbmaj7 or Am7/G)"},
      {"C4 E4 G4 --max 1", "1 candidates, C"},
      // Longer than the first read can hold, from where earlier lines leave it.
      {"--name" + QByteArray(65480, ' ') + " C4 E4 G4", "names C"},
      {"--name C4 E4 G4", "names C"},
      {"--name\xe3\x80\x80" "C4\xc2\xa0" "E4 G4", "names C"},  // an ideographic and a no-break space
      {"--voicings E2 B2 E3 --tuning drop-d --max 1", "1 voicings, tuning D2"},
      {"--max 2147483647", "1 candidates, "},  // no notes: one candidate, as on the command line
      {"--name" + QByteArray(" C4").repeated(49), "a chord has at most 48 notes, not 49"},
      {QByteArray(100000, '\0'), "a line longer than 65536 bytes is not a query; it is skipped"},
      {"", "an empty line is not a query"},
      {"--name C4 C#4 D4", "names "},
      {"--sheet x.pdf C",
       "--batch writes only JSON: no images, sheets or ChordPro, and plays nothing"},
  };
  QByteArray input;
  for (const auto& [line, answer] : rows) input += line + "\n";
  const ToolRun run = Tool({"--batch"}, {.input = input});
  const QList<QByteArray> lines = run.out.split('\n');
  ASSERT_EQ(std::pair(run.status, lines.size()), std::pair(0, qsizetype(std::size(rows) + 1)));
  for (std::size_t i = 0; i < std::size(rows); ++i) {
    const QJsonObject a = Json(lines[i]);
    QStringList names;
    for (const QJsonValue& name : a["names"].toArray()) names += name.toString();
    const QString summary = a.contains("error")      ? a["error"].toString()
                            : a.contains("names")    ? "names " + names.join(' ')
                            : a.contains("voicings") ? QString("%1 voicings, tuning %2")
                                                           .arg(a["voicings"].toArray().size())
                                                           .arg(a["tuning"][0].toString())
                                                     : QString("%1 candidates, %2")
                                                           .arg(a["candidates"].toArray().size())
                                                           .arg(a["name"].toString());
    EXPECT_EQ(summary, rows[i].second) << rows[i].first.left(80).toStdString();
  }
}

// A --batch line is read as the same words on the command line: the same JSON, or its error.
TEST(FinderTool, ABatchLineReadsAsTheCommandLine) {
  const QStringList rows[] = {
      {"-chord=Am7", "-max", "2"},
      {"--chord", "C", "--tuning", "C2 A2 D3 G3 B3 E4", "--max", "1"},
      {"--voicings", "C4", "E4", "--max", "+3"},
      {"--name", "A\u266D2", "C4", "Eb4"},
      {"--slots", " 16, 22", "--", "-C4"},
      {"--max", " 2 ", "C4", "-", "E4"},
      {"--json=1", "C4"},
      {"--foo", "-bar=2", "C4"},
      {"--" + QString(100, 'y'), "--z"},
      {"--chord", "C", "--max"},
      {"--chord", "Am7", "--svg", "x.svg"},
      {"--name", "C4", "--slots", "3"},
      {"--max", "3"},
  };
  QByteArray input;
  for (const QStringList& row : rows) {
    for (const QString& word : row) input += "\"" + word.toUtf8().replace("\"", "\"\"\"") + "\" ";
    input += "--json\n";
  }
  const QList<QByteArray> answers = Tool({"--batch"}, {.input = input}).out.split('\n');
  ASSERT_EQ(answers.size(), qsizetype(std::size(rows) + 1));
  for (std::size_t i = 0; i < std::size(rows); ++i) {
    const ToolRun run = Tool(rows[i] + QStringList{"--json"});
    SCOPED_TRACE(rows[i].join(' ').toStdString() + " said " + run.err.toStdString());
    if (run.status == 0) {
      EXPECT_EQ(answers[i] + "\n", run.out);
    } else {
      EXPECT_EQ("fretwise-chord: " + Json(answers[i])["error"].toString() + "\n", run.err);
    }
  }
}

}  // namespace
}  // namespace fretwise::test
