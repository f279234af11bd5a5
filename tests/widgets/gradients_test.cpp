#include <gtest/gtest.h>

#include <vector>

#include "tests/widgets/pixel_grid.h"
#include "widgets/paint/gradients.h"

namespace widgets {
namespace {

using testing::Blank;
using testing::Grid;
using testing::Picture;
using testing::UntouchedOutside;

constexpr TGradientDirection AllDirections[] = {
    gdDiagonalUp,  gdDiagonalDown,   gdHorizontalEnd, gdHorizontalCenter, gdHorizontalBox,
    gdVerticalEnd, gdVerticalCenter, gdVerticalBox,   gdSquareBox,        gdBigSquareBox};

// Red channel of the pixels down a column or along a row.
std::vector<int> ColumnReds(const TBitmap& bmp, int x, int top, int bottom) {
  std::vector<int> reds;
  for (int y = top; y < bottom; ++y) reds.push_back(int(bmp.GetPixel(x, y) & 0xFF));
  return reds;
}
std::vector<int> RowReds(const TBitmap& bmp, int y, int left, int right) {
  std::vector<int> reds;
  for (int x = left; x < right; ++x) reds.push_back(int(bmp.GetPixel(x, y) & 0xFF));
  return reds;
}

TEST(Gradients, EndToEndRowsStartOneStepInAndFinishExactlyOnTheStopColour) {
  TBitmap up = Blank(6, 12);
  PaintGradientRect(up.Canvas(), {1, 1, 4, 11}, gdHorizontalEnd, clBlack, 0x0000FF);
  EXPECT_EQ(ColumnReds(up, 1, 1, 11), (std::vector<int>{25, 51, 76, 102, 127, 153, 178, 204, 229, 255}));
  EXPECT_EQ(ColumnReds(up, 3, 1, 11), ColumnReds(up, 1, 1, 11)) << "every column of a row alike";
  EXPECT_TRUE(UntouchedOutside(up, {1, 1, 4, 11}));

  TBitmap down = Blank(3, 10);
  PaintGradientRect(down.Canvas(), {0, 0, 3, 10}, gdHorizontalEnd, 0x0000FF, clBlack);
  EXPECT_EQ(ColumnReds(down, 2, 0, 10), (std::vector<int>{229, 204, 178, 153, 127, 102, 76, 51, 25, 0}));

  // A rising step that does not divide evenly must still arrive at 255, not 254.
  TBitmap seven = Blank(1, 7);
  PaintGradientRect(seven.Canvas(), {0, 0, 1, 7}, gdHorizontalEnd, clBlack, 0x0000FF);
  EXPECT_EQ(ColumnReds(seven, 0, 0, 7), (std::vector<int>{36, 72, 109, 145, 182, 218, 255}));

  TBitmap across = Blank(10, 3);
  PaintGradientRect(across.Canvas(), {0, 0, 10, 3}, gdVerticalEnd, clBlack, 0x0000FF);
  EXPECT_EQ(RowReds(across, 0, 0, 10), (std::vector<int>{25, 51, 76, 102, 127, 153, 178, 204, 229, 255}));
  EXPECT_EQ(RowReds(across, 2, 0, 10), RowReds(across, 0, 0, 10)) << "every row of a column alike";
}

TEST(Gradients, CentreGradientsPeakOnTheMiddleLineAndReturnToTheStart) {
  TBitmap odd = Blank(2, 9);
  PaintGradientRect(odd.Canvas(), {0, 0, 2, 9}, gdHorizontalCenter, clBlack, 0x0000FF);
  EXPECT_EQ(ColumnReds(odd, 0, 0, 9), (std::vector<int>{51, 102, 153, 204, 255, 191, 127, 63, 0}));

  TBitmap even = Blank(10, 2);
  PaintGradientRect(even.Canvas(), {0, 0, 10, 2}, gdVerticalCenter, clBlack, 0x0000FF);
  const std::vector<int> reds = RowReds(even, 1, 0, 10);
  EXPECT_EQ(reds[5], 255) << "column w/2 is the stop colour";
  EXPECT_EQ(reds[9], 0) << "the last column is the start colour";
  EXPECT_EQ(reds[0], 42);
}

TEST(Gradients, TheStatisticsSeparatorBar) {
  // 2 x 25, window colour to green and back: row 12 pure green, row 24 exactly the window colour,
  // row 0 one step short of it, both columns alike.
  const TColor face = ColorToRGB(clBtnFace);
  TBitmap bar = Blank(2, 25);
  PaintGradientRect(bar.Canvas(), {0, 0, 2, 25}, gdHorizontalCenter, clBtnFace, gui::clGreen);
  EXPECT_EQ(bar.GetPixel(0, 12), gui::clGreen);
  EXPECT_EQ(bar.GetPixel(0, 24), face);
  EXPECT_EQ(bar.GetPixel(0, 0), 0xC7E0D9u);
  for (int y = 0; y < 25; ++y) EXPECT_EQ(bar.GetPixel(1, y), bar.GetPixel(0, y)) << y;
}

TEST(Gradients, DiagonalsRunFromTheStartCornerToExactlyTheStopAtTheFarOne) {
  TBitmap down = Blank(20, 10);
  PaintGradientRect(down.Canvas(), {0, 0, 20, 10}, gdDiagonalDown, clBlack, 0x0000FF);
  EXPECT_LT(down.GetPixel(0, 0), 0x000020u);
  EXPECT_EQ(down.GetPixel(19, 9), 0x0000FFu);
  for (int y = 0; y < 10; ++y)
    for (int x = 1; x < 20; ++x) EXPECT_GE(down.GetPixel(x, y), down.GetPixel(x - 1, y)) << x << "," << y;
  for (int x = 0; x < 20; ++x)
    for (int y = 1; y < 10; ++y) EXPECT_GE(down.GetPixel(x, y), down.GetPixel(x, y - 1)) << x << "," << y;

  TBitmap up = Blank(20, 10);
  PaintGradientRect(up.Canvas(), {0, 0, 20, 10}, gdDiagonalUp, clBlack, 0x0000FF);
  for (int y = 0; y < 10; ++y)
    for (int x = 0; x < 20; ++x) ASSERT_EQ(up.GetPixel(x, y), down.GetPixel(x, 9 - y)) << x << "," << y;
}

TEST(Gradients, BoxesAreConcentricRingsWithAFlatCentre) {
  const testing::TLegend rings = {{51, '0'}, {102, '1'}, {153, '2'}, {204, '3'}, {255, '4'}};
  TBitmap square = Blank(9, 7);
  PaintGradientRect(square.Canvas(), {0, 0, 9, 7}, gdSquareBox, clBlack, 0x0000FF);
  EXPECT_EQ(Grid(square, rings), Picture(R"(
000000000
011111110
012222210
012343210
012222210
011111110
000000000)"));

  // Horizontal inset 12/4 = 3: the horizontal rings stop after two, leaving a flat middle.
  const testing::TLegend quarters = {{63, '0'}, {127, '1'}, {191, '2'}, {255, '3'}};
  TBitmap wide = Blank(12, 7);
  PaintGradientRect(wide.Canvas(), {0, 0, 12, 7}, gdHorizontalBox, clBlack, 0x0000FF);
  EXPECT_EQ(Grid(wide, quarters), Picture(R"(
000000000000
011111111110
012222222210
013333333310
012222222210
011111111110
000000000000)"));

  TBitmap tall = Blank(7, 12);
  PaintGradientRect(tall.Canvas(), {0, 0, 7, 12}, gdVerticalBox, clBlack, 0x0000FF);
  TBitmap big = Blank(12, 12);
  PaintGradientRect(big.Canvas(), {0, 0, 12, 12}, gdBigSquareBox, clBlack, 0x0000FF);
  for (int i = 0; i < 12; ++i) {
    for (int j = 0; j < 7; ++j) ASSERT_EQ(tall.GetPixel(j, i), wide.GetPixel(i, j)) << "vertical is the transpose";
    for (int j = 0; j < 12; ++j) {
      ASSERT_EQ(big.GetPixel(i, j), big.GetPixel(11 - i, j)) << "mirrored left to right";
      ASSERT_EQ(big.GetPixel(i, j), big.GetPixel(i, 11 - j)) << "mirrored top to bottom";
    }
  }
  // Insets of 3 both ways leave three rings: (12 - 1) / 2 - 3 + 1.
  EXPECT_EQ(RowReds(big, 5, 0, 12), (std::vector<int>{85, 170, 255, 255, 255, 255, 255, 255, 255, 255, 170, 85}));
  EXPECT_EQ(RowReds(big, 0, 0, 12), std::vector<int>(12, 85));
}

TEST(Gradients, TinyRectsAndEqualColours) {
  for (TGradientDirection d : AllDirections) {
    SCOPED_TRACE(int(d));
    TBitmap zero = Blank(4, 4);
    PaintGradientRect(zero.Canvas(), {2, 1, 2, 3}, d, clBlack, 0x0000FF);
    PaintGradientRect(zero.Canvas(), {1, 2, 3, 2}, d, clBlack, 0x0000FF);
    EXPECT_TRUE(UntouchedOutside(zero, {}));

    TBitmap one = Blank(3, 3);
    PaintGradientRect(one.Canvas(), {1, 1, 2, 2}, d, clBlack, 0x0000FF);
    EXPECT_TRUE(UntouchedOutside(one, {1, 1, 2, 2}));
    const TColor pixel = one.GetPixel(1, 1);
    const bool box = d == gdHorizontalBox || d == gdVerticalBox || d == gdSquareBox || d == gdBigSquareBox;
    const bool diagonal = d == gdDiagonalUp || d == gdDiagonalDown;
    if (box)
      EXPECT_EQ(pixel, clBlack) << "too small for rings: plain start colour";
    else if (!diagonal)
      EXPECT_EQ(pixel, 0x0000FFu) << "a single line is the stop colour";
    else
      EXPECT_NE(pixel, testing::Untouched);

    TBitmap same = Blank(9, 7);
    PaintGradientRect(same.Canvas(), {0, 0, 9, 7}, d, clBtnFace, ColorToRGB(clBtnFace));
    EXPECT_EQ(Grid(same, {{ColorToRGB(clBtnFace), 'f'}}), Picture(R"(
fffffffff
fffffffff
fffffffff
fffffffff
fffffffff
fffffffff
fffffffff)"));
  }
}

TEST(Gradients, PlacementFollowsTheRectInEitherCornerOrderAndTheOrigin) {
  for (TGradientDirection d : AllDirections) {
    TBitmap forward = Blank(10, 10);
    TBitmap backward = Blank(10, 10);
    PaintGradientRect(forward.Canvas(), {2, 1, 9, 8}, d, 0x204080, 0xF0C010);
    PaintGradientRect(backward.Canvas(), {9, 8, 2, 1}, d, 0x204080, 0xF0C010);
    for (int y = 0; y < 10; ++y)
      for (int x = 0; x < 10; ++x) ASSERT_EQ(backward.GetPixel(x, y), forward.GetPixel(x, y)) << int(d);
    EXPECT_TRUE(UntouchedOutside(forward, {2, 1, 9, 8})) << int(d);

    TBitmap shifted = Blank(10, 10);
    shifted.Canvas().SetOrigin({2, 1});
    PaintGradientRect(shifted.Canvas(), {0, 0, 7, 7}, d, 0x204080, 0xF0C010);
    for (int y = 0; y < 10; ++y)
      for (int x = 0; x < 10; ++x) ASSERT_EQ(shifted.GetPixel(x, y), forward.GetPixel(x, y)) << int(d);
  }
}

TEST(Gradients, HugeRectsRenderOnlyTheVisiblePart) {
  const TRect huge{-1000000000, -1000000000, 1000000000, 1000000000};
  for (TGradientDirection d : AllDirections) {
    TBitmap bmp = Blank(16, 16);
    PaintGradientRect(bmp.Canvas(), huge, d, clBlack, 0x0000FF);
    EXPECT_EQ(Grid(bmp, {}).find('.'), std::string::npos) << int(d);
  }
  TBitmap none = Blank(4, 4);
  PaintGradientRect(none.Canvas(), {0, 0, 4, 4}, gdSquareBox, clNone, 0x0000FF);
  EXPECT_TRUE(UntouchedOutside(none, {})) << "clNone paints nothing";
}

}  // namespace
}  // namespace widgets
