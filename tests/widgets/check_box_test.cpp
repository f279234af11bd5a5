// The check box: one test per row of its state table, the toggle rules the stay-on-top switch
// depends on, its geometry, fitting to the caption, and the classic square of each state.

#include "widgets/check_box.h"

#include <functional>
#include <utility>

#include "button_fixture.h"
#include "gui/graphics/measure_canvas.h"
#include "pixel_grid.h"
#include "widgets/bit_btn.h"
#include "widgets/check_box_image.h"

namespace widgets::testing {
namespace {

struct UiCheckBoxTest : TButtonFixture {
  TUiCheckBox* Box;
  TUiBitBtn* Other;
  std::vector<bool> SeenChecked;
  UiCheckBoxTest() {
    Other = Make<TUiBitBtn>("Other", {10, 150, 85, 175});
    Box = Make<TUiCheckBox>("Box", {24, 60, 270, 81});
    Box->SetAutoSize(false);
    Box->SetBounds(24, 60, 246, 21);
    Box->SetAlignmentVertical(avCenter);
    Box->SetCaption("Keep the window on top");
    Record(*Box);
    Box->OnClick = [this](TComponent*) {
      Log.push_back("Box:click");
      SeenChecked.push_back(Box->Checked());
    };
  }
  // The square's interior colour, from a pixel the tick never covers.
  TColor Interior() { return Px(*Box, 3, 4 + 3); }
};

// Row: left press, focus taken -> square shown pushed.
TEST_F(UiCheckBoxTest, PressShowsThePushedSquare) {
  Show();
  EXPECT_EQ(Interior(), Rgb(clWindow));
  Press(CentreOf(*Box));
  EXPECT_TRUE(Box->Focused());
  EXPECT_TRUE(Box->MousePressing());
  EXPECT_EQ(Interior(), Rgb(clBtnFace));
}

// Row: release inside -> state toggled, then OnClick, which already sees the new value.
TEST_F(UiCheckBoxTest, ReleaseInsideTogglesBeforeOnClick) {
  Show();
  Click(Host, *Form, "Box");
  EXPECT_TRUE(Box->Checked());
  EXPECT_EQ(SeenChecked, (std::vector<bool>{true}));
  EXPECT_EQ(Log, (std::vector<std::string>{"Box:down", "Box:up", "Box:click"}));
  EXPECT_FALSE(Box->MousePressing());
  EXPECT_EQ(Interior(), Rgb(clWindow));
  EXPECT_EQ(Px(*Box, 9, 4 + 3), Rgb(clWindowText)) << "the tick";
  Click(Host, *Form, "Box");
  EXPECT_EQ(SeenChecked, (std::vector<bool>{true, false}));
}

// Row: release outside -> square normal again, no change.
TEST_F(UiCheckBoxTest, ReleaseOutsideChangesNothing) {
  Show();
  Press(CentreOf(*Box));
  Release(At(*Box, 5, Box->Height()));
  EXPECT_FALSE(Box->Checked());
  EXPECT_EQ(Count("Box:click"), 0);
  EXPECT_EQ(Interior(), Rgb(clWindow));
}

// Row: Space down / up -> pushed / toggled; OnKeyUp comes before the toggle's OnClick.
TEST_F(UiCheckBoxTest, SpacePressAndReleaseTogglesOnce) {
  Show();
  Box->SetFocus();
  KeyDown(VK_SPACE);
  EXPECT_TRUE(Box->ToggleArmed());
  EXPECT_EQ(Interior(), Rgb(clBtnFace));
  KeyUp(VK_SPACE);
  EXPECT_TRUE(Box->Checked());
  EXPECT_EQ(Log, (std::vector<std::string>{"Box:keydown", "Box:keyup", "Box:click"}));
  KeyUp(VK_SPACE);
  EXPECT_TRUE(Box->Checked()) << "a second release without a press toggles nothing";
}

// Row: Escape while Space is held -> no toggle on the Space release.
TEST_F(UiCheckBoxTest, SpaceEscapeSpaceDoesNotToggle) {
  Show();
  Box->SetFocus();
  KeyDown(VK_SPACE);
  KeyDown(VK_ESCAPE);
  EXPECT_FALSE(Box->ToggleArmed());
  EXPECT_EQ(Interior(), Rgb(clWindow));
  KeyUp(VK_SPACE);
  EXPECT_FALSE(Box->Checked());
  EXPECT_EQ(Count("Box:click"), 0);
}

// Row: focus lost -> the pushed look goes, and a Space held meanwhile toggles nothing later.
TEST_F(UiCheckBoxTest, LosingTheFocusClearsThePushedLookAndTheArm) {
  Show();
  Box->SetFocus();
  KeyDown(VK_SPACE);
  Other->SetFocus();
  Run();
  EXPECT_FALSE(Box->ShowPressed());
  EXPECT_EQ(Interior(), Rgb(clWindow));
  Box->SetFocus();
  KeyUp(VK_SPACE);
  EXPECT_FALSE(Box->Checked());
}

// Row: focus lost -> the dotted box goes with the focus, however the focus moves.
TEST_F(UiCheckBoxTest, TheFocusBoxGoesWithTheFocus) {
  Show();
  auto dots = [this] {
    int n = 0;
    for (int x = 17; x < Box->Width(); ++x) n += (Px(*Box, x, 0) == clBlack) + (Px(*Box, x, 20) == clBlack);
    return n;
  };
  const std::pair<const char*, std::function<void()>> moves[] = {
      {"a click elsewhere", [this] { Click(Host, *Form, "Other"); }},
      {"Tab", [this] { Tab(Host, *Form); }},
      {"code", [this] { Other->SetFocus(); }},
  };
  for (const auto& [how, move] : moves) {
    Box->SetFocus();
    Run();
    ASSERT_GT(dots(), 100) << how;
    move();
    Run();
    ASSERT_TRUE(Other->Focused()) << how;
    EXPECT_EQ(dots(), 0) << how;
  }
}

// Row: disabled -> the square inactive, the caption grey.
TEST_F(UiCheckBoxTest, DisabledBoxIsGrey) {
  Box->SetChecked(true);
  Box->SetEnabled(false);
  Show();
  EXPECT_EQ(Interior(), Rgb(clBtnFace));
  EXPECT_EQ(Px(*Box, 9, 4 + 3), Rgb(clBtnShadow)) << "a grey tick";
  int grey = 0, black = 0;
  for (int y = 0; y < Box->Height(); ++y)
    for (int x = 18; x < Box->Width(); ++x) {
      grey += Px(*Box, x, y) == Rgb(clGrayText);
      black += Px(*Box, x, y) == clBlack;
    }
  EXPECT_GT(grey, 5);
  EXPECT_EQ(black, 0);
  Click(Host, *Form, "Box");
  EXPECT_TRUE(Box->Checked());
}

TEST_F(UiCheckBoxTest, FastDoubleClickTogglesTwice) {
  Show();
  DoubleClick(Host, *Form, "Box");
  EXPECT_EQ(SeenChecked, (std::vector<bool>{true, false}));
}

TEST_F(UiCheckBoxTest, SettingStateInCodeRaisesOnClickOnlyOnAChange) {
  Box->SetChecked(false);
  EXPECT_TRUE(Log.empty());
  Box->SetChecked(true);
  EXPECT_EQ(SeenChecked, (std::vector<bool>{true}));
  Box->SetState(cbGrayed);
  EXPECT_FALSE(Box->Checked());
  EXPECT_EQ(Box->CheckQueryResult(), 2);
  Box->ToggleState();
  EXPECT_EQ(Box->State(), cbChecked) << "grayed goes on to checked";
  EXPECT_EQ(Count("Box:click"), 3);
}

TEST_F(UiCheckBoxTest, AllowGrayedCyclesThroughThreeStates) {
  Box->SetAllowGrayed(true);
  Show();
  std::vector<TCheckBoxState> states;
  for (int i = 0; i < 3; ++i) {
    Click(Host, *Form, "Box");
    states.push_back(Box->State());
  }
  EXPECT_EQ(states, (std::vector<TCheckBoxState>{cbGrayed, cbChecked, cbUnchecked}));
}

TEST_F(UiCheckBoxTest, ReadOnlyBoxShowsThePressButNeverToggles) {
  Box->SetReadOnly(true);
  Box->SetCaption("&Top");
  Show();
  Press(CentreOf(*Box));
  EXPECT_EQ(Interior(), Rgb(clBtnFace));
  Release(CentreOf(*Box));
  PressKey(Host, *Form, VK_SPACE);
  Other->SetFocus();
  TypeText(Host, *Form, "t");
  EXPECT_TRUE(Box->Focused()) << "the accelerator still takes the focus";
  EXPECT_FALSE(Box->Checked());
  EXPECT_EQ(Count("Box:click"), 0);
}

TEST_F(UiCheckBoxTest, AcceleratorFocusesAndToggles) {
  Box->SetCaption("Stay on &top");
  Show();
  Other->SetFocus();
  TypeText(Host, *Form, "t");
  EXPECT_TRUE(Box->Focused());
  EXPECT_TRUE(Box->Checked());
}

TEST_F(UiCheckBoxTest, GeometryOfTheMainWindowBox) {
  EXPECT_EQ(Box->StateGlyphRect(), (TRect{0, 4, 13, 17}));
  EXPECT_EQ(Box->CaptionRect(), (TRect{18, 1, 245, 20}));
  Show();
  Box->SetFocus();
  Run();
  // The dotted box surrounds the caption area (17, 0, 246, 21), not the square.
  EXPECT_EQ(Px(*Box, 18, 0), clBlack);
  EXPECT_EQ(Px(*Box, 17, 1), clBlack);
  EXPECT_EQ(Px(*Box, 245, 1), clBlack);
  EXPECT_EQ(Px(*Box, 18, 20), clBlack);
  EXPECT_NE(Px(*Box, 14, 3), clBlack);
  Box->SetAlignment(taLeftJustify);
  EXPECT_EQ(Box->StateGlyphRect(), (TRect{233, 4, 246, 17}));
  EXPECT_EQ(Box->CaptionRect(), (TRect{1, 1, 228, 20}));
  Box->SetCaption("");
  Run();
  EXPECT_NE(Px(*Box, 2, 0), clBlack) << "no focus box without a caption";
}

TEST_F(UiCheckBoxTest, FitsToItsCaption) {
  Box->SetAutoSize(true);
  const TFontMetrics m = MeasureCanvas(Box->Font()).Metrics();
  const int wide = MeasureCanvas(Box->Font()).TextWidth("Keep the window on top");
  EXPECT_EQ(Box->Width(), wide + 13 + 6);
  EXPECT_EQ(Box->Height(), std::max(15, m.Height + 2));
  EXPECT_EQ(Box->Left(), 24);
  const int narrow = Box->Width();
  Box->SetCaption("Keep the window on top of every other window");
  EXPECT_GT(Box->Width(), narrow);
  EXPECT_EQ(Box->Left(), 24) << "grows to the right";
  Box->SetAlignment(taLeftJustify);
  const int right = Box->Left() + Box->Width();
  Box->SetCaption("On top");
  EXPECT_EQ(Box->Left() + Box->Width(), right) << "caption on the left: the right edge stays";
  Box->SetCaption("");
  EXPECT_EQ(Box->Width(), 19);
  EXPECT_EQ(Box->Height(), 15);
}

TEST_F(UiCheckBoxTest, EndOfLoadingWrapsABoxGivenMoreThanOneLine) {
  const int line = MeasureCanvas(Form->Font()).Metrics().Height;
  Form->BeginLoading();
  auto* tall = Make<TUiCheckBox>("Tall", {10, 10, 90, 10 + line + 3});
  tall->SetCaption("A caption long enough to need two lines");
  auto* exact = Make<TUiCheckBox>("Exact", {10, 60, 300, 60 + line + 2});
  exact->SetCaption("One line");
  EXPECT_EQ(tall->Width(), 80) << "no fitting while loading";
  Form->EndLoading();
  EXPECT_TRUE(tall->WordWrap());
  EXPECT_GE(tall->Height(), 2 * line + 2);
  EXPECT_EQ((tall->Height() - 2) % line, 0) << "whole lines";
  EXPECT_FALSE(exact->WordWrap());
  EXPECT_EQ(exact->Height(), line + 2);
}

TEST_F(UiCheckBoxTest, BackgroundCacheIsRebuiltAfterAColourChange) {
  Show();
  EXPECT_TRUE(Box->BackgroundCacheValid());
  Box->SetColor(clYellow);
  EXPECT_FALSE(Box->BackgroundCacheValid());
  Run();
  EXPECT_EQ(Px(*Box, 100, 0), clYellow);
  EXPECT_EQ(Px(*Box, 0, 0), clYellow);
  Box->SetTransparent(true);
  Run();
  EXPECT_EQ(Px(*Box, 100, 0), Rgb(clBtnFace)) << "see-through: the form shows under the caption";
  EXPECT_EQ(Px(*Box, 3, 7), Rgb(clWindow)) << "the square stays opaque";
}

TEST_F(UiCheckBoxTest, TabOnEnterMovesTheFocusOn) {
  Show();
  Box->SetFocus();
  PressKey(Host, *Form, VK_RETURN);
  EXPECT_TRUE(Box->Focused()) << "Enter is left to the form by default";
  Box->SetTabOnEnter(true);
  PressKey(Host, *Form, VK_RETURN);
  EXPECT_TRUE(Other->Focused());
  EXPECT_FALSE(Box->Checked());
}

TEST(CheckImage, ClassicSquareInEachState) {
  // Highlight and window are both white here.
  const TLegend legend{{Rgb(clBtnShadow), 's'}, {Rgb(clBtnHighlight), 'w'}, {Rgb(cl3DDkShadow), 'd'},
                       {Rgb(cl3DLight), 'l'},   {Rgb(clBtnFace), 'f'},      {Rgb(clWindowText), '#'}};
  TBitmap square = Blank(13, 13);
  PaintCheckImage(square.Canvas(), 0, 0, DFCS_CHECKED);
  EXPECT_EQ(Grid(square, legend), Picture(R"(
ssssssssssssw
sddddddddddlw
sdwwwwwwwwwlw
sdwwwwwww#wlw
sdwwwwww##wlw
sdw#www###wlw
sdw##w###wwlw
sdw#####wwwlw
sdww###wwwwlw
sdwww#wwwwwlw
sdwwwwwwwwwlw
slllllllllllw
wwwwwwwwwwwww)"));
  PaintCheckImage(square.Canvas(), 0, 0, DFCS_BUTTONCHECK | DFCS_PUSHED);
  for (int y = 2; y < 11; ++y)
    for (int x = 2; x < 11; ++x) EXPECT_EQ(square.GetPixel(x, y), Rgb(clBtnFace));
  PaintCheckImage(square.Canvas(), 0, 0, DFCS_CHECKED | DFCS_INACTIVE);
  EXPECT_EQ(square.GetPixel(2, 2), Rgb(clBtnFace));
  EXPECT_EQ(square.GetPixel(3, 7), Rgb(clBtnShadow));
  PaintCheckImage(square.Canvas(), 0, 0, DFCS_CHECKED | DFCS_BUTTON3STATE);
  EXPECT_EQ(square.GetPixel(3, 7), Rgb(clBtnShadow)) << "grayed: a grey tick";
  EXPECT_NE(square.GetPixel(2, 2), square.GetPixel(3, 2)) << "over a half-tone";
  EXPECT_EQ(square.GetPixel(2, 2), square.GetPixel(3, 3));
}

}  // namespace
}  // namespace widgets::testing
