// What the Qt canvas puts on an image, pixel by pixel, and its pens, brushes and surfaces.
#include <gtest/gtest.h>

#include <QFontInfo>
#include <QFontMetrics>
#include <array>

#include "draw/drawing_pass.h"
#include "tests/support/canvas_image.h"

namespace fretwise::test {
namespace {

TEST(Canvas, FillRectFillsColumnsAndRowsUpToTheEndWithTheBrushItIsGiven) {
  QImage image = GreyImage();
  Draw(image, [&](Surface& dc) {
    dc.SelectObject(dc.CreateSolidBrush(kGreen));
    dc.FillRect(5, 7, 45, 9, dc.CreateSolidBrush(kRed));
    dc.FillRect(45, 9, 5, 7, 2);  // inverted: nothing
  });
  EXPECT_EQ(Changed(image), Box(5, 7, 45, 9));
  EXPECT_EQ(Where(image, kRed), Box(5, 7, 45, 9));
}

TEST(Canvas, LineToDrawsTheStartAndLeavesTheEnd) {
  const struct {
    int fromX, fromY, toX, toY;
    Pixels drawn;
  } rows[] = {
      {30, 20, 10, 20, Box(11, 20, 31, 21)},
      {200, 10, 208, 13, Marked(200, 10, {"xx", "..xx", "....xxx", ".......x"}, 'x')},
      {50, 50, 50, 50, {}},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(testing::Message() << row.fromX << "," << row.fromY);
    QImage image = GreyImage();
    Draw(image, [&](Surface& dc) {
      dc.SelectObject(dc.CreatePen(kSolidPen, 1, kRed));
      dc.MoveTo(row.fromX, row.fromY);
      dc.LineTo(row.toX, row.toY);
    });
    EXPECT_EQ(Where(image, kRed), row.drawn);
    EXPECT_EQ(Changed(image), row.drawn);
  }
}

// A note head: large corners make the ellipse inscribed in the box.
TEST(Canvas, RoundRectWithLargeCornersIsTheEllipseInscribedInTheBox) {
  QImage image = GreyImage();
  Draw(image, [](Surface& dc) {
    dc.SelectObject(dc.CreatePen(kSolidPen, 1, kRed));
    dc.SelectObject(dc.CreateSolidBrush(kGreen));
    dc.RoundRect(56, 234, 64, 239, 90, 90);
  });
  const std::vector<std::string> head = {".oooooo.", "o++++++o", "o++++++o", "o++++++o",
                                         ".oooooo."};
  EXPECT_EQ(Where(image, kRed), Marked(56, 234, head, 'o'));
  EXPECT_EQ(Where(image, kGreen), Marked(56, 234, head, '+'));
  EXPECT_EQ(Changed(image).size(), 36u);
}

TEST(Canvas, TextIsBlackIpaGothicOnAnOpaqueWhiteSixteenPixelLineFromTheTopLeft) {
  EXPECT_EQ(QFontInfo(CanvasFont()).family(), "IPAGothic");
  for (const char* text : {"C\u266Fm", " "}) {
    SCOPED_TRACE(text);
    QImage image = GreyImage();
    Draw(image, [&](Surface& dc) {
      dc.SelectObject(dc.CreatePen(kSolidPen, 1, kRed));
      dc.TextOut(40, 50, text);
    });
    const int width = QFontMetrics(CanvasFont()).horizontalAdvance(QString::fromUtf8(text));
    EXPECT_EQ(Changed(image), Box(40, 50, 40 + width, 50 + 16));
    const Pixels black = Where(image, kBlack), white = Where(image, kWhite);
    EXPECT_EQ(black.size() + white.size(), Changed(image).size()) << "only pure black and white";
    EXPECT_EQ(black.empty(), text[0] == ' ');
  }
}

TEST(Canvas, SelectionReturnsTheReplacedObjectOfTheSameKind) {
  QImage image = GreyImage();
  Draw(image, [](Surface& dc) {
    const ObjectId red = dc.CreatePen(kSolidPen, 1, kRed);
    const ObjectId green = dc.CreateSolidBrush(kGreen);
    const ObjectId blue = dc.CreatePen(kSolidPen, 1, kBlue);
    EXPECT_EQ(dc.SelectObject(red), 1u);
    EXPECT_EQ(dc.SelectObject(green), 2u);
    EXPECT_EQ(dc.SelectObject(blue), red);
    EXPECT_EQ(dc.SelectObject(red), blue);
    EXPECT_EQ(dc.SelectObject(999), 0u);
    dc.DeleteObject(red);  // selected: left alone
    dc.DeleteObject(blue);
    EXPECT_EQ(dc.SelectObject(blue), 0u);
    dc.RoundRect(10, 10, 15, 15, 90, 90);
    EXPECT_EQ(dc.SelectObject(1), red);
    EXPECT_EQ(dc.SelectObject(2), green);
    dc.RoundRect(20, 10, 25, 15, 90, 90);
  });
  EXPECT_EQ(std::tuple(At(image, 10, 12), At(image, 12, 12), At(image, 20, 12), At(image, 22, 12)),
            std::tuple(kRed, kGreen, kBlack, kWhite));
}

TEST(CanvasSource, SurfacesShareOnePainterThatEndsWithTheLastAndReportsWhatTheyDrew) {
  QImage image = GreyImage();
  int painted = 0;
  bool activeWhenPainted = true;
  QRect dirty;
  CanvasSource source(image, [&](const QRect& area) {
    ++painted;
    dirty = area;
    activeWhenPainted = image.paintingActive();
  });
  Surface* a = source.GetDC();
  Surface* b = source.GetDC();
  ASSERT_NE(a, b);
  EXPECT_EQ(a->SelectObject(a->CreatePen(kSolidPen, 1, kRed)), 1u);
  EXPECT_EQ(b->CreatePen(kSolidPen, 1, kRed), 3u);
  a->MoveTo(10, 10);
  b->MoveTo(50, 50);
  b->LineTo(50, 55);
  a->LineTo(15, 10);
  source.ReleaseDC(a);
  EXPECT_EQ(painted, 0);
  b->FillRect(60, 60, 62, 62, b->CreateSolidBrush(kRed));
  source.ReleaseDC(b);
  source.ReleaseDC(b);  // already back: ignored
  EXPECT_EQ(std::pair(painted, activeWhenPainted), std::pair(1, false));
  EXPECT_EQ(Where(image, kBlack), Box(50, 50, 51, 55));
  EXPECT_EQ(dirty, QRect(QPoint(10, 10), QPoint(61, 61))) << "everything drawn, and no more";

  {
    DrawingPass pass(source);
    pass.dc().FillRect(0, 0, 1, 1, 2);
  }
  EXPECT_EQ(std::tuple(painted, At(image, 0, 0), dirty), std::tuple(2, kWhite, QRect(0, 0, 1, 1)))
      << "a new painter starts a new area";
}

}  // namespace
}  // namespace fretwise::test
