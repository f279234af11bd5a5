#include <gtest/gtest.h>

#include "tests/widgets/pixel_grid.h"
#include "widgets/paint/color_ops.h"
#include "widgets/paint/gradients.h"
#include "widgets/paint/marks.h"

namespace widgets {
namespace {

using testing::Blank;
using testing::Grid;
using testing::Picture;
using testing::UntouchedOutside;

// Switches the display to 256 colours for one test.
class TPaletteDisplay {
 public:
  TPaletteDisplay() { SetHasFullColorDisplay(false); }
  ~TPaletteDisplay() { SetHasFullColorDisplay(true); }
};

TEST(HotRing, PaintsTwoPixelsOfTheGradientAndLeavesTheInteriorAlone) {
  TBitmap full = Blank(9, 9);
  PaintGradientRect(full.Canvas(), {0, 0, 9, 9}, gdVerticalEnd, clBlack, 0x0000FF);
  TBitmap ring = Blank(9, 9);
  PaintHotRing(ring.Canvas(), {0, 0, 9, 9}, gdVerticalEnd, clBlack, 0x0000FF);
  for (int y = 0; y < 9; ++y) {
    for (int x = 0; x < 9; ++x) {
      const bool interior = x >= 2 && x < 7 && y >= 2 && y < 7;
      EXPECT_EQ(ring.GetPixel(x, y), interior ? testing::Untouched : full.GetPixel(x, y)) << x << "," << y;
    }
  }
}

TEST(HotRing, KeepsTheCallersClipAndDoesNothingOnAPaletteDisplay) {
  TBitmap bmp = Blank(9, 9);
  TCanvas& canvas = bmp.Canvas();
  canvas.IntersectClipRect({0, 0, 5, 9});
  PaintHotRing(canvas, {0, 0, 9, 9}, gdSquareBox, clBlack, 0x0000FF);
  EXPECT_EQ(canvas.ClipBounds(), (TRect{0, 0, 5, 9}));
  EXPECT_EQ(canvas.SaveCount(), 0);
  EXPECT_TRUE(UntouchedOutside(bmp, {0, 0, 5, 9}));
  EXPECT_NE(bmp.GetPixel(0, 0), testing::Untouched);

  const TPaletteDisplay palette;
  TBitmap none = Blank(9, 9);
  PaintHotRing(none.Canvas(), {0, 0, 9, 9}, gdSquareBox, clBlack, 0x0000FF);
  EXPECT_TRUE(UntouchedOutside(none, {}));
}

constexpr TColor Frame = 0x800000, Fill = 0xFFFFFF, Mark = 0x000080, Focus = 0xC0FFC0;
const testing::TLegend GlyphLegend = {{Frame, 'F'}, {Fill, 'w'}, {Mark, 'm'}, {Focus, 'o'}};

TCheckGlyphStyle GlyphStyle() {
  TCheckGlyphStyle s;
  s.FrameColor = Frame;
  s.HotFrameColor = 0x0000FF;
  s.HotHighlightColor = 0x00FFFF;
  s.FillColor = Fill;
  s.FocusColor = Focus;
  s.DisabledColor = 0xC0C0C0;
  s.ReadOnlyColor = 0x808080;
  s.MarkColor = Mark;
  return s;
}

TEST(CheckGlyph, CheckedSquareHasTheTwentyOnePixelTick) {
  TBitmap bmp = Blank(13, 13);
  PaintCheckGlyph(bmp.Canvas(), {0, 0, 13, 13}, cgsChecked, cdsNormal, GlyphStyle());
  EXPECT_EQ(Grid(bmp, GlyphLegend), Picture(R"(
FFFFFFFFFFFFF
FwwwwwwwwwwwF
FwwwwwwwwwwwF
FwwwwwwwwmwwF
FwwwwwwwmmwwF
FwwmwwwmmmwwF
FwwmmwmmmwwwF
FwwmmmmmwwwwF
FwwwmmmwwwwwF
FwwwwmwwwwwwF
FwwwwwwwwwwwF
FwwwwwwwwwwwF
FFFFFFFFFFFFF)"));
}

TEST(CheckGlyph, ASmallerSquareKeepsItsTickInside) {
  TBitmap bmp = Blank(12, 12);
  PaintCheckGlyph(bmp.Canvas(), {1, 1, 9, 9}, cgsChecked, cdsNormal, GlyphStyle());
  EXPECT_TRUE(UntouchedOutside(bmp, {1, 1, 9, 9}));
  EXPECT_EQ(bmp.GetPixel(1, 1), Frame);
  EXPECT_EQ(bmp.GetPixel(8, 8), Frame);
  EXPECT_EQ(bmp.GetPixel(4, 7), Mark);
}

TEST(CheckGlyph, GrayedDisabledAndPressedStates) {
  TBitmap grayed = Blank(13, 13);
  PaintCheckGlyph(grayed.Canvas(), {0, 0, 13, 13}, cgsGrayed, cdsNormal, GlyphStyle());
  EXPECT_EQ(Grid(grayed, GlyphLegend, {0, 2, 13, 4}), Picture(R"(
FwwwwwwwwwwwF
FwwmmmmmmmwwF)"));
  EXPECT_EQ(grayed.GetPixel(9, 9), Mark);
  EXPECT_EQ(grayed.GetPixel(10, 10), Fill);

  TBitmap disabled = Blank(13, 13);
  PaintCheckGlyph(disabled.Canvas(), {0, 0, 13, 13}, cgsChecked, cdsDisabled, GlyphStyle());
  EXPECT_EQ(disabled.GetPixel(1, 1), 0xC0C0C0u);
  EXPECT_EQ(disabled.GetPixel(9, 3), ColorToRGB(clBtnShadow)) << "a disabled tick is in the shadow colour";

  TBitmap pressed = Blank(13, 13);
  TCheckGlyphStyle white = GlyphStyle();
  white.FocusColor = clWhite;
  PaintCheckGlyph(pressed.Canvas(), {0, 0, 13, 13}, cgsUnchecked, cdsPressed, white);
  EXPECT_EQ(pressed.GetPixel(6, 6), 0xEAEAEAu) << "the focus colour darkened by 20";
}

TEST(CheckGlyph, InteriorColourFollowsFocusAndReadOnly) {
  struct TCase {
    bool Focused, ReadOnly, ReadOnlyOnFocus;
    TColor Expected;
  };
  const TCase cases[] = {
      {false, false, false, Fill}, {false, true, false, 0x808080}, {true, false, false, Focus},
      {true, true, false, Focus},  {true, true, true, 0x808080},   {false, true, true, 0x808080},
  };
  for (const TCase& c : cases) {
    TCheckGlyphStyle s = GlyphStyle();
    s.Focused = c.Focused;
    s.ReadOnly = c.ReadOnly;
    s.ReadOnlyColorOnFocus = c.ReadOnlyOnFocus;
    for (TCheckDrawState draw : {cdsNormal, cdsMouseOver}) {
      TBitmap bmp = Blank(13, 13);
      s.HotTrack = chtFrame;
      PaintCheckGlyph(bmp.Canvas(), {0, 0, 13, 13}, cgsUnchecked, draw, s);
      EXPECT_EQ(bmp.GetPixel(6, 6), c.Expected) << c.Focused << c.ReadOnly << c.ReadOnlyOnFocus << int(draw);
    }
  }
}

TEST(CheckGlyph, MouseOverShowsAHotFrameOrAnInteriorRing) {
  TCheckGlyphStyle s = GlyphStyle();
  s.HotTrack = chtFrame;
  TBitmap frame = Blank(13, 13);
  PaintCheckGlyph(frame.Canvas(), {0, 0, 13, 13}, cgsChecked, cdsMouseOver, s);
  EXPECT_EQ(Grid(frame, {{0x0000FF, 'h'}, {Fill, 'w'}, {Mark, 'm'}}, {0, 0, 13, 4}), Picture(R"(
hhhhhhhhhhhhh
hhhhhhhhhhhhh
hhwwwwwwwwwhh
hhwwwwwwwmwhh)"));

  s.HotTrack = chtInterior;
  TBitmap ring = Blank(13, 13);
  PaintCheckGlyph(ring.Canvas(), {0, 0, 13, 13}, cgsChecked, cdsMouseOver, s);
  EXPECT_EQ(ring.GetPixel(0, 0), Frame) << "the frame keeps its normal colour";
  EXPECT_EQ(ring.GetPixel(11, 11), 0x0000FFu) << "the ring ends on the hot frame colour";
  EXPECT_NE(ring.GetPixel(1, 1), Fill);
  EXPECT_NE(ring.GetPixel(2, 10), Fill);
  EXPECT_EQ(ring.GetPixel(3, 3), Fill) << "inside the ring";
  EXPECT_EQ(ring.GetPixel(9, 3), Mark) << "the tick is left whole";
  EXPECT_EQ(ring.GetPixel(5, 9), Mark);

  const TPaletteDisplay palette;
  TBitmap flat = Blank(13, 13);
  PaintCheckGlyph(flat.Canvas(), {0, 0, 13, 13}, cgsChecked, cdsMouseOver, s);
  EXPECT_EQ(flat.GetPixel(1, 1), Fill) << "no ring on a palette display";
}

}  // namespace
}  // namespace widgets
