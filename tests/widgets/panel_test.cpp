#include <gtest/gtest.h>

#include "tests/widgets/form_fixture.h"
#include "widgets/label.h"
#include "widgets/paint/color_ops.h"
#include "widgets/panel.h"

namespace widgets {
namespace {

struct Panel : testing::TFormFixture {
  Panel() : TFormFixture(320, 240) {}
  TUiPanel* Make(gui::TRect bounds) { return Add<TUiPanel>(bounds); }
  gui::TControl* ClientChild(TUiPanel* panel) {
    auto* child = Add<gui::TCustomControl>({0, 0, 10, 10}, panel);
    child->SetAlign(gui::alClient);
    return child;
  }
  // Pixels of the panel's inside that are not its face colour.
  testing::TInk InkInside(const TUiPanel* p, int inset) const {
    return InkIn(p->BoundsRect().Inflate(-inset, -inset), clBtnFace);
  }
};

TEST_F(Panel, ADefaultPanelHasTheRaisedEdgeAndOffersWhatIsInsideIt) {
  TUiPanel* panel = Make({0, 0, 105, 105});
  gui::TControl* child = ClientChild(panel);
  child->Hide();
  Show();
  EXPECT_EQ(Px(0, 50), ColorToRGB(cl3DLight));
  EXPECT_EQ(Px(50, 0), ColorToRGB(cl3DLight));
  EXPECT_EQ(Px(104, 50), ColorToRGB(cl3DDkShadow));
  EXPECT_EQ(Px(50, 104), ColorToRGB(cl3DDkShadow));
  EXPECT_EQ(Px(1, 50), ColorToRGB(clBtnHighlight));
  EXPECT_EQ(Px(50, 1), ColorToRGB(clBtnHighlight));
  EXPECT_EQ(Px(103, 50), ColorToRGB(clBtnShadow));
  EXPECT_EQ(Px(50, 103), ColorToRGB(clBtnShadow));
  EXPECT_TRUE(InkInside(panel, 2).Empty());
  child->Show();
  EXPECT_EQ(child->BoundsRect(), (gui::TRect{2, 2, 103, 103}));
  EXPECT_EQ(panel->FrameClientRect(), (gui::TRect{2, 2, 103, 103}));
}

TEST_F(Panel, FramesTakeSpaceOnlyOnTheirSidesAndTheBandAllRound) {
  TUiPanel* none = Make({0, 0, 60, 40});
  none->SetBorderOuter(fsNone);
  gui::TControl* whole = ClientChild(none);
  TUiPanel* open = Make({100, 0, 160, 40});
  open->SetBorderSides(sdLeft | sdRight | sdBottom);
  gui::TControl* below = ClientChild(open);
  TUiPanel* status = Make({200, 0, 260, 40});
  status->SetBorderOuter(fsStatus);
  status->SetBevelWidth(3);
  status->SetBorderWidth(2);
  status->SetBorderSides(sdLeft);
  gui::TControl* banded = ClientChild(status);
  Show();
  EXPECT_EQ(whole->BoundsRect(), (gui::TRect{0, 0, 60, 40}));
  EXPECT_TRUE(InkIn({0, 0, 60, 40}, clBtnFace).Empty()) << "fsNone paints no border";
  EXPECT_EQ(below->BoundsRect(), (gui::TRect{2, 0, 58, 38}));
  EXPECT_EQ(Px(130, 0), ColorToRGB(clBtnFace)) << "no top lines";
  EXPECT_EQ(status->FrameClientRect(), (gui::TRect{3, 0, 60, 40}));
  EXPECT_EQ(banded->BoundsRect(), (gui::TRect{5, 2, 58, 38}));
}

TEST_F(Panel, ClassicAndXpLooksPaintTheSamePixels) {
  TUiPanel* classic = Make({0, 0, 60, 40});
  classic->SetVisualStyle(vsClassic);
  classic->SetCaption("Ab");
  TUiPanel* xp = Make({100, 0, 160, 40});
  xp->SetCaption("Ab");
  Show();
  int differ = 0;
  for (int y = 0; y < 40; ++y)
    for (int x = 0; x < 60; ++x) differ += Px(x, y) != Px(x + 100, y);
  EXPECT_EQ(differ, 0);
  EXPECT_FALSE(InkInside(xp, 2).Empty()) << "the caption is there";
}

TEST_F(Panel, AnEmptyCaptionDrawsNothingAndAPlacedOneSitsWhereItsAlignmentsSay) {
  TUiPanel* empty = Make({0, 0, 80, 60});
  empty->SetAlignment(gui::taLeftJustify);
  empty->SetAlignmentVertical(avBottom);
  TUiPanel* top = Make({100, 0, 180, 60});
  top->SetAlignment(gui::taLeftJustify);
  top->SetAlignmentVertical(avTop);
  top->SetTextMargin(5);
  top->SetTextMarginVertical(3);
  top->SetCaption("Hg");
  TUiPanel* grey = Make({200, 0, 280, 60});
  grey->SetCaption("Hg");
  grey->SetEnabled(false);
  Show();
  EXPECT_TRUE(InkInside(empty, 2).Empty());
  const testing::TInk ink = InkInside(top, 2);
  ASSERT_FALSE(ink.Empty());
  EXPECT_GE(ink.Bounds.Left, 107);
  EXPECT_LE(ink.Bounds.Left, 109);
  EXPECT_LE(ink.Bounds.Bottom, 5 + 20);
  const testing::TInk centred = InkInside(grey, 2);
  EXPECT_TRUE(centred.Colors.contains(ColorToRGB(clGrayText)));
  EXPECT_NEAR((centred.Bounds.Left + centred.Bounds.Right) / 2, 240, 2);
  EXPECT_NEAR((centred.Bounds.Top + centred.Bounds.Bottom) / 2, 30, 3);
}

TEST_F(Panel, GridsLieOnTheCellsLastPixels) {
  const TUiGridStyle styles[] = {gsDots, gsSolidLines, gsDottedLines};
  TUiPanel* panels[3];
  for (int i = 0; i < 3; ++i) {
    panels[i] = Make({i * 50, 0, i * 50 + 41, 30});
    panels[i]->SetBorderOuter(fsNone);
    panels[i]->SetShowGrid(true);
    panels[i]->SetGridStyle(styles[i]);
    panels[i]->SetGridColor(gui::clRed);
  }
  Show();
  const testing::TInk dots = InkIn({0, 0, 41, 30}, clBtnFace);
  EXPECT_EQ(dots.Bounds, (gui::TRect{7, 7, 40, 24}));
  int count = 0;
  for (int y = 0; y < 30; ++y)
    for (int x = 0; x < 41; ++x) count += Px(x, y) == gui::clRed;
  EXPECT_EQ(count, 5 * 3);
  EXPECT_EQ(Px(39, 23), gui::clRed);
  EXPECT_EQ(Px(40, 23), ColorToRGB(clBtnFace)) << "a last column narrower than a cell has no line";

  EXPECT_EQ(Px(50 + 7, 0), gui::clRed);
  EXPECT_EQ(Px(50 + 0, 15), gui::clRed);
  EXPECT_EQ(Px(50 + 40, 15), gui::clRed);
  EXPECT_EQ(Px(50 + 8, 14), ColorToRGB(clBtnFace));

  EXPECT_EQ(Px(100 + 7, 0), ColorToRGB(clBtnFace)) << "dotted lines start at their second pixel";
  EXPECT_EQ(Px(100 + 7, 1), gui::clRed);
  EXPECT_EQ(Px(100 + 7, 2), ColorToRGB(clBtnFace));
  EXPECT_EQ(Px(100 + 1, 7), gui::clRed);
}

TEST_F(Panel, ARoundedOutlineLetsTheFillReachBetweenItsCorners) {
  TUiPanel* panel = Make({0, 0, 20, 20});
  panel->SetBorderOuter(fsFlatRounded);
  panel->SetVisualStyle(vsGradient);
  panel->SetGradientColorStyle(gcsCustom);
  panel->SetGradientColorStart(gui::clGreen);
  panel->SetGradientColorStop(gui::clGreen);
  Show();
  const TColor flat = ColorToRGB(LightenColor(clBtnShadow, 30));
  EXPECT_EQ(Px(0, 10), flat);
  EXPECT_EQ(Px(1, 10), gui::clGreen) << "the fill grows by one under the outline's sides";
  EXPECT_EQ(Px(1, 1), flat) << "the outline's cut corner";
  EXPECT_EQ(Px(18, 18), flat);
  EXPECT_EQ(Px(10, 10), gui::clGreen);
}

TEST_F(Panel, DisablingAndEnablingLeavesAChildThatWasDisabledDisabled) {
  TUiPanel* panel = Make({0, 0, 100, 60});
  auto* on = Add<TUiLabel>({5, 5, 30, 20}, panel);
  auto* off = Add<TUiLabel>({5, 25, 30, 40}, panel);
  off->SetEnabled(false);
  Show();
  panel->SetEnabled(false);
  EXPECT_TRUE(Form->HasPendingPaint());
  EXPECT_FALSE(on->Enabled());
  auto* later = Add<TUiLabel>({40, 5, 60, 20}, panel);
  later->SetEnabled(false);
  panel->SetEnabled(true);
  EXPECT_TRUE(on->Enabled());
  EXPECT_TRUE(later->Enabled()) << "added after the record was made";
  EXPECT_FALSE(off->Enabled());

  off->SetEnabled(true);
  panel->SetEnabled(false);
  panel->SetEnabled(true);
  EXPECT_TRUE(off->Enabled()) << "each disabling makes a new record";
}

TEST_F(Panel, RightAlignedChildrenKeepTheirOrderFromTheRight) {
  TUiPanel* band = Make({0, 0, 300, 80});
  auto* outer = Add<TUiPanel>({200, 0, 300, 80}, band);
  auto* inner = Add<TUiPanel>({100, 0, 200, 80}, band);
  inner->SetAlign(gui::alRight);
  outer->SetAlign(gui::alRight);
  band->SetWidth(320);
  EXPECT_EQ(outer->Left(), 320 - 2 - 100);
  EXPECT_EQ(inner->Left(), 320 - 2 - 200);
}

TEST_F(Panel, WithoutFullRepaintAResizeRepaintsOnlyTheFarEdges) {
  TUiPanel* panel = Make({10, 10, 110, 70});
  auto* label = Add<TUiLabel>({20, 20, 50, 35}, panel);
  label->SetCaption("12");
  Show();
  int paints = label->PaintCount();
  panel->SetWidth(90);
  Idle();
  EXPECT_EQ(label->PaintCount(), paints + 1) << "a full repaint by default";

  panel->SetFullRepaint(false);
  Idle();
  paints = label->PaintCount();
  const int panelPaints = panel->PaintCount();
  panel->SetWidth(120);
  Idle();
  EXPECT_EQ(label->PaintCount(), paints) << "the middle is left alone";
  EXPECT_EQ(panel->PaintCount(), panelPaints + 1);
  EXPECT_EQ(Px(10 + 88, 40), ColorToRGB(clBtnFace)) << "the old edge is inside now";
  EXPECT_EQ(Px(10 + 119, 40), ColorToRGB(cl3DDkShadow));
  panel->SetHeight(40);
  Idle();
  EXPECT_EQ(label->PaintCount(), paints);
  EXPECT_EQ(Px(40, 10 + 39), ColorToRGB(cl3DDkShadow));
  EXPECT_EQ(Px(40, 10 + 45), FormColor) << "the parent shows where the panel was";

  panel->SetCaption("x");
  Idle();
  paints = label->PaintCount();
  panel->SetWidth(100);
  Idle();
  EXPECT_EQ(label->PaintCount(), paints + 1) << "a caption repaints whole";
}

TEST_F(Panel, ATransparentPanelShowsItsParentInsideItsFrame) {
  TUiPanel* panel = Make({0, 0, 60, 40});
  auto* label = Add<TUiLabel>({10, 10, 30, 25}, panel);
  Show();
  const int paints = label->PaintCount();
  panel->SetTransparent(true);
  EXPECT_FALSE(panel->ControlStyle().Contains(gui::csOpaque));
  Idle();
  EXPECT_GT(label->PaintCount(), paints);
  EXPECT_EQ(Px(40, 30), FormColor);
  EXPECT_EQ(Px(0, 20), ColorToRGB(cl3DLight));
}

TEST_F(Panel, AThemeChangeRepaintsThePanelsInside) {
  TUiPanel* outer = Make({0, 0, 100, 60});
  auto* inner = Add<TUiPanel>({10, 10, 50, 50}, outer);
  Show();
  const int paints = inner->PaintCount();
  outer->ThemeChanged();
  Idle();
  EXPECT_EQ(inner->PaintCount(), paints + 1);
}

}  // namespace
}  // namespace widgets
