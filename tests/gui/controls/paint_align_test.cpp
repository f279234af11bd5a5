#include <gtest/gtest.h>

#include <cstdio>

#include "gui/controls/rect_list.h"
#include "test_controls.h"

using namespace gui;
using namespace spintrak_test;
using namespace platform::headless::testing;

namespace {

struct PaintTest : ::testing::Test, TShownForm {};

TEST_F(PaintTest, UpdatePaintsAtOnceAndAnEqualValuePaintsNothing) {
  auto* a = new TTestLabel(Form, Form, "A", {10, 10, 30, 20});
  auto* b = new TTestLabel(Form, Form, "B", {60, 10, 30, 20});
  Show();
  const int a0 = a->PaintCount(), b0 = b->PaintCount();

  b->SetFill(clGreen);  // invalidated only
  a->SetCaption("12");  // painted before the setter returns
  EXPECT_EQ(a->PaintCount(), a0 + 1);
  EXPECT_EQ(b->PaintCount(), b0) << "Update paints only what is pending inside the control";
  EXPECT_EQ(Form->BackBuffer().GetPixel(15, 15), clNavy);
  EXPECT_EQ(Host.WindowOf(*Form).LastPresented(), (std::vector<TRect>{{10, 10, 40, 30}}));

  a->SetCaption("12");
  EXPECT_EQ(a->PaintCount(), a0 + 1);
  const int frames = Host.WindowOf(*Form).Frames();
  Host.RunUntilIdle();
  EXPECT_EQ(a->PaintCount(), a0 + 1);
  EXPECT_EQ(b->PaintCount(), b0 + 1);
  EXPECT_EQ(Host.WindowOf(*Form).Frames(), frames + 1) << "what Update painted waits for the idle pass's parts";
  EXPECT_EQ(Form->BackBuffer().GetPixel(65, 15), clGreen);
}

TEST_F(PaintTest, ScatteredInvalidationsPaintEachControlOnceAndNothingBetween) {
  std::vector<TTestLabel*> labels;
  for (int i = 0; i < 60; ++i) {
    // Formatted into a plain buffer: GCC 12 reports a false overlap inside std::string here.
    char name[8];
    std::snprintf(name, sizeof name, "L%d", i);
    labels.push_back(new TTestLabel(Form, Form, name, {5 + 24 * (i % 12), 5 + 30 * (i / 12), 20, 20}));
  }
  Show();
  std::vector<int> before;
  for (auto* l : labels) before.push_back(l->PaintCount());
  const int formBefore = Form->PaintCount();
  const int presentsBefore = Host.WindowOf(*Form).Presents();
  for (int i = 0; i < 60; i += 2) labels[i]->SetFill(clRed);
  Host.RunUntilIdle();
  // One hand-over to the host, of the changed labels alone: not their bounding box.
  EXPECT_EQ(Host.WindowOf(*Form).Presents(), presentsBefore + 1);
  std::vector<TRect> expected;
  for (int i = 0; i < 60; i += 2) expected.push_back(labels[i]->BoundsRect());
  EXPECT_EQ(Host.WindowOf(*Form).LastPresented(), expected);
  for (int i = 0; i < 60; ++i)
    EXPECT_EQ(labels[i]->PaintCount(), before[i] + (i % 2 == 0 ? 1 : 0)) << "label " << i;
  EXPECT_EQ(Form->PaintCount(), formBefore + 1);
  EXPECT_EQ(Host.Pixel(*Form, 5 + 24 * 2, 5), clRed);
  EXPECT_EQ(Host.Pixel(*Form, 5 + 24 * 1, 5), clNavy);
}

TEST(DisjointPartsTest, CoversTheUnionExactlyOnce) {
  struct TCase {
    const char* Name;
    std::vector<TRect> Rects;
    std::vector<TRect> Parts;
  };
  const TCase cases[] = {
      {"none", {}, {}},
      {"apart", {{0, 0, 10, 10}, {20, 0, 30, 10}}, {{0, 0, 10, 10}, {20, 0, 30, 10}}},
      {"empty ones left out", {{5, 5, 5, 9}, {0, 0, 2, 2}}, {{0, 0, 2, 2}}},
      {"a later one inside an earlier one", {{0, 0, 10, 10}, {2, 2, 4, 4}}, {{0, 0, 10, 10}}},
      {"overlapping corners",
       {{0, 0, 10, 10}, {5, 5, 15, 15}},
       {{0, 0, 10, 10}, {5, 10, 15, 15}, {10, 5, 15, 10}}},
      {"an earlier one inside a later one",
       {{2, 2, 4, 4}, {0, 0, 6, 6}},
       {{2, 2, 4, 4}, {0, 0, 6, 2}, {0, 4, 6, 6}, {0, 2, 2, 4}, {4, 2, 6, 4}}},
      {"the same twice", {{1, 1, 3, 3}, {1, 1, 3, 3}}, {{1, 1, 3, 3}}},
  };
  for (const TCase& c : cases) EXPECT_EQ(DisjointParts(c.Rects), c.Parts) << c.Name;
}

TEST_F(PaintTest, BackToFrontWithClippingToParentsAndNonClientBand) {
  struct TFramed : TCustomControl {
    explicit TFramed(TComponent* o) : TCustomControl(o) { SetNonClientInsets({2, 2, 2, 2}); }
    void NCPaint(TCanvas& canvas) override {
      canvas.Brush.Color = clRed;
      canvas.FillRect({0, 0, Width(), Height()});
    }
  };
  auto* panel = new TFramed(Form);
  panel->SetParent(Form);
  panel->SetBounds(50, 50, 44, 44);
  panel->SetColor(clYellow);
  // A graphic child that reaches beyond the panel, and a windowed sibling lying over a graphic one.
  auto* inner = new TTestLabel(Form, panel, "Inner", {30, 30, 40, 40});
  inner->Fill = clBlue;
  auto* under = new TTestLabel(Form, Form, "Under", {150, 50, 40, 40});
  under->Fill = clGreen;
  auto* over = new TCustomControl(Form);
  over->SetParent(Form);
  over->SetBounds(160, 60, 10, 10);
  over->SetColor(clPurple);
  Show();

  auto px = [&](int x, int y) { return Host.Pixel(*Form, x, y); };
  EXPECT_EQ(px(50, 50), clRed) << "non-client band";
  EXPECT_EQ(px(52, 52), clYellow) << "client area starts inside the band";
  EXPECT_EQ(px(52 + 30, 52 + 30), clBlue) << "child placed in the client coordinates";
  EXPECT_EQ(px(91, 91), clBlue);
  EXPECT_EQ(px(92, 92), clRed) << "child clipped to the parent's client area";
  EXPECT_EQ(px(95, 95), ColorToRGB(clBtnFace)) << "nothing drawn outside the parent";
  EXPECT_EQ(px(165, 65), clPurple) << "windowed controls lie above graphic ones";
  EXPECT_EQ(px(155, 55), clGreen);
}

TEST_F(PaintTest, HiddenControlsNeitherPaintNorTakeClicks) {
  auto* a = new TTestLabel(Form, Form, "A", {10, 10, 30, 20});
  int clicks = 0;
  Form->OnClick = [&](TComponent*) { ++clicks; };
  Show();
  a->SetVisible(false);
  Host.RunUntilIdle();
  EXPECT_EQ(Host.Pixel(*Form, 15, 15), ColorToRGB(clBtnFace));
  ClickAt(Host, *Form, {15, 15});
  EXPECT_EQ(clicks, 1) << "the form got the click";
}

struct AlignTest : ::testing::Test, TShownForm {
  TCustomControl* Panel(TWinControl* parent, const char* name, TAlign align, TBox bounds) {
    auto* p = new TCustomControl(Form);
    p->SetName(name);
    p->SetBounds(bounds.X, bounds.Y, bounds.W, bounds.H);
    p->SetAlign(align);
    p->SetParent(parent);
    return p;
  }
};

TEST_F(AlignTest, OrderIsTopBottomLeftRightClientAndTheOuterChildOfATieGoesFirst) {
  Form->BeginLoading();
  auto* client = Panel(Form, "Client", alClient, {0, 0, 10, 10});
  auto* late = Panel(Form, "Late", alRight, {0, 0, 10, 10});
  late->SetBounds(0, 0, 0, 80);  // sizes stored in a layout do not move the control while loading
  late->SetWidth(20);
  EXPECT_EQ(late->Left(), 0);
  auto* inner = Panel(Form, "RightInner", alRight, {100, 0, 160, 80});
  auto* outer = Panel(Form, "RightOuter", alRight, {200, 0, 100, 80});
  auto* top = Panel(Form, "Top", alTop, {0, 5, 50, 30});
  auto* bottom = Panel(Form, "Bottom", alBottom, {0, 0, 50, 20});
  auto* left = Panel(Form, "Left", alLeft, {0, 0, 40, 50});
  EXPECT_EQ(client->BoundsRect(), (TRect{0, 0, 10, 10})) << "no layout while loading";
  EXPECT_EQ(outer->BoundsRect(), (TRect{200, 0, 300, 80}));
  Form->EndLoading();

  EXPECT_EQ(top->BoundsRect(), (TRect{0, 0, 300, 30}));
  EXPECT_EQ(bottom->BoundsRect(), (TRect{0, 180, 300, 200}));
  EXPECT_EQ(left->BoundsRect(), (TRect{0, 30, 40, 180}));
  EXPECT_EQ(outer->BoundsRect(), (TRect{200, 30, 300, 180})) << "the larger right edge is outermost";
  EXPECT_EQ(inner->BoundsRect(), (TRect{40, 30, 200, 180}));
  EXPECT_EQ(late->BoundsRect(), (TRect{20, 30, 40, 180}));
  EXPECT_EQ(client->BoundsRect(), (TRect{40, 30, 40, 180})) << "the client child gets what is left";
}

TEST_F(AlignTest, RightAlignedChildKeepsItsRightEdgeAndOrderAcrossResizes) {
  auto* band = Panel(Form, "Band", alTop, {0, 0, 300, 80});
  auto* p2 = Panel(band, "P2", alRight, {0, 0, 100, 80});
  auto* p3 = Panel(band, "P3", alRight, {0, 0, 80, 80});
  auto* p4 = Panel(band, "P4", alClient, {0, 0, 10, 10});
  EXPECT_EQ(p2->BoundsRect(), (TRect{200, 0, 300, 80}));
  EXPECT_EQ(p3->BoundsRect(), (TRect{120, 0, 200, 80}));

  p3->SetWidth(60);
  EXPECT_EQ(p3->BoundsRect(), (TRect{140, 0, 200, 80})) << "the right edge stays";
  Show();
  Host.Resize(*Form, 500, 200);
  ASSERT_TRUE(Host.ProcessEvents(false));  // the resize alone, without the idle pass
  EXPECT_EQ(Host.WindowOf(*Form).LastPresented(), (std::vector<TRect>{{0, 0, 500, 200}}))
      << "the new buffer is shown at once";
  Host.RunUntilIdle();
  EXPECT_EQ(band->Width(), 500);
  EXPECT_EQ(p2->BoundsRect(), (TRect{400, 0, 500, 80}));
  EXPECT_EQ(p3->BoundsRect(), (TRect{340, 0, 400, 80}));
  EXPECT_EQ(p4->BoundsRect(), (TRect{0, 0, 340, 80}));
  EXPECT_EQ(Form->BackBuffer().Width(), 500);
}

TEST_F(AlignTest, BottomAlignedChildKeepsItsBottomEdge) {
  auto* bottom = Panel(Form, "Bottom", alBottom, {0, 0, 300, 40});
  EXPECT_EQ(bottom->BoundsRect(), (TRect{0, 160, 300, 200}));
  bottom->SetHeight(30);
  EXPECT_EQ(bottom->BoundsRect(), (TRect{0, 170, 300, 200}));
}

TEST_F(AlignTest, ChildrenFreedWithTheirParentAreNotLaidOutAgainOnTheWay) {
  auto* client = Panel(Form, "Client", alClient, {0, 0, 10, 10});
  Panel(Form, "Top", alTop, {0, 0, 300, 40});
  ASSERT_EQ(client->BoundsRect(), (TRect{0, 40, 300, 200}));
  int resizes = 0;
  client->OnResize = [&](TComponent*) { ++resizes; };
  delete Form;  // a handler here could reach parts of the form that are gone already
  EXPECT_EQ(resizes, 0);
}

}  // namespace
