#include <gtest/gtest.h>

#include <set>

#include "gui/graphics/bitmap.h"
#include "tests/widgets/form_fixture.h"
#include "widgets/paint/color_ops.h"
#include "widgets/separator.h"

namespace widgets {
namespace {

struct Separator : testing::TFormFixture {
  TUiSeparator* Bar = nullptr;
  Separator() {
    Form->SetColor(clBtnFace);
    Bar = Add<TUiSeparator>({10, 10, 12, 35});
    Bar->SetOrientation(orVertical);
    Bar->SetBounds(10, 10, 2, 25);
    Bar->SetHighlightColor(gui::clGreen);
  }
  // Every pixel of the bar in one colour.
  bool Solid(gui::TColor color) const {
    for (int y = 10; y < 35; ++y)
      for (int x = 10; x < 12; ++x)
        if (Px(x, y) != ColorToRGB(color)) return false;
    return true;
  }
};

struct TPaletteDisplay {
  TPaletteDisplay() { SetHasFullColorDisplay(false); }
  ~TPaletteDisplay() { SetHasFullColorDisplay(true); }
};

TEST_F(Separator, TheStripBarIsGreenOnRow12AndFadesToBothEnds) {
  Show();
  const gui::TColor face = ColorToRGB(clBtnFace);
  std::set<gui::TColor> upper, lower;
  for (int y = 0; y < 25; ++y) {
    EXPECT_EQ(Px(10, 10 + y), Px(11, 10 + y)) << "row " << y;
    (y <= 12 ? upper : lower).insert(Px(10, 10 + y));
  }
  EXPECT_EQ(Px(10, 22), gui::clGreen);
  EXPECT_EQ(Px(10, 34), face);
  EXPECT_NE(Px(10, 10), face) << "row 0 is one step short of the window colour";
  EXPECT_EQ(upper.size(), 13u) << "a new colour on every row";
  EXPECT_EQ(lower.size(), 12u);
  EXPECT_EQ(Px(10, 9), ColorToRGB(clBtnFace));
  EXPECT_EQ(Px(12, 22), ColorToRGB(clBtnFace)) << "nothing outside the bar";
}

TEST_F(Separator, WithoutGradientItIsAPlainBlockAndOnAPaletteDisplayItsStopColour) {
  Bar->SetShowGradient(false);
  Show();
  EXPECT_TRUE(Solid(clBtnFace));
  TPaletteDisplay palette;
  Bar->SetShowGradient(true);
  Idle();
  EXPECT_TRUE(Solid(gui::clGreen));
}

TEST_F(Separator, TurningItAtRunTimeSwapsItsSizeButNotWhileLoading) {
  Bar->SetOrientation(orHorizontal);
  EXPECT_EQ(Bar->BoundsRect(), (gui::TRect{10, 10, 35, 12}));
  EXPECT_EQ(Bar->Gradient().Direction, gdVerticalCenter);

  Form->BeginLoading();
  auto* loaded = Add<TUiSeparator>({0, 40, 2, 65});
  loaded->SetOrientation(orVertical);
  EXPECT_EQ(loaded->BoundsRect(), (gui::TRect{0, 40, 2, 65}));
  Form->EndLoading();
  EXPECT_EQ(loaded->BoundsRect(), (gui::TRect{0, 40, 2, 65}));
  EXPECT_EQ(loaded->Gradient().Direction, gdHorizontalCenter);
  EXPECT_EQ(loaded->Gradient().Start, clBtnFace) << "derived again with the parent's colour";
}

TEST_F(Separator, TheGradientFollowsOrientationPlaceAndColours) {
  const TColor h = gui::clGreen, c = gui::clRed;
  // Only the upper-left highlight starts with the highlight colour.
  EXPECT_EQ(SeparatorGradient(orHorizontal, hlUpperLeft, h, c), (TSeparatorGradient{gdVerticalEnd, h, c}));
  EXPECT_EQ(SeparatorGradient(orVertical, hlLowerRight, h, c), (TSeparatorGradient{gdHorizontalEnd, c, h}));

  Show();
  Form->SetColor(gui::clRed);
  EXPECT_EQ(Bar->Gradient().Start, gui::clRed) << "the parent's colour is the bar's";
  Idle();
  EXPECT_EQ(Px(10, 34), gui::clRed);
}

TEST_F(Separator, ACollapsedBarIsOnePixelWhenItNextPaintsAGradient) {
  Bar->SetBounds(10, 10, 0, 25);
  gui::TBitmap off(4, 30, clBlack);
  Bar->PaintTo(off.Canvas());
  EXPECT_EQ(Bar->Width(), 1);
  EXPECT_EQ(off.GetPixel(0, 12), gui::clGreen);
  EXPECT_EQ(off.GetPixel(1, 12), clBlack);
}

}  // namespace
}  // namespace widgets
