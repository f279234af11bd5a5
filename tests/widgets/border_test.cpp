#include <gtest/gtest.h>

#include "tests/widgets/form_fixture.h"
#include "widgets/border.h"

namespace widgets {
namespace {

struct Border : testing::TFormFixture {
  Border() : TFormFixture(1200, 640) {}
  const TColor Shadow = ColorToRGB(clBtnShadow);
  const TColor Light = ColorToRGB(clBtnHighlight);
};

// A rule of the tables: shadow then highlight across its last two rows (or columns), nothing else.
TEST_F(Border, RulesAreTheEtchedLineAlongTheirChosenSide) {
  auto* bottom = Add<TUiBorder>({0, 0, 1161, 10});
  bottom->SetBorderSides(sdBottom);
  auto* right = Add<TUiBorder>({0, 12, 10, 632});
  right->SetBorderSides(sdRight);
  Show();
  int wrong = 0;
  for (int y = 0; y < 11; ++y)
    for (int x = 0; x < 1162; ++x) {
      const TColor want = x == 1161 || y < 8 || y == 10 ? FormColor : y == 8 ? Shadow : Light;
      wrong += Px(x, y) != want;
    }
  for (int y = 12; y < 633; ++y)
    for (int x = 0; x < 11; ++x) {
      const TColor want = y == 632 || x < 8 || x == 10 ? FormColor : x == 8 ? Shadow : Light;
      wrong += Px(x, y) != want;
    }
  EXPECT_EQ(wrong, 0);
}

TEST_F(Border, ADefaultBorderIsAnEtchedRectangleAroundAnUntouchedInside) {
  Add<TUiBorder>({0, 0, 50, 50});
  Show();
  EXPECT_EQ(Px(0, 0), Shadow);
  EXPECT_EQ(Px(1, 1), Light);
  EXPECT_EQ(Px(48, 48), Shadow);
  EXPECT_EQ(Px(49, 49), Light);
  EXPECT_EQ(Px(49, 0), Light) << "the right line owns the top-right corner";
  EXPECT_TRUE(InkIn({2, 2, 48, 48}, FormColor).Empty());
}

TEST_F(Border, TheClientRectangleTakesEachFrameOffItsSides) {
  auto* border = Add<TUiBorder>({0, 0, 50, 50});
  EXPECT_EQ(border->FrameClientRect(), (gui::TRect{2, 2, 48, 48}));
  border->SetBorderWidth(3);
  border->SetBorderOuter(fsStatus);
  border->SetBevelWidth(4);
  border->SetBorderInner(fsFlat);
  border->SetBorderSides(sdLeft | sdBottom);
  EXPECT_EQ(border->FrameClientRect(), (gui::TRect{8, 3, 47, 42}));
  border->SetBounds(0, 0, 10, 10);
  border->SetBorderSides(AllSides);
  EXPECT_EQ(border->FrameClientRect(), TRect{}) << "an inside-out rectangle is empty";
}

TEST_F(Border, FrameChangesPaintAtOnceFlatColoursWithTheNextPass) {
  auto* border = Add<TUiBorder>({0, 0, 50, 50});
  Show();
  const int paints = border->PaintCount();
  border->SetBorderSides(sdTop);
  EXPECT_EQ(border->PaintCount(), paints + 1);
  EXPECT_EQ(Px(0, 49), FormColor);
  border->SetFlatColor(gui::clRed);
  border->SetBorderSides(sdTop);
  EXPECT_EQ(border->PaintCount(), paints + 1);
  EXPECT_TRUE(Form->HasPendingPaint());
}

}  // namespace
}  // namespace widgets
