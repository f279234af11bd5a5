#include "gui/std/image.h"

#include "gui/graphics/graphics_error.h"
#include "gui/std/panel.h"
#include "std_fixture.h"

namespace spintrak_test {
namespace {

struct ImageTest : TStdFixture {
  TPanel* Box;
  TImage* Image;
  ImageTest() {
    Form->SetColor(clYellow);
    Box = new TPanel(Form);
    Box->SetParent(Form);
    Box->SetBevelOuter(bvNone);
    Box->SetColor(clYellow);
    Box->SetBounds(10, 10, 40, 30);
    Image = new TImage(Form);
    Image->SetParent(Box);
    Image->SetAlign(alClient);
  }
  // A picture whose left half is red and right half blue, with a green top-left pixel and a white
  // bottom-left pixel (the default transparent colour).
  static TBitmap Halves(int w, int h) {
    TBitmap b(w, h, clBlue);
    for (int y = 0; y < h; ++y)
      for (int x = 0; x < w / 2; ++x) b.SetPixel(x, y, clRed);
    b.SetPixel(0, 0, clLime);
    b.SetPixel(0, h - 1, clWhite);
    return b;
  }
  // The rectangle of the image's pixels that are not the yellow background.
  TRect Covered() {
    TRect r{1000, 1000, -1, -1};
    for (int y = 0; y < Image->Height(); ++y)
      for (int x = 0; x < Image->Width(); ++x)
        if (Px(*Image, x, y) != Rgb(clYellow)) {
          r.Left = std::min(r.Left, x);
          r.Top = std::min(r.Top, y);
          r.Right = std::max(r.Right, x + 1);
          r.Bottom = std::max(r.Bottom, y + 1);
        }
    return r;
  }
};

TEST_F(ImageTest, OneToOneCentredAndNeverEnlargedWithoutStretch) {
  Image->SetPicture(Halves(8, 6));
  Show();
  EXPECT_EQ(Covered(), (TRect{0, 0, 8, 6}));
  EXPECT_EQ(Px(*Image, 0, 0), Rgb(clLime));
  EXPECT_EQ(Px(*Image, 3, 2), Rgb(clRed));
  EXPECT_EQ(Px(*Image, 4, 2), Rgb(clBlue));
  Image->SetCenter(true);
  EXPECT_EQ(Covered(), (TRect{16, 12, 24, 18}));
  Image->SetProportional(true);
  EXPECT_EQ(Covered(), (TRect{16, 12, 24, 18})) << "proportional alone does not enlarge";
  Image->SetStretch(true);
  EXPECT_EQ(Covered(), (TRect{0, 0, 40, 30})) << "4:3 fills 40 x 30 exactly";
  Image->SetProportional(false);
  Image->SetPicture(Halves(4, 4));
  EXPECT_EQ(Covered(), (TRect{0, 0, 40, 30})) << "stretch without proportion fills the control";
}

TEST_F(ImageTest, ALargerPictureIsScaledDownProportionallyAndCentred) {
  Image->SetPicture(Halves(128, 32));
  Image->SetCenter(true);
  Image->SetProportional(true);
  Show();
  SavePng("image_scaled_down");
  EXPECT_EQ(Image->DestRect(), (TRect{0, 10, 40, 20}));
  EXPECT_EQ(Covered(), (TRect{0, 10, 40, 20}));
  EXPECT_EQ(Px(*Image, 5, 15), Rgb(clRed));
  EXPECT_EQ(Px(*Image, 35, 15), Rgb(clBlue));
  // A tall picture fits the height instead.
  Image->SetPicture(Halves(30, 120));
  EXPECT_EQ(Image->DestRect(), (TRect{16, 0, 23, 30}));
}

TEST_F(ImageTest, TransparentColourLeavesTheBackground) {
  TBitmap pic = Halves(8, 6);
  Image->SetPicture(pic);
  Image->SetTransparent(true);
  Show();
  EXPECT_EQ(Px(*Image, 0, 5), Rgb(clYellow)) << "the bottom-left pixel's colour is left out";
  EXPECT_EQ(Px(*Image, 1, 5), Rgb(clRed));
  Image->SetTransparentColor(clRed);
  EXPECT_EQ(Px(*Image, 1, 5), Rgb(clYellow));
  EXPECT_EQ(Px(*Image, 0, 5), Rgb(clWhite));
  EXPECT_EQ(Px(*Image, 5, 5), Rgb(clBlue));
  // Also when scaled.
  Image->SetPicture(Halves(80, 60));
  Image->SetProportional(true);
  EXPECT_EQ(Px(*Image, 5, 20), Rgb(clYellow));
  EXPECT_EQ(Px(*Image, 35, 20), Rgb(clBlue));
}

TEST_F(ImageTest, APictureThatCannotBeReadKeepsTheOldOne) {
  Image->SetAlign(alNone);
  Image->SetAutoSize(true);
  const TBitmap pic = Halves(12, 10);
  Image->LoadFromMemory(pic.SaveToMemory());
  EXPECT_EQ(Image->Width(), 12);
  EXPECT_EQ(Image->Height(), 10);
  const std::uint8_t junk[] = {1, 2, 3, 4};
  EXPECT_THROW(Image->LoadFromMemory(junk), EGraphicsError);
  EXPECT_THROW(Image->LoadFromFile("/nonexistent/picture.png"), EGraphicsError);
  EXPECT_EQ(Image->Picture().Width(), 12);
  Show();
  EXPECT_EQ(Px(*Image, 11, 9), Rgb(clBlue));
}

}  // namespace
}  // namespace spintrak_test
