// The canvas source's surfaces, their pens and brushes, and the canvas as SVG.
#include <gtest/gtest.h>

#include <QFile>
#include <QSvgGenerator>
#include <QTemporaryDir>

#include "draw/drawing_pass.h"
#include "tests/support/canvas_image.h"

namespace fretwise::test {
namespace {

TEST(CanvasSelection, ReturnsTheReplacedObjectOfTheSameKind) {
  QImage image = GreyImage();
  Draw(image, [](Surface& dc) {
    const ObjectId red = dc.CreatePen(kSolidPen, 1, kRed);
    const ObjectId green = dc.CreateSolidBrush(kGreen);
    const ObjectId blue = dc.CreatePen(kSolidPen, 1, kBlue);
    EXPECT_EQ(red, 3u);
    EXPECT_EQ(green, 4u);
    EXPECT_EQ(blue, 5u);
    EXPECT_EQ(dc.SelectObject(red), 1u);
    EXPECT_EQ(dc.SelectObject(green), 2u);
    EXPECT_EQ(dc.SelectObject(blue), red);
    EXPECT_EQ(dc.SelectObject(red), blue);
    EXPECT_EQ(dc.SelectObject(999), 0u);
    dc.DeleteObject(999);
    dc.DeleteObject(red);  // selected: left alone
    dc.DeleteObject(blue);
    EXPECT_EQ(dc.SelectObject(blue), 0u);
    dc.RoundRect(10, 10, 15, 15, 90, 90);
    EXPECT_EQ(dc.SelectObject(1), red);
    EXPECT_EQ(dc.SelectObject(2), green);
    dc.RoundRect(20, 10, 25, 15, 90, 90);
  });
  EXPECT_EQ(At(image, 10, 12), kRed);
  EXPECT_EQ(At(image, 12, 12), kGreen);
  EXPECT_EQ(At(image, 20, 12), kBlack);
  EXPECT_EQ(At(image, 22, 12), kWhite);
  EXPECT_TRUE(Where(image, kBlue).empty());
}

TEST(CanvasSource, TwoSurfacesOutAtOnceBothLandAndThePainterEndsOnce) {
  QImage image = GreyImage();
  int painted = 0;
  bool activeWhenPainted = true;
  Pixels redWhenPainted;
  QRect dirty;
  CanvasSource source(image, [&](const QRect& area) {
    ++painted;
    dirty = area;
    activeWhenPainted = image.paintingActive();
    redWhenPainted = Where(image, kRed);
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
  EXPECT_EQ(painted, 1);
  EXPECT_FALSE(activeWhenPainted);
  Pixels expected = Box(10, 10, 15, 11);
  expected.merge(Box(60, 60, 62, 62));
  EXPECT_EQ(redWhenPainted, expected);
  EXPECT_EQ(Where(image, kBlack), Box(50, 50, 51, 55));
  EXPECT_EQ(dirty, QRect(QPoint(10, 10), QPoint(61, 61))) << "everything drawn, and no more";

  source.ReleaseDC(b);  // already back: ignored
  EXPECT_EQ(painted, 1);
  Surface* c = source.GetDC();
  c->FillRect(0, 0, 1, 1, 2);
  source.ReleaseDC(c);
  EXPECT_EQ(painted, 2);
  EXPECT_EQ(At(image, 0, 0), kWhite);
  EXPECT_EQ(dirty, QRect(0, 0, 1, 1)) << "a new painter starts a new area";
}

TEST(CanvasSource, ADrawingPassCleansUpAndShowsItsWork) {
  QImage image = GreyImage();
  int painted = 0;
  CanvasSource source(image, [&](const QRect&) { ++painted; });
  {
    DrawingPass pass(source);
    pass.Select(pass.Pen(kRed));
    pass.dc().MoveTo(5, 5);
    pass.dc().LineTo(5, 9);
  }
  EXPECT_EQ(painted, 1);
  EXPECT_EQ(Where(image, kRed), Box(5, 5, 6, 9));
}

TEST(CanvasSvg, TheSameDrawingWritesAnSvgFile) {
  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  const QString path = dir.filePath("canvas.svg");
  {
    QSvgGenerator svg;
    svg.setFileName(path);
    svg.setSize({100, 100});
    svg.setViewBox(QRect(0, 0, 100, 100));
    CanvasSource source(svg);
    Surface* dc = source.GetDC();
    dc->FillRect(10, 10, 30, 20, dc->CreateSolidBrush(kRed));
    dc->SelectObject(dc->CreatePen(kSolidPen, 1, kBlue));
    dc->MoveTo(10, 40);
    dc->LineTo(60, 40);
    dc->TextOut(10, 60, "Am7");
    source.ReleaseDC(dc);
  }
  QFile file(path);
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  const QString text = QString::fromUtf8(file.readAll());
  EXPECT_TRUE(text.startsWith("<?xml")) << text.left(100).toStdString();
  EXPECT_TRUE(text.contains("#ff0000")) << text.toStdString();
  EXPECT_TRUE(text.contains("#0000ff")) << text.toStdString();
  EXPECT_TRUE(text.contains(R"(x="10" y="10" width="20" height="10")")) << text.toStdString();
  EXPECT_TRUE(text.contains("IPAGothic")) << text.toStdString();
  EXPECT_TRUE(text.contains(">Am7<")) << text.toStdString();
}

}  // namespace
}  // namespace fretwise::test
