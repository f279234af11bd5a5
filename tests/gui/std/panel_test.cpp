#include "gui/std/panel.h"

#include "std_fixture.h"

namespace spintrak_test {
namespace {

struct PanelTest : TStdFixture {
  TPanel* Make(TWinControl* parent, TRect r) {
    auto* p = new TPanel(Form);
    p->SetParent(parent);
    p->SetBounds(r.Left, r.Top, r.Width(), r.Height());
    return p;
  }
  // Colours from the left edge inwards, then from the right edge inwards, on the middle row.
  std::vector<TColor> Edges(const TControl& c, int n) {
    std::vector<TColor> v;
    for (int i = 0; i < n; ++i) v.push_back(Px(c, i, c.Height() / 2));
    for (int i = 0; i < n; ++i) v.push_back(Px(c, c.Width() - 1 - i, c.Height() / 2));
    return v;
  }
};

TEST_F(PanelTest, BevelsBorderColourAndCaption) {
  const TColor hi = Rgb(clBtnHighlight), sh = Rgb(clBtnShadow), face = Rgb(clBtnFace), teal = Rgb(clTeal);
  auto* raised = Make(Form, {10, 10, 70, 50});
  auto* both = Make(Form, {90, 10, 170, 50});
  both->SetBevelOuter(bvLowered);
  both->SetBevelInner(bvRaised);
  both->SetBorderWidth(2);
  both->SetColor(clTeal);
  auto* wide = Make(Form, {180, 10, 260, 50});
  wide->SetBevelWidth(2);
  auto* none = Make(Form, {10, 60, 70, 100});
  none->SetBevelOuter(bvNone);
  none->SetCaption("Caption");
  Show();
  SavePng("panel_bevels");
  EXPECT_EQ(Edges(*raised, 2), (std::vector<TColor>{hi, face, sh, face}));
  EXPECT_EQ(Px(*raised, raised->Width() - 1, 0), sh) << "the top-right corner is the lower-right colour";
  EXPECT_EQ(Px(*raised, 0, raised->Height() - 1), sh);
  EXPECT_EQ(Px(*raised, raised->Width() / 2, 0), hi);
  EXPECT_EQ(Edges(*both, 5), (std::vector<TColor>{sh, teal, teal, hi, teal, hi, teal, teal, sh, teal}));
  EXPECT_EQ(Edges(*wide, 3), (std::vector<TColor>{hi, hi, face, sh, sh, face}));
  EXPECT_EQ(Px(*none, 0, 0), face);
  bool ink = false;
  for (int x = 0; x < none->Width(); ++x) ink |= Px(*none, x, none->Height() / 2) != face;
  EXPECT_TRUE(ink) << "the caption is centred vertically";
}

TEST_F(PanelTest, AlignedChildrenStayInsideTheBevels) {
  auto* p = Make(Form, {10, 10, 110, 90});
  p->SetBevelInner(bvLowered);
  p->SetBorderWidth(3);
  auto* top = Make(p, {0, 0, 10, 20});
  top->SetAlign(alTop);
  auto* rest = Make(p, {0, 0, 10, 10});
  rest->SetAlign(alClient);
  EXPECT_EQ(top->BoundsRect(), (TRect{5, 5, 95, 25}));
  EXPECT_EQ(rest->BoundsRect(), (TRect{5, 25, 95, 75}));
  p->SetBevelInner(bvNone);
  EXPECT_EQ(rest->BoundsRect(), (TRect{4, 24, 96, 76}));
}

}  // namespace
}  // namespace spintrak_test
