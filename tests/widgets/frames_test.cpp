#include <gtest/gtest.h>

#include "tests/widgets/pixel_grid.h"
#include "widgets/paint/color_ops.h"
#include "widgets/paint/frames.h"

namespace widgets {
namespace {

using testing::Blank;
using testing::Grid;
using testing::Picture;
using testing::UntouchedOutside;

const TColor Sh = ColorToRGB(clBtnShadow);
const TColor Hi = ColorToRGB(clBtnHighlight);
const TColor Dk = ColorToRGB(cl3DDkShadow);
const TColor Lt = ColorToRGB(cl3DLight);
const TColor Tx = ColorToRGB(clBtnText);

const testing::TLegend SystemLegend = {{Sh, 's'}, {Hi, 'h'}, {Dk, 'd'}, {Lt, 'l'}, {Tx, 't'}};

TRect InsetBy(TRect r, TSides sides, int n) {
  if (sides.Contains(sdLeft)) r.Left += n;
  if (sides.Contains(sdTop)) r.Top += n;
  if (sides.Contains(sdRight)) r.Right -= n;
  if (sides.Contains(sdBottom)) r.Bottom -= n;
  return r;
}

TEST(Strokes, SidesExcludeEndPointsAndTheLowerRightPairOwnsTwoCorners) {
  TBitmap bmp = Blank(7, 6);
  const TRect inside = StrokeSides(bmp.Canvas(), {1, 1, 6, 5}, 0x0000FF, 0xFF0000, AllSides);
  EXPECT_EQ(inside, (TRect{2, 2, 5, 4}));
  EXPECT_EQ(Grid(bmp, {{0x0000FF, 'a'}, {0xFF0000, 'b'}}), Picture(R"(
.......
.aaaab.
.a...b.
.a...b.
.bbbbb.
.......)"));
}

TEST(Strokes, NoneColourStillInsetsAndEmptyRectsPaintNothing) {
  TBitmap bmp = Blank(6, 6);
  EXPECT_EQ(StrokeSides(bmp.Canvas(), {0, 0, 6, 6}, clNone, 0x0000FF, sdLeft | sdBottom), (TRect{1, 0, 6, 5}));
  EXPECT_EQ(Grid(bmp, {{0x0000FF, 'r'}}, {0, 4, 6, 6}), Picture(R"(
......
rrrrrr)"));
  TBitmap empty = Blank(6, 6);
  EXPECT_EQ(StrokeBevel(empty.Canvas(), {3, 3, 3, 5}, 0x0000FF, 0x0000FF, 2, AllSides), (TRect{5, 5, 1, 3}));
  EXPECT_TRUE(UntouchedOutside(empty, {}));
}

TEST(Strokes, BevelNestsItsPassesWithAOnePixelPen) {
  TBitmap bmp = Blank(6, 6);
  bmp.Canvas().Pen.Width = 3;
  EXPECT_EQ(StrokeBevel(bmp.Canvas(), {0, 0, 6, 6}, Sh, Hi, 2, sdTop | sdRight), (TRect{0, 2, 4, 6}));
  EXPECT_EQ(Grid(bmp, SystemLegend), Picture(R"(
sssssh
sssshh
....hh
....hh
....hh
....hh)"));
}

// Colours of the outer and inner line on the left/top and on the right/bottom ('-' = no line).
struct TStyleLook {
  TFrameStyleEx Style;
  int Width;
  char OuterUpperLeft, InnerUpperLeft, OuterLowerRight, InnerLowerRight;
};

constexpr TStyleLook StyleLooks[] = {
    {fsNone, 0, '-', '-', '-', '-'},   {fsFlat, 1, 'd', '-', 'd', '-'},     {fsGroove, 2, 's', 'h', 'h', 's'},
    {fsBump, 2, 'h', 's', 's', 'h'},   {fsLowered, 2, 's', 'd', 'h', 'l'},  {fsButtonDown, 2, 't', 's', 't', 's'},
    {fsRaised, 2, 'l', 'h', 'd', 's'}, {fsButtonUp, 2, 'h', 'l', 'd', 's'}, {fsStatus, 1, 's', '-', 'h', '-'},
    {fsPopup, 1, 'h', '-', 's', '-'},  {fsFlatBold, 2, 's', 's', 's', 's'},
};

// Every style, on each single side and on all four: the band of the chosen sides is painted in
// the style's colours, nothing else is, and the result is inset by the style's width.
TEST(FrameStyles, EveryStyleOnEverySideAndAllFour) {
  const TRect rect{1, 1, 8, 7};
  const TSides sideSets[] = {sdLeft, sdTop, sdRight, sdBottom, AllSides};
  for (const TStyleLook& look : StyleLooks) {
    for (TSides sides : sideSets) {
      SCOPED_TRACE(::testing::Message() << "style " << int(look.Style) << " sides " << sides.Mask());
      TBitmap bmp = Blank(9, 8);
      const TRect inside = PaintFrameStyle(bmp.Canvas(), rect, look.Style, sides);
      EXPECT_EQ(inside, InsetBy(rect, sides, look.Width));
      EXPECT_TRUE(UntouchedOutside(bmp, rect));
      const std::string grid = Grid(bmp, SystemLegend);
      for (int y = rect.Top; y < rect.Bottom; ++y) {
        for (int x = rect.Left; x < rect.Right; ++x) {
          const bool inBand = !inside.Contains({x, y});
          const char got = grid[std::size_t(y * 10 + x)];
          EXPECT_EQ(got != '.', inBand) << x << "," << y;
          if (sides == AllSides || !inBand) continue;
          // On a single side every line is uniform from end to end.
          const bool upperLeft = sides == TSides(sdLeft) || sides == TSides(sdTop);
          const int depth = sides == TSides(sdLeft)    ? x - rect.Left
                            : sides == TSides(sdTop)   ? y - rect.Top
                            : sides == TSides(sdRight) ? rect.Right - 1 - x
                                                       : rect.Bottom - 1 - y;
          const char want = upperLeft ? (depth == 0 ? look.OuterUpperLeft : look.InnerUpperLeft)
                                      : (depth == 0 ? look.OuterLowerRight : look.InnerLowerRight);
          EXPECT_EQ(got, want) << x << "," << y;
        }
      }
    }
  }
}

TEST(FrameStyles, RaisedInsetsByTwoAndTheLowerRightOwnsTheOffCorners) {
  TBitmap bmp = Blank(105, 105);
  EXPECT_EQ(PaintFrameStyle(bmp.Canvas(), {0, 0, 105, 105}, fsRaised), (TRect{2, 2, 103, 103}));
  EXPECT_EQ(Grid(bmp, SystemLegend, {101, 0, 105, 4}), Picture(R"(
llld
hhsd
..sd
..sd)"));
  EXPECT_EQ(Grid(bmp, SystemLegend, {0, 101, 4, 105}), Picture(R"(
lh..
lh..
lsss
dddd)"));
}

TEST(FrameStyles, GrooveEndsSquareWhereChosenSidesMeetUnchosenOnes) {
  TBitmap all = Blank(6, 5);
  PaintFrameStyle(all.Canvas(), {0, 0, 6, 5}, fsGroove);
  EXPECT_EQ(Grid(all, SystemLegend), Picture(R"(
sssssh
shhhsh
sh..sh
sssssh
hhhhhh)"));
  // Bottom only: two full-width rows, shadow over highlight.
  TBitmap bottom = Blank(6, 5);
  EXPECT_EQ(PaintFrameStyle(bottom.Canvas(), {0, 0, 6, 5}, fsGroove, sdBottom), (TRect{0, 0, 6, 3}));
  EXPECT_EQ(Grid(bottom, SystemLegend), Picture(R"(
......
......
......
ssssss
hhhhhh)"));
  // Too thin for two lines: nothing may land outside the rectangle.
  TBitmap thin = Blank(5, 5);
  EXPECT_EQ(PaintFrameStyle(thin.Canvas(), {2, 1, 3, 4}, fsGroove, sdRight), (TRect{2, 1, 1, 4}));
  EXPECT_TRUE(UntouchedOutside(thin, {2, 1, 3, 4}));

  TBitmap corner = Blank(6, 5);
  PaintFrameStyle(corner.Canvas(), {0, 0, 6, 5}, fsBump, sdLeft | sdTop);
  EXPECT_EQ(Grid(corner, SystemLegend), Picture(R"(
hhhhhh
hsssss
hs....
hs....
hs....)"));
}

}  // namespace
}  // namespace widgets
