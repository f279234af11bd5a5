// The widgets on a screen with a scale factor of 2: painted at device resolution, laid out and
// hit by the mouse in logical pixels.

#include <gtest/gtest.h>

#include <set>

#include "gui/graphics/measure_canvas.h"
#include "gui/std/label.h"
#include "platform/headless/headless_window.h"
#include "tests/widgets/form_fixture.h"
#include "widgets/bit_btn.h"
#include "widgets/paint/frames.h"
#include "widgets/paint/gradients.h"

namespace widgets {
namespace {

TBitmap ScaledBlank(int w, int h, int scale) {
  TBitmap b;
  b.SetLogicalSize(w, h, scale);
  b.Fill(clWhite);
  return b;
}

TEST(ScaledPainters, AGradientHasTwiceTheSteps) {
  std::size_t steps[3] = {};
  for (int scale : {1, 2}) {
    TBitmap b = ScaledBlank(4, 40, scale);
    PaintGradientRect(b.Canvas(), {0, 0, 4, 40}, gdHorizontalEnd, clBlack, 0xFF0000);
    std::set<TColor> colours;
    for (int y = 0; y < b.Height(); ++y) colours.insert(b.GetPixel(1, y));
    steps[scale] = colours.size();
  }
  EXPECT_EQ(steps[1], 40u);
  EXPECT_EQ(steps[2], 80u);
}

TEST(ScaledPainters, TheFocusBoxDotsAreDevicePixelsInTwoRings) {
  TBitmap b = ScaledBlank(6, 4, 2);
  StrokeDottedBox(b.Canvas(), {0, 0, 6, 4});
  auto row = [&](int y) {
    std::string s;
    for (int x = 0; x < b.Width(); ++x) s += b.GetPixel(x, y) == ColorToRGB(clBlack) ? '#' : '.';
    return s;
  };
  EXPECT_EQ(row(0), ".#.#.#.#.#.#");
  EXPECT_EQ(row(1), "#.#.#.#.#.##") << "the inner ring's dots between the outer ring's sides";
  EXPECT_EQ(row(4), ".#........#.") << "the inner ring's sides, the outer ring's between";
}

struct TScaledFormTest : testing::TFormFixture {
  TScaledFormTest() { Host.SetWindowScale(2); }
};

TEST_F(TScaledFormTest, TheBufferHoldsDevicePixelsAndTheMouseStaysLogical) {
  auto* button = Add<TUiBitBtn>({20, 30, 60, 55});
  int clicks = 0;
  button->OnClick = [&](gui::TComponent*) { ++clicks; };
  Idle();
  Show();
  EXPECT_EQ(Form->BackBuffer().Width(), 400);
  EXPECT_EQ(Form->BackBuffer().Height(), 240);
  EXPECT_EQ(Host.WindowOf(*Form).ClientSize(), (gui::TSize{200, 120})) << "the window's size is logical";
  EXPECT_EQ(Px(39, 59), ColorToRGB(FormColor)) << "the button starts at device (40, 60)";
  EXPECT_NE(Px(40, 60), ColorToRGB(FormColor));
  platform::headless::testing::ClickAt(Host, *Form, {21, 31});
  EXPECT_EQ(clicks, 1) << "a click at logical (21, 31) is on the button";
}

TEST_F(TScaledFormTest, AGlyphButtonDrawsTheGlyphDrawnForTheScale) {
  constexpr TColor Key = 0x00FF00, Small = 0x0000FF, Large = 0xFF0000;
  TBitmap glyph(8, 8, Small);
  glyph.SetPixel(0, 7, Key);
  TBitmap large(16, 16, Large);
  large.SetPixel(0, 15, Key);
  large.SetScale(2);
  glyph.SetVariant(std::move(large));
  auto* button = Add<TUiBitBtn>({10, 10, 60, 40});
  button->SetGlyph(glyph);
  Show();
  const testing::TInk ink = InkIn({20, 20, 120, 80}, button->Color());
  EXPECT_TRUE(ink.Colors.count(Large));
  EXPECT_FALSE(ink.Colors.count(Small));
  EXPECT_FALSE(ink.Colors.count(Key)) << "the key colour stays transparent";
}

TEST_F(TScaledFormTest, MovingToAScreenOfAnotherScalePaintsTheWindowAgain) {
  auto* label = Add<gui::TLabel>({10, 10, 100, 30});
  label->SetCaption("Spintrak");
  label->Font().SetHeight(-14);
  Show();
  const gui::TSize extent = gui::MeasureCanvas(label->Font()).TextExtent("Spintrak");
  const testing::TInk atTwo = InkIn({0, 0, 400, 240}, FormColor);
  const int width = label->Width();
  Host.ChangeScale(*Form, 1);
  Idle();
  EXPECT_EQ(Form->BackBuffer().Width(), 200);
  const testing::TInk atOne = InkIn({0, 0, 200, 120}, FormColor);
  EXPECT_NEAR(atTwo.Bounds.Height(), 2 * atOne.Bounds.Height(), 2);
  EXPECT_EQ(gui::MeasureCanvas(label->Font()).TextExtent("Spintrak"), extent);
  EXPECT_EQ(label->Width(), width) << "the layout does not move";
}

}  // namespace
}  // namespace widgets
