// The frame of the widget set's entries: its rings in the normal and the hot state, what makes
// it hot (one test per row of the table above TUiCustomEdit), and the background by state.

#include "edit_fixture.h"
#include "pixel_grid.h"
#include "widgets/color_ops.h"

namespace widgets::testing {
namespace {

using gui::ColorToRGB;

const TLegend Legend = {{ColorToRGB(clWindow), 'w'},     {ColorToRGB(clBtnShadow), 's'},
                        {ColorToRGB(cl3DDkShadow), 'd'}, {ColorToRGB(cl3DLight), 'l'},
                        {ColorToRGB(clBtnFace), 'f'},    {gui::clYellow, 'y'}};

struct EditFrame : TEditFixture {
  // An 8 x 6 entry: small enough to hold its whole band as a picture.
  TUiEdit* Small = nullptr;
  EditFrame() {
    Small = new TUiEdit(Form);
    Small->SetName("Small");
    Small->SetParent(Form);
    Small->SetBounds(120, 80, 8, 6);
    Small->SetFrameVisible(true);
    Show();
  }
  // The entry's pixels with its client area left blank.
  std::string Band(const gui::TControl& c) {
    Host.RunUntilIdle();
    const gui::TRect r = c.RectInForm();
    std::string grid = Grid(Form->BackBuffer(), Legend, r);
    for (int y = 2; y < r.Height() - 2; ++y)
      for (int x = 2; x < r.Width() - 2; ++x) grid[std::size_t(y * (r.Width() + 1) + x)] = ' ';
    return grid;
  }
  bool LooksHot() { return Px(*Field, 0, 0) == ColorToRGB(clBtnHighlight); }
  bool LooksNormal() { return Px(*Field, 0, 0) == ColorToRGB(clBtnShadow); }
};

TEST_F(EditFrame, TheNormalFrameIsAOnePixelShadowLine) {
  EXPECT_EQ(Band(*Small), Picture(R"(
ssssssss
swwwwwws
sw    ws
sw    ws
swwwwwws
ssssssss)"));
}

TEST_F(EditFrame, TheHotBumpIsLightOutsideTopLeftAndDarkInside) {
  Small->SetFrameHotTrack(true);
  Small->SetFrameHotStyle(fsBump);
  PointerOnto(*Small);
  EXPECT_EQ(Band(*Small), Picture(R"(
wwwwwwws
wsssssws
ws    ws
ws    ws
wwwwwwws
ssssssss)"));
}

TEST_F(EditFrame, OnlyTheChosenSidesAreDrawnOnABandClearedInTheFieldColour) {
  Small->SetColor(gui::clYellow);
  Small->SetFrameSides(sdBottom);
  EXPECT_EQ(Band(*Small), Picture(R"(
yyyyyyyy
yyyyyyyy
yy    yy
yy    yy
yyyyyyyy
ssssssss)"));
}

TEST_F(EditFrame, WithoutTheFrameThePlatformBorderShowsAndHotTrackingOnlyRecolours) {
  Small->SetFrameVisible(false);
  Small->SetFocusColor(gui::clYellow);
  const std::string sunken = Band(*Small);
  EXPECT_EQ(sunken, Picture(R"(
sssssssw
sdddddlw
sd    lw
sd    lw
sllllllw
wwwwwwww)"));
  PointerOnto(*Small);
  EXPECT_EQ(Band(*Small), sunken);
  Focus(*Small);
  EXPECT_EQ(Band(*Small), sunken);
  EXPECT_EQ(Small->Color(), gui::clYellow);
}

// Rows of the hot-tracking table.
TEST_F(EditFrame, PointerEnters) {
  ASSERT_TRUE(LooksNormal());
  PointerOnto(*Field);
  EXPECT_TRUE(Field->MouseInside());
  EXPECT_TRUE(LooksHot());
}

TEST_F(EditFrame, PointerLeaves) {
  PointerOnto(*Field);
  Focus(*Field);
  PointerAway();
  EXPECT_FALSE(Field->MouseInside());
  EXPECT_TRUE(LooksHot()) << "still focused";
  Focus(*Other);
  PointerOnto(*Field);
  PointerAway();
  EXPECT_TRUE(LooksNormal());
}

TEST_F(EditFrame, FocusGained) {
  Tab(Host, *Form);
  ASSERT_TRUE(Field->Focused());
  EXPECT_TRUE(Field->FocusInside());
  EXPECT_TRUE(LooksHot()) << "by keyboard, without the pointer";
}

TEST_F(EditFrame, FocusLost) {
  Focus(*Field);
  PointerOnto(*Field);
  Tab(Host, *Form);
  EXPECT_FALSE(Field->FocusInside());
  EXPECT_TRUE(LooksHot()) << "the pointer is still inside";
  Focus(*Field);
  PointerAway();
  Tab(Host, *Form);
  EXPECT_TRUE(LooksNormal());
}

TEST_F(EditFrame, FocusLostGivesBackTheColourOfTheStateLeftIn) {
  Field->SetFocusColor(gui::clAqua);
  for (bool readOnly : {false, true}) {
    Field->SetReadOnly(readOnly);
    const TColor unfocused = readOnly ? clInfoBk : clWindow;
    Focus(*Field);
    ASSERT_EQ(Field->Color(), gui::clAqua) << readOnly;
    Focus(*Other);
    EXPECT_EQ(Field->Color(), unfocused) << readOnly;
    EXPECT_EQ(Px(*Field, 1, 1), ColorToRGB(unfocused)) << "the band, " << readOnly;
    EXPECT_EQ(Px(*Field, 4, 4), ColorToRGB(unfocused)) << "the text area, " << readOnly;
  }
}

TEST_F(EditFrame, ADisabledEntryFollowsThePointer) {
  Field->SetEnabled(false);
  PointerOnto(*Field);
  EXPECT_TRUE(Field->MouseInside());
  EXPECT_EQ(Px(*Field, 0, 0), ColorToRGB(LightenColor(clBtnFace, 100))) << "the bump in shades of the face";
  PointerAway();
  EXPECT_FALSE(Field->MouseInside());
  EXPECT_TRUE(LooksNormal());

  // Disabled while the pointer is over it, it still hears the pointer leave.
  Field->SetEnabled(true);
  PointerOnto(*Field);
  Field->SetEnabled(false);
  Host.RunUntilIdle();
  EXPECT_TRUE(Field->MouseInside());
  PointerAway();
  Field->SetEnabled(true);
  EXPECT_FALSE(Field->MouseInside());
  EXPECT_TRUE(LooksNormal());
}

TEST_F(EditFrame, AnotherApplicationActivated) {
  Focus(*Field);
  Host.FocusChanged(*Form, false);
  Host.RunUntilIdle();
  EXPECT_TRUE(LooksHot());
  Host.FocusChanged(*Form, true);
  Host.RunUntilIdle();
  EXPECT_TRUE(LooksHot());
}

TEST_F(EditFrame, EndOfLoading) {
  Field->UpdateFrame(ftFocus, true);
  Form->BeginLoading();
  Form->EndLoading();
  EXPECT_FALSE(Field->FocusInside());
  EXPECT_TRUE(LooksNormal());
}

TEST_F(EditFrame, WithoutHotTrackingTheFrameNeverChanges) {
  Field->SetFrameHotTrack(false);
  PointerOnto(*Field);
  Focus(*Field);
  EXPECT_TRUE(LooksNormal());
}

// Rows of the background table.
TEST_F(EditFrame, DisabledTakesTheDisabledColourInBandAndText) {
  Field->SetEnabled(false);
  EXPECT_EQ(Field->Color(), clBtnFace);
  EXPECT_EQ(Px(*Field, 1, 1), ColorToRGB(clBtnFace));
  EXPECT_EQ(Px(*Field, 3, 3), ColorToRGB(clBtnFace));
  EXPECT_TRUE(LooksNormal()) << "the flat line keeps its colour";
  // A hot style other than the flat ones is drawn in shades of the field colour then.
  Field->UpdateFrame(ftPointer, true);
  EXPECT_EQ(Px(*Field, 0, 0), ColorToRGB(LightenColor(clBtnFace, 100)));
  EXPECT_EQ(Px(*Field, Field->Width() - 1, Field->Height() - 1), ColorToRGB(DarkenColor(clBtnFace, 50)));
  Field->SetEnabled(true);
  EXPECT_EQ(Field->Color(), clWindow);
}

TEST_F(EditFrame, FocusedTakesTheFocusColourOrTheReadOnlyColourWhenAskedTo) {
  Field->SetFocusColor(gui::clAqua);
  Focus(*Field);
  EXPECT_EQ(Field->Color(), gui::clAqua);
  Field->SetReadOnly(true);
  EXPECT_EQ(Field->Color(), gui::clAqua);
  Field->SetReadOnlyColorOnFocus(true);
  EXPECT_EQ(Field->Color(), clInfoBk);
  EXPECT_EQ(Px(*Field, 4, 4), ColorToRGB(clInfoBk));
}

TEST_F(EditFrame, ReadOnlyTakesTheReadOnlyColour) {
  Field->SetReadOnly(true);
  EXPECT_EQ(Field->Color(), clInfoBk);
  Field->SetReadOnlyColor(gui::clYellow);
  EXPECT_EQ(Px(*Field, 3, 3), gui::clYellow);
}

TEST_F(EditFrame, OtherwiseTheColourLastGivenFromOutside) {
  Focus(*Field);
  Field->SetColor(gui::clYellow);
  EXPECT_EQ(Field->NormalColor(), gui::clYellow);
  EXPECT_EQ(Field->FocusColor(), gui::clYellow) << "the focus colour followed while it was equal";
  Focus(*Other);
  EXPECT_EQ(Field->Color(), gui::clYellow);
  EXPECT_EQ(Px(*Field, 1, 1), gui::clYellow);
  Field->SetFocusColor(gui::clAqua);
  Field->SetColor(gui::clLime);
  EXPECT_EQ(Field->FocusColor(), gui::clAqua) << "a distinct focus colour stays";
}

TEST_F(EditFrame, AParentColourIsAColourFromOutside) {
  Small->SetParentColor(true);
  Form->SetColor(gui::clLime);
  EXPECT_EQ(Small->Color(), gui::clLime);
  EXPECT_EQ(Small->NormalColor(), gui::clLime);
  EXPECT_EQ(Small->FocusColor(), gui::clLime);
  EXPECT_EQ(Px(*Small, 1, 1), gui::clLime) << "the band is painted in the new colour";
}

TEST_F(EditFrame, FramePropertiesRepaintOnlyTheBand) {
  Host.RunUntilIdle();
  Field->SetFrameColor(gui::clRed);
  const gui::TRect client = gui::Bounds(12, 12, 61, 17);
  ASSERT_FALSE(Form->DirtyRects().empty());
  for (const gui::TRect& r : Form->DirtyRects())
    EXPECT_TRUE(gui::IntersectRect(r, client).IsEmpty())
        << r.Left << "," << r.Top << "," << r.Right << "," << r.Bottom;
  Host.RunUntilIdle();
  Field->Hide();
  Host.RunUntilIdle();
  Field->SetFrameStyle(fsRaised);
  EXPECT_TRUE(Form->DirtyRects().empty()) << "a hidden entry asks for nothing";
}

TEST_F(EditFrame, HotTrackingShowsTheFrameOnAllSides) {
  Small->SetFrameVisible(false);
  Small->SetCtl3D(false);
  Small->SetFrameSides(sdTop);
  Small->SetFrameHotTrack(true);
  EXPECT_TRUE(Small->FrameVisible());
  EXPECT_TRUE(Small->Ctl3D());
  EXPECT_EQ(Small->FrameSides(), AllSides);
  // A layout sets its sides after switching hot tracking on.
  Form->BeginLoading();
  Small->SetFrameHotTrack(false);
  Small->SetFrameSides(sdTop);
  Small->SetFrameHotTrack(true);
  Form->EndLoading();
  EXPECT_EQ(Small->FrameSides(), TSides(sdTop));
}

}  // namespace
}  // namespace widgets::testing
