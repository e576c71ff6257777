// What the canvas surface's ellipses and text put on the image, pixel by pixel.
#include <gtest/gtest.h>

#include <QFontInfo>
#include <QFontMetrics>

#include "tests/support/canvas_image.h"

namespace fretwise::test {
namespace {

struct EllipseCase {
  const char* name;
  int left, top, right, bottom;
  std::vector<std::string> rows;  // o: pen, +: brush, .: untouched
};
void PrintTo(const EllipseCase& c, std::ostream* os) { *os << c.name; }

class EllipseTest : public testing::TestWithParam<EllipseCase> {};

TEST_P(EllipseTest, OutlinesAndFillsTheInscribedEllipse) {
  const EllipseCase& c = GetParam();
  QImage image = GreyImage();
  Draw(image, [&](Surface& dc) {
    dc.SelectObject(dc.CreatePen(kSolidPen, 1, kRed));
    dc.SelectObject(dc.CreateSolidBrush(kGreen));
    dc.RoundRect(c.left, c.top, c.right, c.bottom, 90, 90);
  });
  const Pixels outline = Marked(c.left, c.top, c.rows, 'o');
  const Pixels inside = Marked(c.left, c.top, c.rows, '+');
  EXPECT_EQ(Where(image, kRed), outline);
  EXPECT_EQ(Where(image, kGreen), inside);
  Pixels both = outline;
  both.insert(inside.begin(), inside.end());
  EXPECT_EQ(Changed(image), both);
}

INSTANTIATE_TEST_SUITE_P(SmallBoxes, EllipseTest,
                         testing::Values(EllipseCase{"EightByFive",
                                                     56,
                                                     234,
                                                     64,
                                                     239,
                                                     {".oooooo.",  //
                                                      "o++++++o",  //
                                                      "o++++++o",  //
                                                      "o++++++o",  //
                                                      ".oooooo."}},
                                         EllipseCase{"FiveByFive",
                                                     327,
                                                     330,
                                                     332,
                                                     335,
                                                     {".ooo.",  //
                                                      "o+++o",  //
                                                      "o+++o",  //
                                                      "o+++o",  //
                                                      ".ooo."}}),
                         [](const auto& info) { return info.param.name; });

TEST(RoundRect, SmallCornersOnALargeBoxStayInsideTheBox) {
  QImage image = GreyImage();
  Draw(image, [](Surface& dc) {
    dc.SelectObject(dc.CreatePen(kSolidPen, 1, kRed));
    dc.SelectObject(dc.CreateSolidBrush(kGreen));
    dc.RoundRect(100, 100, 140, 120, 10, 10);
  });
  for (const auto& [x, y] : Changed(image)) {
    SCOPED_TRACE(testing::Message() << x << "," << y);
    EXPECT_TRUE(x >= 100 && x < 140 && y >= 100 && y < 120);
  }
  for (const auto& [x, y] : {std::pair{120, 100}, {120, 119}, {100, 110}, {139, 110}})
    EXPECT_EQ(At(image, x, y), kRed) << x << "," << y;
  EXPECT_EQ(At(image, 120, 110), kGreen);
  EXPECT_EQ(At(image, 100, 100), 0x808080u);
}

TEST(CanvasFont, IsUnantialiasedIpaGothicWithASixteenPixelLine) {
  const QFont font = CanvasFont();
  EXPECT_EQ(QFontInfo(font).family(), "IPAGothic");
  EXPECT_EQ(QFontMetrics(font).height(), 16);
  EXPECT_EQ(font.styleStrategy() & QFont::NoAntialias, QFont::NoAntialias);
}

struct TextCase {
  const char* name;
  const char* text;
  bool ink;
};
void PrintTo(const TextCase& c, std::ostream* os) { *os << c.name; }

class TextOutTest : public testing::TestWithParam<TextCase> {};

TEST_P(TextOutTest, BlackGlyphsOnAnOpaqueWhiteLineFromTheTopLeft) {
  const TextCase& c = GetParam();
  QImage image = GreyImage();
  Draw(image, [&](Surface& dc) {
    dc.SelectObject(dc.CreatePen(kSolidPen, 1, kRed));
    dc.TextOut(40, 50, c.text);
  });
  const int width = QFontMetrics(CanvasFont()).horizontalAdvance(QString::fromUtf8(c.text));
  EXPECT_EQ(Changed(image), Box(40, 50, 40 + width, 50 + 16));
  const Pixels black = Where(image, kBlack);
  const Pixels white = Where(image, kWhite);
  EXPECT_EQ(black.size() + white.size(), Changed(image).size()) << "only pure black and white";
  EXPECT_EQ(!black.empty(), c.ink);
}

INSTANTIATE_TEST_SUITE_P(Texts, TextOutTest,
                         testing::Values(TextCase{"Ascii", "Am7", true},
                                         TextCase{"Utf8Sharp", "C\u266Fm", true},
                                         TextCase{"Space", " ", false},
                                         TextCase{"Empty", "", false}),
                         [](const auto& info) { return info.param.name; });

}  // namespace
}  // namespace fretwise::test
