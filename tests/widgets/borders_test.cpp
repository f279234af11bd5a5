#include <gtest/gtest.h>

#include "tests/widgets/pixel_grid.h"
#include "widgets/border_properties.h"
#include "widgets/paint/borders.h"
#include "widgets/paint/frames.h"

namespace widgets {
namespace {

using testing::Blank;
using testing::Grid;
using testing::Picture;
using testing::UntouchedOutside;

// Shades of grey 0x808080 (luminance 120): darkened by 50 and 100, lightened by 50, 100, 40.
constexpr TColor Grey = 0x808080;
const testing::TLegend GreyShades = {{0x4A4A4A, 'a'}, {0x151515, 'b'}, {0xB5B5B5, 'c'},
                                     {0xEAEAEA, 'e'}, {0xAAAAAA, 'f'}, {Grey, 'g'}};

const TColor Sh = ColorToRGB(clBtnShadow);
const TColor Hi = ColorToRGB(clBtnHighlight);
const TColor Face = ColorToRGB(clBtnFace);
const testing::TLegend SystemLegend = {
    {Sh, 's'}, {Hi, 'h'}, {ColorToRGB(cl3DDkShadow), 'd'}, {ColorToRGB(cl3DLight), 'l'}, {Face, 'f'}};

TEST(ColorFrames, ShapesFollowTheSystemStylesInShadesOfTheBase) {
  TBitmap lowered = Blank(6, 6);
  EXPECT_EQ(PaintColorFrameStyle(lowered.Canvas(), {0, 0, 6, 6}, Grey, fsLowered), (TRect{2, 2, 4, 4}));
  EXPECT_EQ(Grid(lowered, GreyShades), Picture(R"(
aaaaae
abbbce
ab..ce
ab..ce
acccce
eeeeee)"));

  TBitmap up = Blank(6, 6);
  EXPECT_EQ(PaintColorFrameStyle(up.Canvas(), {0, 0, 6, 6}, Grey, fsButtonUp), (TRect{2, 2, 4, 4}));
  EXPECT_EQ(Grid(up, GreyShades), Picture(R"(
eeeeeb
efffab
ef..ab
ef..ab
eaaaab
bbbbbb)"));

  TBitmap down = Blank(6, 6);
  PaintColorButtonEdge(down.Canvas(), {0, 0, 6, 6}, Grey, true, sdLeft);
  EXPECT_EQ(Grid(down, GreyShades, {0, 0, 3, 1}), "ba.");

  TBitmap groove = Blank(4, 4);
  EXPECT_EQ(PaintColorFrameStyle(groove.Canvas(), {0, 0, 4, 4}, Grey, fsGroove, sdTop), (TRect{0, 2, 4, 4}));
  EXPECT_EQ(Grid(groove, GreyShades), Picture(R"(
aaaa
eeee
....
....)"));

  TBitmap none = Blank(4, 4);
  EXPECT_EQ(PaintColorFrameStyle(none.Canvas(), {0, 0, 4, 4}, Grey, fsNone), (TRect{0, 0, 4, 4}));
  EXPECT_EQ(PaintColorFrameStyle(none.Canvas(), {0, 0, 4, 4}, Grey, fsStatus, sdRight), (TRect{0, 0, 3, 4}));
  EXPECT_EQ(Grid(none, GreyShades), Picture(R"(
...e
...e
...e
...e)"));
}

TEST(FieldFrame, WindowColouredFieldsGetTheSystemFrameOthersTheirOwnShades) {
  TBitmap plain = Blank(5, 5);
  PaintFieldFrame(plain.Canvas(), 5, 5, false, AllSides, clBlack, clWindow, fsLowered);
  EXPECT_EQ(Grid(plain, SystemLegend, {0, 0, 5, 2}), Picture(R"(
ssssh
sddlh)"));

  // A chosen white is not the window colour: shades of white (darkened 50 is 0xCACACA).
  TBitmap white = Blank(5, 5);
  PaintFieldFrame(white.Canvas(), 5, 5, false, AllSides, clBlack, clWhite, fsLowered);
  EXPECT_EQ(white.GetPixel(0, 0), 0xCACACAu);
  EXPECT_EQ(white.GetPixel(1, 1), 0x959595u);
}

TEST(FieldFrame, FlatStylesDrawInTheFrameColourOverTheClearedBand) {
  TBitmap cleared = Blank(6, 5);
  PaintFieldFrame(cleared.Canvas(), 6, 5, false, sdLeft | sdTop, 0x0000FF, Grey, fsFlat);
  EXPECT_EQ(Grid(cleared, {{0x0000FF, 'r'}, {Grey, 'g'}}), Picture(R"(
rrrrrr
rggggg
rg..gg
rggggg
rggggg)"));

  TBitmap kept = Blank(6, 5);
  PaintFieldFrame(kept.Canvas(), 6, 5, true, AllSides, 0x0000FF, Grey, fsFlatBold);
  EXPECT_EQ(Grid(kept, {{0x0000FF, 'r'}}), Picture(R"(
rrrrrr
rrrrrr
rr..rr
rrrrrr
rrrrrr)"));
}

TEST(BorderStack, OuterBandAndInnerStylesNest) {
  TBorderStackStyle s;
  s.OuterStyle = fsRaised;
  s.InnerStyle = fsLowered;
  s.BorderWidth = 1;
  s.BorderColor = clBtnFace;
  TBitmap bmp = Blank(14, 12);
  EXPECT_EQ(PaintBorderStack(bmp.Canvas(), {0, 0, 14, 12}, s), (TRect{5, 5, 9, 7}));
  EXPECT_EQ(Grid(bmp, SystemLegend, {0, 6, 14, 7}), "lhfsd....lhfsd");
}

TEST(BorderStack, RoundedOuterShowsTheParentInItsCutCorners) {
  TBorderStackStyle s;
  s.OuterStyle = fsFlatRounded;
  s.FlatColor = Grey;
  s.FlatColorAdjustment = -10;  // 0x757575
  s.ParentColor = 0x00FF00;
  s.ControlColor = 0xFF0000;
  TBitmap bmp = Blank(8, 8);
  EXPECT_EQ(PaintBorderStack(bmp.Canvas(), {0, 0, 8, 8}, s), (TRect{2, 2, 6, 6}));
  const testing::TLegend legend = {{0x00FF00, 'p'}, {0xFF0000, 'c'}, {0x757575, 'f'}};
  EXPECT_EQ(Grid(bmp, legend), Picture(R"(
ppffffpp
pfccccfp
fc....cf
fc....cf
fc....cf
fc....cf
pfccccfp
ppffffpp)"));

  // Transparent: the parent ring is left alone; a border band shows on the second ring.
  s.Transparent = true;
  s.BorderWidth = 1;
  s.BorderColor = 0x0000FF;
  TBitmap clear = Blank(8, 8);
  EXPECT_EQ(PaintBorderStack(clear.Canvas(), {0, 0, 8, 8}, s), (TRect{3, 3, 5, 5}));
  EXPECT_EQ(Grid(clear, {{0x0000FF, 'b'}, {0x757575, 'f'}}, {0, 0, 8, 3}), Picture(R"(
..ffff..
.fbbbbf.
fbbbbbbf)"));
}

TEST(BorderStack, CutCornerInnerFlatLeavesCornersAndIgnoresTheSideSet) {
  TBorderStackStyle s;
  s.InnerStyle = fsFlat;
  s.CutCorners = true;
  s.Sides = sdLeft;
  s.FlatColor = 0x0000FF;
  TBitmap bmp = Blank(5, 4);
  EXPECT_EQ(PaintBorderStack(bmp.Canvas(), {0, 0, 5, 4}, s), (TRect{1, 1, 4, 3}));
  EXPECT_EQ(Grid(bmp, {{0x0000FF, 'r'}}), Picture(R"(
.rrr.
r...r
r...r
.rrr.)"));
}

TEST(BorderStack, StatusAndPopupUseTheBevelWidthAndTheirOwnColours) {
  TBorderStackStyle s;
  s.OuterStyle = fsStatus;
  s.InnerStyle = fsPopup;
  s.BevelWidth = 2;
  s.Sides = sdLeft | sdRight;
  s.ShadowColor = 0x000080;
  s.HighlightColor = 0x00FF00;
  TBitmap bmp = Blank(10, 3);
  EXPECT_EQ(PaintBorderStack(bmp.Canvas(), {0, 0, 10, 3}, s), (TRect{4, 0, 6, 3}));
  EXPECT_EQ(Grid(bmp, {{0x000080, 's'}, {0x00FF00, 'h'}}, {0, 1, 10, 2}), "sshh..sshh");
  EXPECT_TRUE(UntouchedOutside(bmp, {0, 0, 10, 3}));
}

// The frame properties of a label, border or panel, for reading the widths they report.
class TReportedFrame : public TBorderProperties {
 public:
  TReportedFrame() : TBorderProperties(fsNone) {}
  using TBorderProperties::StackStyle;

 private:
  void BorderChanged(TBorderProperty) override {}
};

// Pixels inside `area` that the painter left alone, and pixels of `area` outside `inside` that it
// did not paint: the band between the two must be painted whole, and nothing within it.
int BandFaults(const TBitmap& bmp, const TRect& area, const TRect& inside) {
  int faults = 0;
  for (int y = area.Top; y < area.Bottom; ++y)
    for (int x = area.Left; x < area.Right; ++x)
      faults += (bmp.GetPixel(x, y) == testing::Untouched) != inside.Contains({x, y});
  return faults;
}

// Every style, outside and inside, on single sides, a corner and all four, with one line and
// with three per bevel: the stack paints exactly the band whose width the frame properties
// report, so children and text land right inside the lines. The plain painters inset by the
// same width (a bevel of one line), apart from the rounded outline, which is not theirs to draw.
TEST(FrameStyleRows, EveryStylePaintsTheBandItsWidthReports) {
  const TRect rect{1, 1, 14, 12};
  const TSides sideSets[] = {sdLeft, sdTop, sdRight, sdBottom, sdLeft | sdTop, AllSides};
  for (int i = 0; i < FrameStyleExCount; ++i) {
    const auto style = static_cast<TFrameStyleEx>(i);
    for (TSides sides : sideSets) {
      for (int bevel : {1, 3}) {
        for (bool outer : {true, false}) {
          SCOPED_TRACE(::testing::Message() << "style " << i << " sides " << sides.Mask() << " bevel " << bevel
                                            << (outer ? " outer" : " inner"));
          TReportedFrame frame;
          if (outer)
            frame.SetBorderOuter(style);
          else
            frame.SetBorderInner(style);
          frame.SetBorderSides(sides);
          frame.SetBevelWidth(bevel);
          TBorderStackStyle s = frame.StackStyle();
          s.HighlightColor = 0x00FF00;
          s.ShadowColor = 0x000080;
          s.FlatColor = 0x0000FF;
          s.BorderColor = 0x808000;
          s.ControlColor = 0xFF0000;
          s.ParentColor = 0x00FFFF;
          TBitmap bmp = Blank(15, 13);
          const TRect reported = frame.InsideFrame(rect, true);
          EXPECT_EQ(PaintBorderStack(bmp.Canvas(), rect, s), reported);
          EXPECT_EQ(BandFaults(bmp, rect, reported), 0);
          EXPECT_TRUE(UntouchedOutside(bmp, rect));
        }
      }
      const TRect plain = style == fsFlatRounded ? rect : InsetSides(rect, sides, FrameStyleWidth(style));
      TBitmap system = Blank(15, 13), shaded = Blank(15, 13);
      EXPECT_EQ(PaintFrameStyle(system.Canvas(), rect, style, sides), plain);
      EXPECT_EQ(PaintColorFrameStyle(shaded.Canvas(), rect, Grey, style, sides), plain);
      EXPECT_EQ(BandFaults(system, rect, plain), 0);
      EXPECT_EQ(BandFaults(shaded, rect, plain), 0);
    }
  }
}

}  // namespace
}  // namespace widgets
