// fretwise-chord's chord boxes, sheets, songs, ChordPro lines and voicings heard, checked in the
// files a player gets: PDFs read back by poppler's pdfinfo and pdftotext, PNGs by pixel, sound as
// SDL's disk driver writes it.
#include <SDL.h>
#include <SDL_mixer.h>
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QDir>
#include <QFile>
#include <QImage>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "support/audio_analysis.h"
#include "support/tool_run.h"

namespace fretwise::test {
namespace {

// The words of the PDF's text (page 0: all pages) that are among `names`, in drawing order.
QStringList NamesIn(const QString& pdf, const QStringList& names, int page = 0) {
  QStringList arguments{"-raw"};
  if (page > 0) arguments << "-f" << QString::number(page) << "-l" << QString::number(page);
  const QString text = Tool(arguments << pdf << "-", {.program = "pdftotext"}).Out();
  QStringList found;
  for (const QString& word : text.split(QRegularExpression("\\s+"), Qt::SkipEmptyParts))
    if (names.contains(word)) found << word;
  return found;
}

// pdfinfo's value for a key, such as "Pages" or "Page size".
QString PdfInfo(const QString& pdf, const QString& key) {
  const QString info = Tool({pdf}, {.program = "pdfinfo"}).Out();
  return QRegularExpression("^" + key + ":\\s*(.*)$", QRegularExpression::MultilineOption)
      .match(info)
      .captured(1);
}

bool WriteFile(const QString& path, const QByteArray& bytes) {
  QFile file(path);
  return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

TEST(ChordBoxTool, BadSheetsSongsAndSoundsAreOneLineAndWriteNothing) {
  const QTemporaryDir dir, songs;
  const QString fifo = songs.filePath("fifo.cho"), big = songs.filePath("big.cho");
  ASSERT_TRUE(::mkfifo(QFile::encodeName(fifo).constData(), 0600) == 0 &&
              WriteFile(big, QByteArray((1 << 20) + 1, '[')));
  // The arguments, the status and a part of the one stderr line; "@" is the output folder.
  const std::tuple<QStringList, int, QString> rows[] = {
      {{"--sheet", "@/s.pdf", "C", "Hm7", "G"}, 2, "chord 'Hm7' is not a chord symbol"},
      {{"--sheet", "@/s.txt", "C"}, 2, "ending in .pdf, .svg or .png, not '@/s.txt'"},
      {{"--sheet", "@/s.pdf"}, 2, "--sheet needs chord symbols or --song"},
      {{"--sheet", "@/s.pdf", "--song", "@/none.cho"}, 1, "cannot read '@/none.cho': No such"},
      {{"--sheet", "@/s.pdf", "--song", fifo}, 1, "fifo.cho': not a regular file"},
      {{"--sheet", "@/s.pdf", "--song", songs.path()}, 1, "': Is a directory"},
      {{"--sheet", "@/s.pdf", "--song", big}, 1, "big.cho': larger than 1 MB"},
      {{"--sheet", "@/s.pdf", "--song", big, "C"}, 2, "--song takes no chord symbols, not 'C'"},
      {{"--sheet", "@/no/s.pdf", "C"}, 1, "cannot write '@/no/s.pdf': No such file"},
      {{"--sheet", "@/s.pdf", "--page", "A5", "C"}, 2, "--page needs a4 or letter, not 'A5'"},
      {{"--sheet", "@/s.pdf", "--max", "2", "C"}, 2, "--max does not go with --sheet"},
      {{"--song", big}, 2, "--song needs --sheet"},
      {{"--left-handed", "C4"}, 2, "--left-handed needs --voicings, --chord or --sheet"},
      {{"--chord", "C", "--title", "T"}, 2, "--title does not go with --chord"},
      {{"--chord", "C", "--pdf", "@/c.pdf", "--json"}, 2, "--json does not go with --png"},
      {{"--chord", "C", "--png", "@"}, 1, "cannot write '@': Is a directory"},
      {{"--name", "C4", "E4", "--svg", "@/n.svg"}, 2, "--svg does not go with --name"},
      {{"--chord", "C", "--chordpro", "--json"}, 2, "--json does not go with --chordpro"},
      {{"--chord", "C", "--play", "--strum", "101"}, 2, "from 0 to 100, not '101'"},
      {{"--chord", "C", "--strum-up"}, 2, "--strum-up needs --play"},
  };
  for (auto [arguments, status, says] : rows) {
    const ToolRun run = Tool(arguments.replaceInStrings("@", dir.path()));
    SCOPED_TRACE(arguments.join(' ').toStdString() + " said " + run.err.toStdString());
    EXPECT_EQ(std::tuple(run.status, run.out.size(), run.err.count('\n'), run.err.left(16)),
              std::tuple(status, 0, 1, QString("fretwise-chord: ")));
    EXPECT_TRUE(run.err.contains(says.replace("@", dir.path())));
  }
  EXPECT_TRUE(QDir(dir.path()).isEmpty()) << "a failed image leaves nothing";
}

TEST(ChordBoxTool, ASheetKeepsItsOrderOnAsManyPagesAsItNeeds) {
  const QTemporaryDir dir;
  QStringList symbols;
  for (const char* quality : {"", "m", "7", "m7", "maj7", "sus4", "9", "dim7", "6"})
    for (const char* root : {"C", "Db", "D", "Eb", "E", "F", "F#", "G", "Ab", "A", "Bb", "B"})
      symbols << QString(root) + quality;
  symbols = symbols.mid(0, 100);
  std::ranges::reverse(symbols);  // not the order a sort would give
  const QString pdf = dir.filePath("sheet.pdf");
  ASSERT_EQ(Tool(QStringList{"--sheet", pdf, "--title", "Sheet"} + symbols).status, 0);
  const int pages = PdfInfo(pdf, "Pages").toInt();
  const int perPage = NamesIn(pdf, symbols, 1).size();
  EXPECT_EQ(NamesIn(pdf, symbols), symbols);
  EXPECT_TRUE(perPage % 6 == 0 && perPage <= 48 && pages == (100 + perPage - 1) / perPage)
      << pages << " pages of " << perPage;
  EXPECT_EQ(std::pair(NamesIn(pdf, {"Sheet"}, 1).size(), NamesIn(pdf, {"Sheet"}, 2).size()),
            std::pair(qsizetype(1), qsizetype(0)));
  EXPECT_TRUE(PdfInfo(pdf, "Page size").endsWith("(A4)"));
  // Letter pages, on standard output; a chord no string can reach still has its box and name.
  ASSERT_TRUE(WriteFile(pdf, Tool({"--sheet", "-", "--page", "letter", "--span", "2", "--tuning",
                                   "C2 C2 C2 C2 C2 C2", "C", "Em"})
                                 .out));
  EXPECT_EQ(PdfInfo(pdf, "Page size"), "612 x 792 pts (letter)");
  EXPECT_EQ(NamesIn(pdf, {"C", "Em", "1", "2", "3", "4"}), QStringList({"C", "Em"}));
}

TEST(ChordBoxTool, ASongsChordsOnceEachInOrderUnderItsTitle) {
  const QTemporaryDir dir;
  const QString song = dir.filePath("song.cho"), pdf = dir.filePath("song.pdf");
  ASSERT_TRUE(WriteFile(song,
                        "\xEF\xBB\xBF{title: Morning}\r\n"
                        "{define: Am7 base-fret 5 frets 1 3 1 1 1 1 fingers 1 3 1 1 1 1}\r\n"
                        "[G]Kettle [N.C.]on the [*Riff] [Am7]stove\r\n"
                        "# [F] in a comment\r\n"
                        "[G]window [Cmaj7]grey [Am7]\r\n"));
  const QStringList names = {"G", "Am7", "Cmaj7", "F", "N.C.", "*Riff", "Morning", "5fr"};
  ASSERT_EQ(Tool({"--sheet", pdf, "--song", song}).status, 0);
  EXPECT_EQ(NamesIn(pdf, names), QStringList({"G", "Am7", "5fr", "Cmaj7", "Morning"}));
  ASSERT_EQ(Tool({"--sheet", pdf, "--song", song, "--title", "Evening"}).status, 0);
  EXPECT_EQ(NamesIn(pdf, {"Morning", "Evening"}), QStringList("Evening"));
}

// What --chordpro writes, read back by --song, draws the box the finder's voicing draws.
TEST(ChordBoxTool, ChordProLinesReadBackAsTheSameBoxes) {
  const QTemporaryDir dir;
  EXPECT_EQ(Tool({"--chord", "Am7", "--max", "2", "--chordpro"}).out,
            "{define: Am7 base-fret 1 frets x 0 2 0 1 0 fingers 0 0 2 0 1 0}\n"
            "{define: Am7 base-fret 1 frets x 0 2 0 1 x fingers 0 0 2 0 1 0}\n");
  const QStringList rows[] = {
      {"F"}, {"Bm7b5", "--left-handed"}, {"D", "--tuning", "drop-d"}, {"C#m9", "--span", "5"}};
  for (const QStringList& row : rows) {
    SCOPED_TRACE(row.join(' ').toStdString());
    const QStringList options = row.mid(1);
    const QByteArray define =
        Tool(QStringList{"--chord", row[0], "--max", "1", "--chordpro"} + options).out;
    ASSERT_TRUE(define.startsWith("{define: " + row[0].toUtf8() + " "));
    ASSERT_TRUE(WriteFile(dir.filePath("s.cho"), define + "[" + row[0].toUtf8() + "]\n"));
    const QString fromSong = dir.filePath("song.png"), found = dir.filePath("found.png");
    ASSERT_EQ(
        Tool(QStringList{"--sheet", fromSong, "--song", dir.filePath("s.cho")} + options).status,
        0);
    ASSERT_EQ(Tool(QStringList{"--sheet", found, row[0]} + options).status, 0);
    EXPECT_EQ(QImage(fromSong), QImage(found));
  }
}

TEST(ChordBoxTool, ImagesShowTheFirstVoicingOrTheFirstNInAGrid) {
  const QImage one = QImage::fromData(Tool({"--chord", "Am7", "--png", "-"}).out);
  const QImage grid = QImage::fromData(Tool({"--chord", "Am7", "--max", "8", "--png", "-"}).out);
  const QImage mirrored =
      QImage::fromData(Tool({"--chord", "Am7", "--png", "-", "--left-handed"}).out);
  EXPECT_EQ(std::tuple(one.width(), grid.width(), grid.height() > 2 * one.height()),
            std::tuple(120, 6 * 120 + 5 * 12, true));
  EXPECT_EQ(grid.copy(0, 0, 120, one.height()), one);
  EXPECT_TRUE(mirrored.size() == one.size() && mirrored != one);
  const QTemporaryDir dir;
  const QString pdf = dir.filePath("am7.pdf");
  ASSERT_TRUE(WriteFile(pdf, Tool({"--chord", "Am7", "--max", "3", "--pdf", "-"}).out));
  EXPECT_EQ(std::pair(PdfInfo(pdf, "Pages"), NamesIn(pdf, {"Am7"}).size()),
            std::pair(QString("1"), qsizetype(3)));
  EXPECT_TRUE(Tool({"--voicings", "C3", "E3", "G3", "--svg", "-"}).Out().contains(">C</text>"));
  // Without --chord the window's drawing, now as a PDF too; a chord without a voicing draws an
  // empty box under its name and says so.
  ASSERT_TRUE(WriteFile(pdf, Tool({"--pdf", "-", "C4", "E4", "G4"}).out));
  EXPECT_EQ(PdfInfo(pdf, "Page size"), "800 x 480 pts");
  const ToolRun none =
      Tool({"--chord", "C", "--span", "2", "--tuning", "C2 C2 C2 C2 C2 C2", "--png", "-"});
  EXPECT_EQ(std::tuple(none.status, QImage::fromData(none.out).width(), none.err),
            std::tuple(0, 120, QString("No playable voicing.\n")));
}

// --play sounds the first voicing, Am7's x 0 2 0 1 0: what the disk driver captures is the sum
// of its five notes, each starting its strum's time after the first.
TEST(ChordBoxTool, PlaySoundsTheFirstVoicingStrummedAsAsked) {
  const QTemporaryDir dir;
  const QString capture = dir.filePath("capture.raw");
  const std::vector<std::string> notes = {"A2", "E3", "G3", "C4", "E4"};
  const std::tuple<QStringList, std::vector<int>> rows[] = {
      {{}, {0, 15, 30, 45, 60}},  // a light downstroke
      {{"--strum", "100", "--strum-up"}, {400, 300, 200, 100, 0}},
      {{"--strum", "0"}, {0, 0, 0, 0, 0}},
  };
  std::vector<std::vector<std::int16_t>> captured;
  for (const auto& [options, starts] : rows) {
    const ToolRun run =
        Tool(QStringList{"--chord", "Am7", "--max", "1", "--play"} + options,
             {.environment = {"SDL_AUDIODRIVER=disk", "SDL_DISKAUDIOFILE=" + capture,
                              "SDL_DISKAUDIODELAY=0"}});
    ASSERT_EQ(std::tuple(run.status, run.err, run.out.left(8)),
              std::tuple(0, QString(), "1: x 0 2"));
    captured.push_back(Samples(capture.toStdString(), 0, 2));  // the left of 16-bit stereo
  }
  // The notes as SDL_mixer decodes them for the tool's output.
  ASSERT_TRUE(SDL_setenv("SDL_AUDIODRIVER", "dummy", 1) == 0 &&
              Mix_OpenAudio(44100, AUDIO_S16SYS, 2, 512) == 0);
  std::vector<std::vector<std::int16_t>> decoded;
  for (const std::string& note : notes)
    decoded.push_back(
        DecodedLeft(FRETWISE_BUILD_DIR "/instruments/steel-guitar/" + note + ".flac"));
  Mix_CloseAudio();
  ::unsetenv("SDL_AUDIODRIVER");  // for the tools that later tests in this process run
  for (std::size_t r = 0; r < captured.size(); ++r) {
    SCOPED_TRACE(QStringList(std::get<0>(rows[r])).join(' ').toStdString());
    const std::vector<std::int16_t>& left = captured[r];
    const auto first = std::ranges::find_if(left, [](int s) { return s != 0; }) - left.begin();
    ASSERT_LT(first, std::ssize(left)) << "nothing was heard";
    const std::size_t start = first / 512 * 512;  // its buffer's start
    std::vector<int> sum(left.size() - start);
    for (std::size_t i = 0; i < decoded.size(); ++i) {
      const std::size_t offset = std::size_t(std::get<1>(rows[r])[i]) * 44100 / 1000;
      ASSERT_TRUE(!decoded[i].empty() && offset + decoded[i].size() <= sum.size()) << notes[i];
      for (std::size_t t = 0; t < decoded[i].size(); ++t) sum[offset + t] += decoded[i][t];
    }
    for (std::size_t t = 0; t < sum.size(); ++t)
      ASSERT_NEAR(std::clamp(sum[t], -32768, 32767), left[start + t], 2) << "frame " << t;
  }
}

}  // namespace
}  // namespace fretwise::test
