// The pixels of the glyph push buttons: the geometry of both sizes the main window uses, the
// outer and frame rings, the face of each state, the glyph cells and the see-through corners.

#include "button_fixture.h"
#include "gui/graphics/measure_canvas.h"
#include "widgets/bit_btn.h"

namespace widgets::testing {
namespace {

constexpr TColor Face = 0xF0F4F4;
constexpr TColor Frame = 0x743C00;
constexpr TColor Key48 = RGB(212, 208, 200);
constexpr TColor Key16 = RGB(236, 233, 216);
constexpr TColor Ink0 = 0x0000C0, Ink1 = 0x808080;

struct UiButtonPaintTest : TButtonFixture {
  TUiBitBtn* Big;    // the about and exit buttons
  TUiBitBtn* Small;  // the add button
  UiButtonPaintTest() {
    Big = Make<TUiBitBtn>("Big", {10, 10, 155, 83});
    Small = Make<TUiBitBtn>("Small", {200, 10, 229, 35});
    for (TUiBitBtn* b : {Big, Small}) {
      b->SetHotTrack(true);
      b->SetColor(Face);
      b->SetFrameColor(Frame);
    }
    Big->SetGlyph(TestGlyph(48, 1, Key48, {Ink0}));
    Small->SetGlyph(TestGlyph(16, 2, Key16, {Ink0, Ink1}));
    auto* sink = Make<TUiBitBtn>("Sink", {10, 150, 85, 175});  // takes the focus on showing
    sink->SetTabOrder(0);
  }
  // Pixels that differ between two shots of the same control.
  static TRect Difference(const TBitmap& a, const TBitmap& b) {
    TRect r{a.Width(), a.Height(), 0, 0};
    for (int y = 0; y < a.Height(); ++y)
      for (int x = 0; x < a.Width(); ++x)
        if (a.GetPixel(x, y) != b.GetPixel(x, y))
          r = {std::min(r.Left, x), std::min(r.Top, y), std::max(r.Right, x + 1), std::max(r.Bottom, y + 1)};
    return r;
  }
};

TEST_F(UiButtonPaintTest, GeometryOfTheBigButton) {
  EXPECT_EQ(Big->GetGlyphRect(), (TRect{7, 13, 55, 61}));
  EXPECT_EQ(Big->GetCaptionRect(), (TRect{59, 5, 140, 68}));
  Show();
  const TBitmap bare = Shot(*Big);
  Big->SetCaption("Exit");
  Run();
  const int h = MeasureCanvas(Big->Font()).Metrics().Height;
  const int t = (73 - h) / 2;
  const TRect ink = Difference(bare, Shot(*Big));
  EXPECT_GE(ink.Left, 59);
  EXPECT_LE(ink.Right, 140);
  EXPECT_GE(ink.Top, t);
  EXPECT_LE(ink.Bottom, t + h);
  EXPECT_LE(std::abs((ink.Left + ink.Right) - (59 + 140)), 2) << "centred in the caption rectangle";
  // The glyph: ink inside its cell, the key colour leaves the face visible.
  EXPECT_EQ(Px(*Big, 7 + 24, 13 + 24), Ink0);
  EXPECT_NE(Px(*Big, 7, 13), Key48);
  EXPECT_EQ(Px(*Big, 7, 13), Px(*Big, 6, 13)) << "the key colour shows the face";
}

TEST_F(UiButtonPaintTest, GeometryOfTheAddButton) {
  EXPECT_EQ(Small->GetGlyphSize(), (TSize{16, 16}));
  EXPECT_EQ(Small->GetGlyphRect(), (TRect{7, 5, 23, 21}));
  EXPECT_TRUE(Small->GetCaptionRect().IsEmpty());
  Show();
  const TBitmap bare = Shot(*Small);
  Small->SetCaption("Add");
  Run();
  EXPECT_TRUE(Difference(bare, Shot(*Small)).IsEmpty()) << "no room for a caption: nothing drawn";
  EXPECT_EQ(Px(*Small, 7 + 8, 5 + 8), Ink0);
}

TEST_F(UiButtonPaintTest, OuterAndFrameRings) {
  Show();
  const int w = Small->Width(), h = Small->Height();
  const TColor parent = Rgb(clBtnFace), dark = DarkenColor(clBtnFace, 20), light = LightenColor(clBtnFace, 20);
  for (TPoint p : {TPoint{0, 0},
                   {1, 0},
                   {0, 1},
                   {w - 1, 0},
                   {w - 2, 0},
                   {w - 1, 1},
                   {0, h - 1},
                   {1, h - 1},
                   {0, h - 2},
                   {w - 1, h - 1},
                   {w - 2, h - 1},
                   {w - 1, h - 2}})
    EXPECT_EQ(Px(*Small, p.X, p.Y), parent) << "corner pixel " << p.X << "," << p.Y << " belongs to the parent";
  for (int y = 2; y <= h - 3; ++y) {
    EXPECT_EQ(Px(*Small, 0, y), dark);
    EXPECT_EQ(Px(*Small, w - 1, y), light);
    EXPECT_EQ(Px(*Small, 1, y), Frame);
    EXPECT_EQ(Px(*Small, w - 2, y), Frame);
  }
  for (int x = 2; x <= w - 3; ++x) {
    EXPECT_EQ(Px(*Small, x, 0), dark);
    EXPECT_EQ(Px(*Small, x, h - 1), light);
    EXPECT_EQ(Px(*Small, x, 1), Frame);
    EXPECT_EQ(Px(*Small, x, h - 2), Frame);
  }
  EXPECT_EQ(Px(*Small, 1, 1), dark);
  EXPECT_EQ(Px(*Small, w - 2, 1), dark);
  EXPECT_EQ(Px(*Small, 1, h - 2), dark);
  EXPECT_EQ(Px(*Small, w - 2, h - 2), light);
}

TEST_F(UiButtonPaintTest, CornersShowWhateverParentColourIsBehind) {
  Form->SetColor(clNavy);
  Show();
  EXPECT_EQ(Px(*Big, 0, 0), clNavy);
  EXPECT_EQ(Px(*Big, 144, 72), clNavy);
  EXPECT_EQ(Px(*Big, 1, 1), DarkenColor(clNavy, 20));
  Big->SetEnabled(false);
  Run();
  // Disabled, the outline is the parent colour all round and the frame ring takes a shade of
  // the face instead of FrameColor.
  EXPECT_EQ(Px(*Big, 0, 36), clNavy);
  EXPECT_EQ(Px(*Big, 1, 1), clNavy);
  EXPECT_EQ(Px(*Big, 2, 1), DarkenColor(Face, 80)) << "the frame ring covers the erased pixel";
  EXPECT_EQ(Px(*Big, 1, 36), DarkenColor(Face, 80));
  Small->SetColor(clBtnFace);
  Small->SetEnabled(false);
  Run();
  EXPECT_EQ(Px(*Small, 1, 12), LightenColor(clBtnShadow, 30));
}

TEST_F(UiButtonPaintTest, FacesOfTheNormalPressedHotAndFocusedStates) {
  Show();
  const int w = Big->Width(), h = Big->Height();
  // Normal: a gradient from a lighter shade at the top to a darker one, then two shading rows.
  EXPECT_EQ(Px(*Big, 70, h - 5), DarkenColor(Face, 10));
  EXPECT_EQ(Px(*Big, 70, h - 4), DarkenColor(Face, 20));
  EXPECT_EQ(Px(*Big, 70, h - 3), DarkenColor(Face, 30));
  const TColor top = Px(*Big, 70, 2), lighter = LightenColor(Face, 30);
  for (int shift : {0, 8, 16}) EXPECT_LE(std::abs(int((top >> shift) & 0xFF) - int((lighter >> shift) & 0xFF)), 2);

  // Hot: the two outer pixels of the face are the ring, ending in HotTrackColor at the bottom.
  MoveTo(Host, *Form, CentreOf(*Big));
  EXPECT_EQ(Px(*Big, 2, h - 3), Rgb(Big->HotTrackColor()));
  EXPECT_EQ(Px(*Big, 70, h - 3), Rgb(Big->HotTrackColor()));
  EXPECT_EQ(Px(*Big, 2, 36), Px(*Big, 3, 36)) << "two pixels wide";
  EXPECT_EQ(Px(*Big, 70, h - 5), DarkenColor(Face, 10)) << "inside the ring the face stays";
  Big->SetHotTrackColorType(htctComplement);
  Run();
  EXPECT_EQ(Px(*Big, 2, h - 3), DarkenColor(OppositeHueColor(Big->HotTrackColor(), 180), 30));

  // Pressed: flat, darker, no ring.
  Press(CentreOf(*Big));
  for (TPoint p : {TPoint{2, 2}, {70, 36}, {w - 3, h - 3}}) EXPECT_EQ(Px(*Big, p.X, p.Y), DarkenColor(Face, 10));

  // Focused, pointer gone: the focus ring, and the dotted box inset by 3.
  Release({300, 190});
  MoveTo(Host, *Form, {300, 190});
  ASSERT_TRUE(Big->Focused());
  const TColor light = LightenColor(Face, 30);
  EXPECT_EQ(Px(*Big, 2, h - 3), MixColors(clHighlight, light, 160));
  EXPECT_EQ(Px(*Big, 4, 3), clBlack);
  EXPECT_NE(Px(*Big, 5, 3), clBlack);
  EXPECT_EQ(Px(*Big, 3, 4), clBlack);
  EXPECT_EQ(Px(*Big, w - 4, 4), clBlack);
}

TEST_F(UiButtonPaintTest, PaletteDisplayShowsAPlainFaceAndNoRing) {
  SetHasFullColorDisplay(false);
  Show();
  MoveTo(Host, *Form, CentreOf(*Big));
  for (TPoint p : {TPoint{2, 2}, {2, 60}, {70, 36}}) EXPECT_EQ(Px(*Big, p.X, p.Y), Face);
  EXPECT_EQ(Px(*Big, 70, 69), DarkenColor(Face, 20)) << "the shading rows stay";
}

TEST_F(UiButtonPaintTest, DisabledButtonsShowTheirDisabledCellAndAGreyCaption) {
  Big->SetCaption("Exit");
  Big->SetEnabled(false);
  Small->SetEnabled(false);
  Show();
  EXPECT_EQ(Small->GlyphCell(), 1);
  EXPECT_EQ(Px(*Small, 7 + 8, 5 + 8), Ink1);
  EXPECT_EQ(Big->GlyphCell(), 0);
  EXPECT_EQ(Px(*Big, 7 + 24, 13 + 24), Ink0);
  int grey = 0, black = 0;
  for (int y = 5; y < 68; ++y)
    for (int x = 59; x < 140; ++x) {
      grey += Px(*Big, x, y) == Rgb(clGrayText);
      black += Px(*Big, x, y) == clBlack;
    }
  EXPECT_GT(grey, 5);
  EXPECT_EQ(black, 0);
}

TEST_F(UiButtonPaintTest, TheGlyphAndCaptionStayPutWhilePressed) {
  Big->SetCaption("Exit");
  Show();
  const TBitmap up = Shot(*Big);
  Press(CentreOf(*Big));
  const TBitmap down = Shot(*Big);
  for (int y = 13; y < 61; ++y)
    for (int x = 7; x < 55; ++x)
      if (up.GetPixel(x, y) == Ink0) {
        ASSERT_EQ(down.GetPixel(x, y), Ink0);
      }
  EXPECT_EQ(Px(*Big, 7, 13), DarkenColor(Face, 10)) << "the key colour shows the pressed face";
}

}  // namespace
}  // namespace widgets::testing
