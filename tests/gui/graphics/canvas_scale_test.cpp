// The canvas at a device scale above 1: logical coordinates in, Scale() x Scale() device pixels out.

#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "gui/graphics/canvas.h"
#include "gui/graphics/text.h"
#include "pixel_map.h"

namespace gui {
namespace {

using testing::PixelMap;
using Rows = std::vector<std::string>;

// A white bitmap of w x h logical pixels at `scale`.
TBitmap Scaled(int w, int h, int scale) {
  TBitmap b;
  b.SetLogicalSize(w, h, scale);
  b.Fill(clWhite);
  return b;
}

// Each logical drawing call at scale 2 gives the picture the same call gives at scale 1, every
// pixel doubled: lines, frames, fills and single pixels.
struct TShapeCase {
  const char* Name;
  void (*Draw)(TCanvas&);
};

const TShapeCase ShapeCases[] = {
    {"horizontal line", [](TCanvas& c) { c.MoveTo(0, 1), c.LineTo(4, 1); }},
    {"vertical line", [](TCanvas& c) { c.MoveTo(2, 0), c.LineTo(2, 3); }},
    {"diagonal line", [](TCanvas& c) { c.MoveTo(0, 0), c.LineTo(3, 3); }},
    {"wide pen", [](TCanvas& c) { c.Pen.Width = 2, c.MoveTo(1, 1), c.LineTo(4, 1); }},
    {"frame",
     [](TCanvas& c) {
       c.Brush.Color = clBlack, c.FrameRect({0, 0, 5, 4});
     }},
    {"fill",
     [](TCanvas& c) {
       c.Brush.Color = clBlack, c.FillRect({1, 1, 3, 3});
     }},
    {"rectangle",
     [](TCanvas& c) {
       c.Brush.Style = bsClear, c.Rectangle({0, 0, 4, 4});
     }},
    {"pixel", [](TCanvas& c) { c.SetPixel(3, 2, clBlack); }},
    {"origin moved",
     [](TCanvas& c) {
       c.SetOrigin({1, 1}), c.MoveTo(0, 0), c.LineTo(3, 0);
     }},
    {"clipped",
     [](TCanvas& c) {
       c.IntersectClipRect({1, 0, 3, 4}), c.Brush.Color = clBlack, c.FillRect({0, 0, 5, 4});
     }},
};

Rows Doubled(const Rows& rows) {
  Rows out;
  for (const std::string& row : rows) {
    std::string wide;
    for (char c : row) wide += std::string(2, c);
    out.push_back(wide);
    out.push_back(wide);
  }
  return out;
}

TEST(CanvasScale, EveryShapeIsTheScaleOneShapeWithEachPixelDoubled) {
  for (const TShapeCase& test : ShapeCases) {
    TBitmap one = Scaled(5, 4, 1), two = Scaled(5, 4, 2);
    test.Draw(one.Canvas());
    test.Draw(two.Canvas());
    EXPECT_EQ(PixelMap(two), Doubled(PixelMap(one))) << test.Name;
  }
}

TEST(CanvasScale, ReadsAndClipBoundsStayLogical) {
  TBitmap b = Scaled(6, 4, 2);
  TCanvas& c = b.Canvas();
  c.SetPixel(5, 3, clRed);
  EXPECT_EQ(c.GetPixel(5, 3), ColorToRGB(clRed));
  EXPECT_EQ(b.GetPixel(11, 7), ColorToRGB(clRed)) << "logical (5, 3) is device (10..11, 6..7)";
  EXPECT_EQ(b.GetPixel(9, 7), ColorToRGB(clWhite));
  EXPECT_EQ(c.ClipBounds(), (TRect{0, 0, 6, 4}));
  c.IntersectClipRect({1, 1, 3, 2});
  EXPECT_EQ(c.ClipBounds(), (TRect{1, 1, 3, 2}));
  EXPECT_TRUE(c.PtVisible(2, 1));
  EXPECT_FALSE(c.PtVisible(3, 1));
}

TEST(CanvasScale, DevicePixelsScopeTakesDeviceCoordinatesAndRestores) {
  TBitmap b = Scaled(4, 2, 2);
  TCanvas& c = b.Canvas();
  c.SetOrigin({1, 0});
  {
    const TCanvas::TDevicePixels device(c);
    EXPECT_EQ(device.Scale(), 2);
    EXPECT_EQ(c.Scale(), 1);
    c.SetPixel(1, 1, clBlack);  // device (2 + 1, 1)
  }
  EXPECT_EQ(c.Scale(), 2);
  EXPECT_EQ(c.Origin(), (TPoint{1, 0}));
  EXPECT_EQ(PixelMap(b), (Rows{"........", "...#....", "........", "........"}));
}

// The ink rows and columns of the text drawn in black on white.
TRect InkBounds(const TBitmap& b) {
  TRect ink{b.Width(), b.Height(), 0, 0};
  for (int y = 0; y < b.Height(); ++y)
    for (int x = 0; x < b.Width(); ++x)
      if (b.GetPixel(x, y) != ColorToRGB(clWhite))
        ink = {std::min(ink.Left, x), std::min(ink.Top, y), std::max(ink.Right, x + 1),
               std::max(ink.Bottom, y + 1)};
  return ink;
}

TEST(CanvasScale, TextIsRenderedAtTwiceThePixelSizeWithTheSameLogicalExtent) {
  for (const char* name : {"Tahoma", "Comic Sans MS", "DejaVu Sans"}) {
    TBitmap one = Scaled(80, 30, 1), two = Scaled(80, 30, 2);
    for (TBitmap* b : {&one, &two}) {
      b->Canvas().Font.SetName(name);
      b->Canvas().Font.SetHeight(-16);
      b->Canvas().Font.SetColor(clBlack);
      b->Canvas().Brush.Style = bsClear;
      b->Canvas().TextOut(2, 2, "Hx");
    }
    EXPECT_EQ(one.Canvas().TextExtent("Hx"), two.Canvas().TextExtent("Hx")) << name;
    const TRect small = InkBounds(one), large = InkBounds(two);
    EXPECT_NEAR(large.Height(), 2 * small.Height(), 2) << name << ": the glyphs' height in device pixels";
    EXPECT_NEAR(large.Top, 2 * small.Top, 2) << name << ": the same baseline";
    // Rendered anew, not enlarged: some 2 x 2 cell of the ink is not one colour.
    bool mixed = false;
    for (int y = large.Top & ~1; y + 1 < large.Bottom && !mixed; y += 2)
      for (int x = large.Left & ~1; x + 1 < large.Right && !mixed; x += 2) {
        const TColor p = two.GetPixel(x, y);
        mixed = two.GetPixel(x + 1, y) != p || two.GetPixel(x, y + 1) != p || two.GetPixel(x + 1, y + 1) != p;
      }
    EXPECT_TRUE(mixed) << name;
  }
}

TEST(CanvasScale, ThePictureDrawnForTheScaleIsCopiedPixelForPixel) {
  TBitmap picture(2, 1, clRed);
  TBitmap sharp(4, 2, clBlue);
  sharp.SetPixel(0, 0, clLime);
  sharp.SetScale(2);
  picture.SetVariant(TBitmap(sharp));
  TBitmap one = Scaled(3, 2, 1), two = Scaled(3, 2, 2);
  one.Canvas().Draw(1, 0, picture);
  two.Canvas().Draw(1, 0, picture);
  EXPECT_EQ(one.GetPixel(1, 0), ColorToRGB(clRed)) << "scale 1 draws the picture itself";
  EXPECT_EQ(two.GetPixel(2, 0), ColorToRGB(clLime));
  EXPECT_EQ(two.GetPixel(3, 0), ColorToRGB(clBlue));
  EXPECT_EQ(two.GetPixel(5, 1), ColorToRGB(clBlue));
  EXPECT_EQ(two.GetPixel(1, 0), ColorToRGB(clWhite));

  const TBitmap copy = picture;  // copies keep the variant
  EXPECT_EQ(&copy.ForScale(2) == &copy, false);
  EXPECT_EQ(copy.ForScale(2).GetPixel(0, 0), ColorToRGB(clLime));
  EXPECT_EQ(&copy.ForScale(3), &copy) << "no variant for scale 3";
}

TEST(CanvasScale, APictureWithoutAVariantIsEnlargedSmoothlyUnlessKeyed) {
  TBitmap picture(2, 1, clBlack);
  picture.SetPixel(1, 0, clWhite);
  TBitmap smooth = Scaled(2, 1, 4), keyed = Scaled(2, 1, 4);
  smooth.Canvas().Draw(0, 0, picture);
  std::set<TColor> colours;
  for (int x = 0; x < smooth.Width(); ++x) colours.insert(smooth.GetPixel(x, 2));
  EXPECT_GT(colours.size(), 2u) << "greys between the black and the white pixel";
  EXPECT_EQ(smooth.GetPixel(0, 0), ColorToRGB(clBlack));
  EXPECT_EQ(smooth.GetPixel(7, 0), ColorToRGB(clWhite));

  keyed.Fill(clRed);
  keyed.Canvas().Draw(0, 0, picture, clWhite);
  EXPECT_EQ(PixelMap(keyed, clBlack, clRed)[0], "####....") << "the transparent colour stays exact";
}

TEST(CanvasScale, CopyRectTakesTheSourceRectInTheSourcesLogicalPixels) {
  TBitmap source = Scaled(4, 2, 2);
  source.Canvas().SetPixel(2, 1, clBlack);
  TBitmap dest = Scaled(2, 2, 2);
  dest.Canvas().CopyRect({0, 0, 2, 2}, source, {1, 0, 3, 2});
  EXPECT_EQ(PixelMap(dest), (Rows{"....", "....", "..##", "..##"}));
}

TEST(CanvasScale, LogicalSizeAndLoadingAPicture) {
  TBitmap b;
  b.SetLogicalSize(5, 3, 2);
  EXPECT_EQ(b.Width(), 10);
  EXPECT_EQ(b.LogicalBounds(), (TRect{0, 0, 5, 3}));
  EXPECT_EQ(b.Canvas().Scale(), 2);
  b.SetScale(99);
  EXPECT_EQ(b.Scale(), TBitmap::MaxScale);
  TBitmap png(3, 2, clRed);
  b.LoadFromMemory(png.SaveToMemory());
  EXPECT_EQ(b.Scale(), 1) << "a loaded picture is at scale 1";
  EXPECT_EQ(b.Canvas().Scale(), 1);
  b.LoadVariantFromMemory({}, 2);
  EXPECT_EQ(&b.ForScale(2), &b) << "no artwork, no variant";

  const std::vector<std::uint8_t> large = TBitmap(6, 4, clBlue).SaveToMemory();
  b.LoadVariantFromMemory(large, 2);
  EXPECT_EQ(&b.ForScale(1), &b);
  const TBitmap& variant = b.ForScale(2);
  EXPECT_EQ(variant.Scale(), 2) << "read on first use, at its scale";
  EXPECT_EQ(variant.GetPixel(5, 3), ColorToRGB(clBlue));
  const std::vector<std::uint8_t> broken(large.begin(), large.begin() + 20);
  b.LoadVariantFromMemory(broken, 2);
  EXPECT_EQ(&b.ForScale(2), &b) << "a PNG that cannot be read leaves the picture itself";
}

}  // namespace
}  // namespace gui
