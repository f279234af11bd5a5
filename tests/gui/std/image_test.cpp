#include "gui/std/image.h"

#include "gui/graphics/graphics_error.h"
#include "gui/std/panel.h"
#include "std_fixture.h"

namespace spintrak_test {
namespace {

struct ImageTest : TStdFixture {
  TImage* Image;
  ImageTest() {
    Form->SetColor(clYellow);
    auto* box = new TPanel(Form);
    box->SetParent(Form);
    box->SetBevelOuter(bvNone);
    box->SetColor(clYellow);
    box->SetBounds(10, 10, 40, 30);
    Image = new TImage(Form);
    Image->SetParent(box);
    Image->SetAlign(alClient);
  }
  // Left half red, right half blue, the top-left pixel green and the bottom-left one white.
  static TBitmap Halves(int w, int h) {
    TBitmap b(w, h, clBlue);
    for (int y = 0; y < h; ++y)
      for (int x = 0; x < w / 2; ++x) b.SetPixel(x, y, clRed);
    b.SetPixel(0, 0, clLime);
    b.SetPixel(0, h - 1, clWhite);
    return b;
  }
  // The bounding box of the image's pixels that are not the yellow background.
  TRect Covered() {
    TRect r{1000, 1000, -1, -1};
    for (int y = 0; y < Image->Height(); ++y)
      for (int x = 0; x < Image->Width(); ++x)
        if (Px(*Image, x, y) != Rgb(clYellow))
          r = {std::min(r.Left, x), std::min(r.Top, y), std::max(r.Right, x + 1), std::max(r.Bottom, y + 1)};
    return r;
  }
};

TEST_F(ImageTest, PlacementOneToOneCentredProportionalAndStretched) {
  Image->SetPicture(Halves(8, 6));
  Show();
  EXPECT_EQ(Covered(), (TRect{0, 0, 8, 6}));
  EXPECT_EQ(Px(*Image, 0, 0), Rgb(clLime));
  EXPECT_EQ(Px(*Image, 4, 2), Rgb(clBlue));
  Image->SetCenter(true);
  Image->SetProportional(true);
  EXPECT_EQ(Covered(), (TRect{16, 12, 24, 18})) << "centred, and not enlarged by Proportional alone";
  Image->SetStretch(true);
  EXPECT_EQ(Covered(), (TRect{0, 0, 40, 30}));
  // A picture larger than the box is scaled down to fit, keeping its proportions.
  Image->SetStretch(false);
  Image->SetPicture(Halves(128, 32));
  SavePng("image_scaled_down");
  EXPECT_EQ(Covered(), (TRect{0, 10, 40, 20}));
  EXPECT_EQ(Px(*Image, 5, 15), Rgb(clRed));
  EXPECT_EQ(Px(*Image, 35, 15), Rgb(clBlue));
  Image->SetPicture(Halves(30, 120));
  EXPECT_EQ(Image->DestRect(), (TRect{16, 0, 23, 30}));
}

TEST_F(ImageTest, TransparentColourLeavesTheBackground) {
  Image->SetPicture(Halves(8, 6));
  Image->SetTransparent(true);
  Show();
  EXPECT_EQ(Px(*Image, 0, 5), Rgb(clYellow)) << "by default the bottom-left pixel's colour";
  EXPECT_EQ(Px(*Image, 1, 5), Rgb(clRed));
  Image->SetTransparentColor(clRed);
  EXPECT_EQ(Px(*Image, 1, 5), Rgb(clYellow));
  EXPECT_EQ(Px(*Image, 0, 5), Rgb(clWhite));
  Image->SetPicture(Halves(80, 60));
  Image->SetProportional(true);
  EXPECT_EQ(Px(*Image, 5, 20), Rgb(clYellow)) << "also when scaled";
  EXPECT_EQ(Px(*Image, 35, 20), Rgb(clBlue));
}

TEST_F(ImageTest, APictureThatCannotBeReadKeepsTheOldOne) {
  Image->SetAlign(alNone);
  Image->SetAutoSize(true);
  Image->LoadFromMemory(Halves(12, 10).SaveToMemory());
  EXPECT_EQ(Image->BoundsRect(), (TRect{0, 0, 12, 10}));
  const std::uint8_t junk[] = {1, 2, 3, 4};
  EXPECT_THROW(Image->LoadFromMemory(junk), EGraphicsError);
  EXPECT_THROW(Image->LoadFromFile("/nonexistent/picture.png"), EGraphicsError);
  Show();
  EXPECT_EQ(Px(*Image, 11, 9), Rgb(clBlue));
}

}  // namespace
}  // namespace spintrak_test
