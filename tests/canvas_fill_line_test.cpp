// What the canvas surface's fills and lines put on the image, pixel by pixel.
#include <gtest/gtest.h>

#include "tests/support/canvas_image.h"

namespace fretwise::test {
namespace {

struct FillCase {
  const char* name;
  int left, top, right, bottom;
};
void PrintTo(const FillCase& c, std::ostream* os) { *os << c.name; }

class FillRectTest : public testing::TestWithParam<FillCase> {};

TEST_P(FillRectTest, FillsTheBoxAndNothingElse) {
  const FillCase& c = GetParam();
  QImage image = GreyImage();
  Draw(image, [&](Surface& dc) {
    dc.FillRect(c.left, c.top, c.right, c.bottom, dc.CreateSolidBrush(kRed));
  });
  EXPECT_EQ(Where(image, kRed), Box(c.left, c.top, c.right, c.bottom));
  EXPECT_EQ(Changed(image), Box(c.left, c.top, c.right, c.bottom));
}

INSTANTIATE_TEST_SUITE_P(Boxes, FillRectTest,
                         testing::Values(FillCase{"OnePixel", 10, 10, 11, 11},
                                         FillCase{"Wide", 5, 7, 45, 9},
                                         FillCase{"Tall", 30, 2, 32, 40},
                                         FillCase{"Empty", 10, 10, 10, 20},
                                         FillCase{"Inverted", 20, 10, 10, 20}),
                         [](const auto& info) { return info.param.name; });

TEST(FillRect, UsesTheBrushItIsGivenNotTheSelectedOne) {
  QImage image = GreyImage();
  Draw(image, [](Surface& dc) {
    dc.SelectObject(dc.CreateSolidBrush(kRed));
    dc.FillRect(3, 4, 9, 6, 2);
  });
  EXPECT_EQ(Where(image, kWhite), Box(3, 4, 9, 6));
  EXPECT_EQ(Changed(image), Box(3, 4, 9, 6));
}

struct LineCase {
  const char* name;
  int fromX, fromY, toX, toY;
  Pixels drawn;
};
void PrintTo(const LineCase& c, std::ostream* os) { *os << c.name; }

class LineToTest : public testing::TestWithParam<LineCase> {};

TEST_P(LineToTest, DrawsTheStartAndLeavesTheEnd) {
  const LineCase& c = GetParam();
  QImage image = GreyImage();
  Draw(image, [&](Surface& dc) {
    dc.SelectObject(dc.CreatePen(kSolidPen, 1, kRed));
    dc.MoveTo(c.fromX, c.fromY);
    dc.LineTo(c.toX, c.toY);
  });
  EXPECT_EQ(Where(image, kRed), c.drawn);
  EXPECT_EQ(Changed(image), c.drawn);
  EXPECT_EQ(At(image, c.fromX, c.fromY), kRed);
  EXPECT_NE(At(image, c.toX, c.toY), kRed);
}

INSTANTIATE_TEST_SUITE_P(
    Directions, LineToTest,
    testing::Values(
        LineCase{"Rightward", 10, 20, 30, 20, Box(10, 20, 30, 21)},
        LineCase{"Leftward", 30, 20, 10, 20, Box(11, 20, 31, 21)},
        LineCase{"Downward", 40, 5, 40, 25, Box(40, 5, 41, 25)},
        LineCase{"Upward", 40, 25, 40, 5, Box(40, 6, 41, 26)},
        LineCase{"DiagonalDown", 10, 10, 14, 14, {{10, 10}, {11, 11}, {12, 12}, {13, 13}}},
        LineCase{"DiagonalUp", 14, 14, 10, 10, {{14, 14}, {13, 13}, {12, 12}, {11, 11}}},
        LineCase{"Shallow",
                 200,
                 10,
                 208,
                 13,
                 {{200, 10},
                  {201, 10},
                  {202, 11},
                  {203, 11},
                  {204, 12},
                  {205, 12},
                  {206, 12},
                  {207, 13}}},
        LineCase{"Steep",
                 208,
                 13,
                 205,
                 20,
                 {{208, 13}, {208, 14}, {207, 15}, {207, 16}, {206, 17}, {206, 18}, {205, 19}}}),
    [](const auto& info) { return info.param.name; });

TEST(LineTo, ToTheCurrentPointDrawsNothingAndMoves) {
  QImage image = GreyImage();
  Draw(image, [](Surface& dc) {
    dc.MoveTo(50, 50);
    dc.LineTo(50, 50);
    dc.LineTo(52, 50);
  });
  EXPECT_EQ(Changed(image), Box(50, 50, 52, 51));
}

TEST(LineTo, AClosedPathDrawsEveryBorderPixelOnce) {
  QImage image = GreyImage();
  Draw(image, [](Surface& dc) {
    dc.MoveTo(10, 10);
    for (const auto& [x, y] : {std::pair{20, 10}, {20, 20}, {10, 20}, {10, 10}}) dc.LineTo(x, y);
  });
  Pixels border = Box(10, 10, 21, 21);
  for (const auto& inside : Box(11, 11, 20, 20)) border.erase(inside);
  EXPECT_EQ(Where(image, kBlack), border);
  EXPECT_EQ(Changed(image), border);
}

}  // namespace
}  // namespace fretwise::test
