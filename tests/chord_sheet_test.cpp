// Chord box files as a reader sees them: PDF pages and their text through poppler's pdfinfo and
// pdftotext, SVG text, PNG size.
#include <gtest/gtest.h>

#include <QFile>
#include <QImage>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>

#include "canvas/chord_box_files.h"

namespace fretwise {
namespace {

using chordbox::ChordBox;

QString Output(const QString& program, const QStringList& arguments) {
  QProcess process;
  process.start(program, arguments);
  process.waitForFinished();
  return QString::fromUtf8(process.readAllStandardOutput());
}

std::vector<ChordBox> Boxes(int count) {
  ChordBox am7;  // a barre up the neck: its fret label is text too
  am7.firstFret = 5;
  for (const auto& [fret, finger] : {std::pair{5, 1}, {7, 3}, {5, 1}, {5, 1}, {5, 1}, {5, 1}})
    am7.notes.push_back({fret, finger});
  am7.barres = {{5, 6, 1}};
  std::vector<ChordBox> boxes(count, am7);
  for (int i = 0; i < count; ++i) boxes[i].name = "Box" + std::to_string(i + 1);
  return boxes;
}

// The boxes' names page by page, in reading order: "Box1 Box2 / Box3".
std::string NamesByPage(const QString& pdf) {
  std::string pages;
  for (const QString& page : Output("pdftotext", {"-layout", pdf, "-"}).split('\f')) {
    std::string names;
    for (const auto& match : QRegularExpression("Box\\d+").globalMatch(page))
      names += (names.empty() ? "" : " ") + match.captured().toStdString();
    if (!names.empty()) pages += (pages.empty() ? "" : " / ") + names;
  }
  return pages;
}

std::string Numbered(int from, int to) {
  std::string names;
  for (int i = from; i <= to; ++i) names += (i > from ? " Box" : "Box") + std::to_string(i);
  return names;
}

TEST(ChordSheet, PdfPagesHoldTheBoxesInOrderSixAcrossAndAtMostEightDown) {
  const struct {
    int count;
    chordbox::Paper paper;
    std::string title, pages, pdfinfo;
  } rows[] = {
      {3, chordbox::Paper::kA4, "Morning Song", Numbered(1, 3),
       "Title: Morning Song|Pages: 1|595 x 842 pts (A4)"},
      {49, chordbox::Paper::kA4, "", Numbered(1, 48) + " / Box49", "Pages: 2|595 x 842 pts (A4)"},
      {100, chordbox::Paper::kLetter, "",
       Numbered(1, 42) + " / " + Numbered(43, 84) + " / " + Numbered(85, 100),
       "Pages: 3|612 x 792 pts (letter)"},
  };
  QTemporaryDir folder;
  for (const auto& row : rows) {
    SCOPED_TRACE(row.count);
    const QString path = folder.filePath("sheet.pdf");
    ASSERT_TRUE(
        WriteChordSheet(path, ImageFormat::kPdf, Boxes(row.count), {row.title, row.paper}).ok());
    EXPECT_EQ(NamesByPage(path), row.pages);
    const QString info = Output("pdfinfo", {path}).simplified();
    for (const QString& fact : QString::fromStdString(row.pdfinfo).split('|'))
      EXPECT_TRUE(info.contains(fact)) << info.toStdString();
    EXPECT_EQ(Output("pdftotext", {path, "-"}).contains("Morning Song"), !row.title.empty());
  }
}

// One box alone is exactly its own size; SVG and PDF keep text as text.
TEST(ChordSheet, BoxesAsPngSvgAndPdf) {
  QTemporaryDir folder;
  const std::vector<ChordBox> boxes = Boxes(2);
  const QString png = folder.filePath("one.PNG"), svg = folder.filePath("two.svg"),
                pdf = folder.filePath("two.pdf"), sheet = folder.filePath("sheet.svg");
  for (const QString& path : {png, svg, pdf})
    ASSERT_TRUE(
        WriteChordBoxes(path, *FormatOfPath(path), std::span(boxes).first(path == png ? 1 : 2))
            .ok());
  ASSERT_TRUE(WriteChordSheet(sheet, ImageFormat::kSvg, boxes, {"Morning Song"}).ok());
  const QImage image = QImage(png).convertToFormat(QImage::Format_RGB32);
  QImage blank(image.size(), QImage::Format_RGB32);
  blank.fill(Qt::white);
  EXPECT_EQ(image.width(), 120);
  EXPECT_NE(image, blank);
  QFile svgFile(svg), sheetFile(sheet);
  ASSERT_TRUE(svgFile.open(QIODevice::ReadOnly) && sheetFile.open(QIODevice::ReadOnly));
  const QString svgText = svgFile.readAll(), sheetText = sheetFile.readAll();
  for (const char* text : {">Box1</text>", ">Box2</text>", ">5fr</text>", ">3</text>"})
    EXPECT_TRUE(svgText.contains(text)) << text;
  EXPECT_TRUE(sheetText.contains(">Morning Song</text>"));
  EXPECT_EQ(Output("pdftotext", {pdf, "-"}).simplified().toStdString(),
            "Box1 5fr 1 3 Box2 5fr 1 3");
  EXPECT_EQ(FormatOfPath("notes.txt"), std::nullopt);
}

}  // namespace
}  // namespace fretwise
