// What the Qt canvas puts on an image, pixel by pixel, and its pens, brushes and surfaces.
#include <gtest/gtest.h>

#include <QFontInfo>
#include <QFontMetrics>
#include <set>

#include "tests/support/canvas_image.h"

namespace fretwise::test {
namespace {

// The stock pen's lines from the first point through the others.
std::function<void(Surface&)> Path(const std::vector<QPoint>& points) {
  return [=](Surface& dc) {
    dc.MoveTo(points[0].x(), points[0].y());
    for (const QPoint& point : points) dc.LineTo(point.x(), point.y());
  };
}

// Each row draws on a fresh image: the picture is all it changed, in the box given.
TEST(Canvas, EachCallChangesExactlyItsPixels) {
  const std::tuple<const char*, std::function<void(Surface&)>, QRect, std::string> rows[] = {
      {"FillRect up to the end with the brush it is given; inverted or with a pen, nothing",
       [](Surface& dc) {
         dc.SelectObject(dc.CreateSolidBrush(0x00FF00));
         dc.FillRect(5, 7, 9, 9, dc.CreateSolidBrush(kRed));
         dc.FillRect(9, 7, 5, 9, 2);
         dc.FillRect(5, 9, 9, 7, 2);
         dc.FillRect(20, 20, 24, 24, 1);
       },
       {5, 7, 4, 2},
       "rrrr\nrrrr\n"},
      // Lines draw their start and leave their end, which becomes the current point.
      {"two lines", Path({{16, 20}, {10, 20}, {10, 22}}), {10, 20, 7, 2}, "kkkkkkk\nk......\n"},
      {"shallow", Path({{1, 1}, {9, 4}}), {1, 1, 8, 4}, "kk......\n..kk....\n....kkk.\n.......k\n"},
      {"steep", Path({{4, 8}, {1, 1}}), {1, 2, 4, 7}, "k...\n.k..\n.k..\n..k.\n..k.\n...k\n...k\n"},
      {"to its start", Path({{50, 50}}), {}, ""},
      {"note heads, the ellipses in their boxes; selections give back what they replace",
       [](Surface& dc) {
         const ObjectId red = dc.CreatePen(kRed);
         const ObjectId green = dc.CreateSolidBrush(0x00FF00);
         const ObjectId other = dc.CreatePen(0x00FF00);
         std::vector<ObjectId> replaced;
         for (const ObjectId object : {red, green, other, red, 999u})
           replaced.push_back(dc.SelectObject(object));
         for (const ObjectId object : {red, green, other, 1u, 2u}) dc.DeleteObject(object);
         replaced.push_back(dc.SelectObject(other));
         dc.RoundRect(56, 234, 64, 239, 90, 90);
         for (const ObjectId object : {1u, 2u}) replaced.push_back(dc.SelectObject(object));
         dc.RoundRect(66, 234, 74, 239, 90, 90);
         EXPECT_EQ(replaced, (std::vector<ObjectId>{1, 2, red, other, 0, 0, red, green}));
       },
       {56, 234, 18, 5},
       ".rrrrrr....kkkkkk.\nrggggggr..kwwwwwwk\nrggggggr..kwwwwwwk\nrggggggr..kwwwwwwk\n"
       ".rrrrrr....kkkkkk.\n"},
  };
  for (const auto& [name, draw, box, picture] : rows)
    EXPECT_EQ(Changes(draw), std::pair(box, picture)) << name;
}

TEST(Canvas, TextIsBlackIpaGothicOnAnOpaqueWhiteSixteenPixelLineFromTheTopLeft) {
  const auto [box, picture] = Changes([](Surface& dc) {
    dc.SelectObject(dc.CreatePen(kRed));
    dc.RoundRect(41, 51, 45, 55, 90, 90);  // under the text, in the red pen the painter keeps
    dc.TextOut(40, 50, "C\u266Fm");
  });
  EXPECT_EQ(std::pair(QFontInfo(CanvasFont()).family(), box),
            std::pair(QString("IPAGothic"),
                      QRect(40, 50, QFontMetrics(CanvasFont()).horizontalAdvance("C\u266Fm"), 16)));
  EXPECT_EQ(std::set(picture.begin(), picture.end()), (std::set{'\n', 'k', 'w'})) << picture;
}

TEST(CanvasSource, SurfacesShareOnePainterThatEndsWithTheLastAndReportsWhatTheyDrew) {
  QImage image(100, 100, QImage::Format_RGB32);
  std::vector<std::pair<QRect, bool>> painted;  // with the painter still active or not
  CanvasSource source(
      image, [&](const QRect& area) { painted.emplace_back(area, image.paintingActive()); });
  Surface *a = source.GetDC(), *b = source.GetDC();
  EXPECT_EQ(a->SelectObject(a->CreatePen(kRed)), 1u);
  EXPECT_EQ(b->CreatePen(kRed), 3u);
  a->MoveTo(10, 10);
  b->MoveTo(50, 50);
  b->LineTo(50, 55);
  a->LineTo(15, 10);
  source.ReleaseDC(a);
  EXPECT_TRUE(painted.empty());
  b->FillRect(5, 30, 7, 32, b->CreateSolidBrush(kRed));
  b->RoundRect(62, 20, 70, 25, 90, 90);
  b->TextOut(20, 70, "m");
  source.ReleaseDC(b);
  source.ReleaseDC(b);                               // already back: ignored
  DrawingPass(source).dc().FillRect(0, 0, 1, 1, 2);  // a new painter, a new area
  EXPECT_EQ(painted,
            (std::vector<std::pair<QRect, bool>>{{QRect(QPoint(5, 10), QPoint(69, 85)), false},
                                                 {QRect(0, 0, 1, 1), false}}));
}

}  // namespace
}  // namespace fretwise::test
