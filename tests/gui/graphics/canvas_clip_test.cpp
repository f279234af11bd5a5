#include <gtest/gtest.h>

#include <climits>

#include "gui/graphics/canvas.h"
#include "pixel_map.h"

namespace gui {
namespace {

using testing::CountColor;
using testing::PixelMap;
using Rows = std::vector<std::string>;

TEST(CanvasClip, OriginMovesLogicalCoordinates) {
  TBitmap b(5, 4);
  TCanvas& c = b.Canvas();
  c.Brush.Color = clBlack;
  c.SetOrigin({2, 1});
  c.FillRect({0, 0, 1, 1});
  c.MoveOrigin(-2, 1);
  c.SetPixel(0, 0, clBlack);
  EXPECT_EQ(c.Origin(), (TPoint{0, 2}));
  EXPECT_EQ(c.GetPixel(2, -1), clBlack);
  EXPECT_EQ(PixelMap(b), (Rows{".....", "..#..", "#....", "....."}));
}

TEST(CanvasClip, IntersectIsLogicalAtTheTimeOfTheCall) {
  TBitmap b(6, 3);
  TCanvas& c = b.Canvas();
  c.SetOrigin({1, 0});
  c.IntersectClipRect({0, 0, 2, 3});  // bitmap columns 1..2
  c.SetOrigin({0, 0});
  EXPECT_EQ(c.ClipBounds(), (TRect{1, 0, 3, 3}));
  c.Brush.Color = clBlack;
  c.FillRect({0, 1, 6, 2});
  EXPECT_EQ(PixelMap(b), (Rows{"......", ".##...", "......"}));
  EXPECT_TRUE(c.PtVisible(2, 0));
  EXPECT_FALSE(c.PtVisible(3, 0));
  c.IntersectClipRect({10, 10, 20, 20});
  EXPECT_EQ(c.ClipBounds(), TRect{});
  c.FillRect({0, 0, 6, 3});
  EXPECT_EQ(CountColor(b, clBlack), 2);
  c.ResetClip();
  EXPECT_EQ(c.ClipBounds(), (TRect{0, 0, 6, 3}));
}

TEST(CanvasClip, ExcludeMakesARingThatEveryPrimitiveHonours) {
  TBitmap b(5, 5);
  TCanvas& c = b.Canvas();
  c.ExcludeClipRect({1, 1, 4, 4});
  c.Brush.Color = clBlack;
  c.FillRect({0, 0, 5, 5});
  EXPECT_EQ(PixelMap(b), (Rows{"#####", "#...#", "#...#", "#...#", "#####"}));

  TBitmap l(5, 5);
  TCanvas& lc = l.Canvas();
  lc.ExcludeClipRect({1, 1, 4, 4});
  lc.MoveTo(0, 2);
  lc.LineTo(5, 2);
  lc.SetPixel(2, 2, clBlack);
  lc.Draw(0, 0, TBitmap(5, 5, clBlack));
  lc.Brush.Color = clBlack;
  lc.Rectangle({1, 1, 4, 4});
  lc.StretchDraw({0, 0, 5, 5}, TBitmap(1, 1, clBlack));
  EXPECT_EQ(PixelMap(l), (Rows{"#####", "#...#", "#...#", "#...#", "#####"}));
}

TEST(CanvasClip, SaveRestoreBringsBackEveryPartOfTheState) {
  TBitmap b(4, 4);
  TCanvas& c = b.Canvas();
  c.Pen.Color = clRed;
  c.MoveTo(1, 1);
  {
    TCanvasSaver saver(c);
    c.Pen.Color = clBlue;
    c.Brush.Style = bsClear;
    c.Font.SetHeight(-20);
    c.SetOrigin({2, 2});
    c.IntersectClipRect({0, 0, 1, 1});
    c.MoveTo(3, 3);
    EXPECT_EQ(c.SaveCount(), 1);
  }
  EXPECT_EQ(c.SaveCount(), 0);
  EXPECT_EQ(c.Pen.Color, clRed);
  EXPECT_EQ(c.Brush.Style, bsSolid);
  EXPECT_EQ(c.Font.Height(), -11);
  EXPECT_EQ(c.Origin(), (TPoint{0, 0}));
  EXPECT_EQ(c.ClipBounds(), (TRect{0, 0, 4, 4}));
  EXPECT_EQ(c.PenPos(), (TPoint{1, 1}));
}

TEST(CanvasClip, ExtremeOriginsNeverWriteOutside) {
  TBitmap b(3, 3);
  TCanvas& c = b.Canvas();
  c.Brush.Color = clBlack;
  c.SetOrigin({INT_MAX, INT_MIN});
  c.FillRect({INT_MIN, INT_MAX, INT_MIN + 10, INT_MAX});
  c.FillRect({0, 0, 100, 100});
  c.MoveTo(INT_MIN, INT_MIN);
  c.LineTo(INT_MAX, INT_MAX);
  c.IntersectClipRect({INT_MIN, INT_MIN, INT_MAX, INT_MAX});
  c.ExcludeClipRect({INT_MIN, 0, INT_MAX, 1});
  EXPECT_FALSE(c.PtVisible(0, 0));
  // The huge clip rect lies wholly above the bitmap once the origin is added.
  c.FillRect({0, 0, 3, 3});
  EXPECT_EQ(CountColor(b, clBlack), 0);
  c.ResetClip();
  c.SetOrigin({-INT_MAX, INT_MAX});
  // Logical (INT_MAX, INT_MIN + 1) is device (0, 0).
  c.SetPixel(INT_MAX, INT_MIN + 1, clBlack);
  c.FillRect({INT_MAX - 5, INT_MIN, INT_MAX, INT_MIN + 3});
  EXPECT_EQ(PixelMap(b), (Rows{"#..", "...", "..."}));
  c.SetOrigin({0, 0});
  c.FillRect({-1, -1, 4, 4});
  EXPECT_EQ(CountColor(b, clBlack), 9);
}

}  // namespace
}  // namespace gui
