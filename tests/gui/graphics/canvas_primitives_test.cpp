#include <gtest/gtest.h>

#include <climits>

#include "gui/graphics/canvas.h"
#include "pixel_map.h"

namespace gui {
namespace {

using testing::CountColor;
using testing::PixelMap;
using Rows = std::vector<std::string>;

TEST(CanvasLines, EndPointIsLeftOutInEveryDirection) {
  TBitmap b(5, 5);
  TCanvas& c = b.Canvas();
  c.MoveTo(0, 0);
  c.LineTo(4, 0);  // right
  c.LineTo(4, 4);  // down
  c.LineTo(0, 4);  // left
  c.LineTo(0, 0);  // up, closing the box exactly
  EXPECT_EQ(PixelMap(b), (Rows{"#####", "#...#", "#...#", "#...#", "#####"}));
  EXPECT_EQ(c.PenPos(), (TPoint{0, 0}));

  TBitmap d(5, 5);
  d.Canvas().MoveTo(0, 0);
  d.Canvas().LineTo(4, 4);
  d.Canvas().MoveTo(4, 0);
  d.Canvas().LineTo(2, 2);
  EXPECT_EQ(PixelMap(d), (Rows{"#...#", ".#.#.", "..#..", "...#.", "....."}));
}

TEST(CanvasLines, ShallowLineStepsEvenlyAndZeroLengthDrawsNothing) {
  TBitmap b(7, 3);
  b.Canvas().MoveTo(0, 0);
  b.Canvas().LineTo(6, 2);
  b.Canvas().MoveTo(3, 2);
  b.Canvas().LineTo(3, 2);
  EXPECT_EQ(PixelMap(b), (Rows{"##.....", "..###..", ".....#."}));
}

TEST(CanvasLines, DotAndClearPensAndWidth) {
  TBitmap b(7, 3);
  TCanvas& c = b.Canvas();
  c.Pen.Style = psDot;
  c.MoveTo(0, 0);
  c.LineTo(7, 0);
  c.Pen.Style = psClear;
  c.LineTo(0, 1);
  EXPECT_EQ(c.PenPos(), (TPoint{0, 1}));
  c.Pen.Style = psSolid;
  c.Pen.Width = 2;
  c.MoveTo(1, 2);
  c.LineTo(4, 2);
  EXPECT_EQ(PixelMap(b), (Rows{"#.#.#.#", ".......", ".####.."}));
}

// Straight lines are filled as one band; each must cover exactly the pen's squares at every step
// but the last, as a line walked step by step does, under a clip of two parts.
TEST(CanvasLines, StraightLinesCoverThePenSquareOfEveryStep) {
  struct TCase {
    TPoint From, To;
    int Width;
  };
  const TCase cases[] = {{{1, 3}, {9, 3}, 1},    {{9, 3}, {1, 3}, 1},   {{4, 0}, {4, 11}, 1},
                         {{4, 11}, {4, 0}, 1},   {{1, 5}, {8, 5}, 2},   {{8, 5}, {1, 5}, 3},
                         {{6, 1}, {6, 9}, 3},    {{6, 9}, {6, 1}, 4},   {{-5, 2}, {30, 2}, 1},
                         {{30, 7}, {-20, 7}, 2}, {{3, -9}, {3, 40}, 3}, {{0, 0}, {0, 0}, 2}};
  const auto clipped = [](TCanvas& canvas) {
    canvas.IntersectClipRect({0, 0, 10, 11});
    canvas.ExcludeClipRect({3, 4, 6, 6});
  };
  for (const TCase& c : cases) {
    TBitmap line(12, 12, clWhite), squares(12, 12, clWhite);
    clipped(line.Canvas());
    line.Canvas().Pen.Width = c.Width;
    line.Canvas().MoveTo(c.From.X, c.From.Y);
    line.Canvas().LineTo(c.To.X, c.To.Y);
    TCanvas& s = squares.Canvas();
    clipped(s);
    s.Brush.Color = clBlack;
    const int steps = std::abs(c.To.X - c.From.X) + std::abs(c.To.Y - c.From.Y);
    const int sx = c.To.X > c.From.X ? 1 : c.To.X < c.From.X ? -1 : 0;
    const int sy = c.To.Y > c.From.Y ? 1 : c.To.Y < c.From.Y ? -1 : 0;
    const int before = (c.Width - 1) / 2;
    for (int i = 0; i < steps; ++i) {
      const int x = c.From.X + sx * i - before, y = c.From.Y + sy * i - before;
      s.FillRect({x, y, x + c.Width, y + c.Width});
    }
    EXPECT_EQ(PixelMap(line), PixelMap(squares))
        << "(" << c.From.X << "," << c.From.Y << ") to (" << c.To.X << "," << c.To.Y << "), width " << c.Width;
  }
}

TEST(CanvasLines, FarAwayEndPointsAreClippedAndFast) {
  TBitmap b(4, 4);
  TCanvas& c = b.Canvas();
  c.MoveTo(INT_MIN, 1);
  c.LineTo(INT_MAX, 1);
  c.MoveTo(2, INT_MAX);
  c.LineTo(2, INT_MIN);
  c.MoveTo(INT_MIN, INT_MIN);
  c.LineTo(INT_MAX, INT_MAX);
  EXPECT_EQ(PixelMap(b), (Rows{"#.#.", "####", "..#.", "..##"}));
}

TEST(CanvasFills, FillFrameAndRectangleKeepInsideTheRect) {
  TBitmap b(6, 5);
  TCanvas& c = b.Canvas();
  c.Brush.Color = clBlack;
  c.FillRect({1, 1, 3, 3});
  EXPECT_EQ(PixelMap(b), (Rows{"......", ".##...", ".##...", "......", "......"}));

  TBitmap f(6, 5);
  f.Canvas().Brush.Color = clBlack;
  f.Canvas().FrameRect({1, 0, 5, 4});
  EXPECT_EQ(PixelMap(f), (Rows{".####.", ".#..#.", ".#..#.", ".####.", "......"}));

  TBitmap r(6, 5);
  r.Canvas().Brush.Color = clRed;
  r.Canvas().Rectangle({0, 0, 5, 4});
  EXPECT_EQ(PixelMap(r, clBlack, clRed), (Rows{"#####?", "#...#?", "#...#?", "#####?", "??????"}));
}

TEST(CanvasFills, ClearPenRectangleIsOnePixelSmallerClearBrushDrawsNothing) {
  TBitmap b(5, 4);
  TCanvas& c = b.Canvas();
  c.Pen.Style = psClear;
  c.Brush.Color = clBlack;
  c.Rectangle({0, 0, 4, 3});
  EXPECT_EQ(PixelMap(b), (Rows{"###..", "###..", ".....", "....."}));

  TBitmap d(3, 3);
  d.Canvas().Brush.Style = bsClear;
  d.Canvas().FillRect({0, 0, 3, 3});
  d.Canvas().FrameRect({0, 0, 3, 3});
  d.Canvas().Rectangle({0, 0, 3, 3});
  EXPECT_EQ(PixelMap(d), (Rows{"###", "#.#", "###"}));
}

TEST(CanvasFills, SystemAndNoneColoursResolveAtUse) {
  TBitmap b(2, 1);
  TCanvas& c = b.Canvas();
  c.Brush.Color = clBtnFace;
  c.FillRect({0, 0, 1, 1});
  c.Brush.Color = clNone;
  c.FillRect({1, 0, 2, 1});
  c.Pen.Color = clNone;
  c.MoveTo(0, 0);
  c.LineTo(2, 0);
  EXPECT_EQ(b.GetPixel(0, 0), ColorToRGB(clBtnFace));
  EXPECT_EQ(b.GetPixel(1, 0), clWhite);
}

TEST(CanvasFills, BordersAndFullyOutsideAndExtremeRects) {
  TBitmap b(4, 3);
  TCanvas& c = b.Canvas();
  c.Brush.Color = clBlack;
  c.FillRect({-5, -5, 0, 10});
  c.FillRect({4, 0, 9, 3});
  c.FillRect({0, 3, 4, 8});
  c.FrameRect({-10, -10, -2, -2});
  c.FillRect({3, 1, 2, 2});  // inverted, empty
  EXPECT_EQ(CountColor(b, clBlack), 0);
  c.FillRect({INT_MIN, INT_MIN, INT_MAX, INT_MAX});
  EXPECT_EQ(CountColor(b, clBlack), 12);
  TBitmap f(4, 3);
  f.Canvas().Brush.Color = clBlack;
  f.Canvas().FrameRect({-1, -1, 5, 4});
  EXPECT_EQ(CountColor(f, clBlack), 0);
  f.Canvas().FrameRect({INT_MIN, 1, INT_MAX, 2});
  EXPECT_EQ(PixelMap(f), (Rows{"....", "####", "...."}));
}

TEST(CanvasImages, DrawIsOneToOneAndTransparentLeavesOutTheKey) {
  TBitmap src(2, 2, clRed);
  src.SetPixel(1, 1, clLime);
  TBitmap b(4, 3);
  b.Canvas().Draw(1, 1, src, clLime);
  EXPECT_EQ(PixelMap(b, clRed), (Rows{"....", ".##.", ".#.."}));
  b.Canvas().Draw(-1, -1, src);
  EXPECT_EQ(b.GetPixel(0, 0), clLime);
  b.Canvas().Draw(INT_MAX, INT_MIN, src);
  b.Canvas().Draw(3, 2, src);
  EXPECT_EQ(b.GetPixel(3, 2), clRed);
}

TEST(CanvasImages, StretchAndCopyRectPickNearestPixels) {
  TBitmap src(2, 1, clBlack);
  src.SetPixel(1, 0, clWhite);
  TBitmap b(4, 2, clRed);
  b.Canvas().StretchDraw({0, 0, 4, 2}, src);
  EXPECT_EQ(PixelMap(b), (Rows{"##..", "##.."}));

  TBitmap c(3, 1, clRed);
  c.Canvas().CopyRect({0, 0, 3, 1}, src, {1, 0, 2, 1});
  EXPECT_EQ(PixelMap(c), (Rows{"..."}));
  // A source rect reaching past the source leaves those destination pixels alone.
  TBitmap d(2, 1, clRed);
  d.Canvas().CopyRect({0, 0, 2, 1}, src, {1, 0, 3, 1});
  EXPECT_EQ(PixelMap(d, clBlack), (Rows{".?"}));
}

TEST(CanvasImages, DrawingABitmapOntoItselfReadsTheOldPixels) {
  TBitmap b(3, 1, clBlack);
  b.SetPixel(0, 0, clWhite);
  b.Canvas().Draw(1, 0, b);
  EXPECT_EQ(PixelMap(b), (Rows{"..#"}));
}

}  // namespace
}  // namespace gui
