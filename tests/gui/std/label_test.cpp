#include "gui/std/label.h"

#include <map>

#include "gui/graphics/measure_canvas.h"
#include "gui/std/button.h"
#include "std_fixture.h"

namespace spintrak_test {
namespace {

struct LabelTest : TStdFixture {
  TLabel* Make(const char* name, int x, int y, const char* caption) {
    auto* l = new TLabel(Form);
    l->SetName(name);
    l->SetParent(Form);
    l->SetBounds(x, y, 65, 17);
    l->SetCaption(caption);
    return l;
  }
  // The bounding box of the pixels that differ from the background.
  TRect Ink(const TControl& c, TColor background) {
    TRect r{1000, 1000, -1, -1};
    for (int y = 0; y < c.Height(); ++y)
      for (int x = 0; x < c.Width(); ++x)
        if (Px(c, x, y) != Rgb(background))
          r = {std::min(r.Left, x), std::min(r.Top, y), std::max(r.Right, x + 1), std::max(r.Bottom, y + 1)};
    return r;
  }
};

TEST_F(LabelTest, AutoSizeFollowsTheCaption) {
  auto* l = Make("L", 10, 10, "Hello, world");
  const int oneLine = l->Height(), wide = l->Width();
  EXPECT_GE(oneLine, 11);
  l->SetCaption("");
  EXPECT_EQ(l->Height(), oneLine) << "an empty caption keeps one line";
  // A right-justified label keeps its right edge.
  auto* r = Make("R", 100, 40, "x");
  r->SetAlignment(taRightJustify);
  r->SetBounds(100, 40, 50, oneLine);
  r->SetCaption("Hello, world");
  EXPECT_EQ(r->BoundsRect(), (TRect{150 - wide, 40, 150, 40 + oneLine}));
  // Word wrap stays inside the width and grows in height.
  auto* w = Make("W", 10, 80, "");
  w->SetWordWrap(true);
  w->SetWidth(60);
  w->SetCaption("one two three four five six");
  EXPECT_LE(w->Width(), 60);
  EXPECT_GE(w->Height(), 3 * oneLine);
  // Nothing is measured while a layout loads; its end sizes the label.
  Form->BeginLoading();
  auto* late = Make("Late", 10, 150, "Hello, world");
  EXPECT_EQ(late->Width(), 65);
  Form->EndLoading();
  EXPECT_EQ(late->Width(), wide);
}

TEST_F(LabelTest, AlignmentLayoutTransparencyAndTheDisabledLook) {
  Form->SetColor(clYellow);
  auto* l = Make("L", 10, 10, "ab");
  l->SetAutoSize(false);
  l->SetBounds(10, 10, 100, 40);
  auto* t = Make("T", 10, 60, "ab");
  t->SetTransparent(true);
  t->SetColor(clRed);
  Show();
  EXPECT_EQ(Px(*l, 99, 39), Rgb(clYellow)) << "a label takes its parent's colour";
  EXPECT_EQ(Px(*t, t->Width() - 1, 0), Rgb(clYellow)) << "a transparent one leaves the background";
  const TRect left = Ink(*l, clYellow);
  EXPECT_LE(left.Left, 1);
  l->SetAlignment(taRightJustify);
  l->SetLayout(tlBottom);
  const TRect bottomRight = Ink(*l, clYellow);
  EXPECT_GE(bottomRight.Right, 99);
  EXPECT_EQ(bottomRight.Width(), left.Width());
  EXPECT_EQ(bottomRight.Top - left.Top, 40 - MeasureCanvas(l->Font()).Metrics().Height);

  l->SetEnabled(false);
  SavePng("label_disabled");
  std::map<TColor, int> count;
  for (int y = 0; y < l->Height(); ++y)
    for (int x = 0; x < l->Width(); ++x) ++count[Px(*l, x, y)];
  EXPECT_GT(count[Rgb(clBtnShadow)], 3);
  EXPECT_GT(count[Rgb(clBtnHighlight)], 3);
  EXPECT_EQ(count[Rgb(clBlack)], 0);
}

TEST_F(LabelTest, AcceleratorFocusesItsControlAndForgetsAFreedOne) {
  auto* first = new TButton(Form);
  first->SetParent(Form);
  auto* target = new TButton(Form);
  target->SetParent(Form);
  target->SetTop(40);
  auto* l = Make("L", 100, 10, "&Name");
  l->SetFocusControl(target);
  int clicks = 0;
  target->OnClick = [&](TComponent*) { ++clicks; };
  Show();
  Host.Char(*Form, U'N');
  Host.RunUntilIdle();
  EXPECT_TRUE(target->Focused());
  EXPECT_EQ(clicks, 0) << "the label moves the focus, it does not click";
  first->SetFocus();
  l->SetEnabled(false);
  Host.Char(*Form, U'n');
  Host.RunUntilIdle();
  EXPECT_TRUE(first->Focused()) << "a disabled label's accelerator does nothing";
  l->SetEnabled(true);
  delete target;
  EXPECT_EQ(l->FocusControl(), nullptr);
  Host.Char(*Form, U'n');
  Host.RunUntilIdle();
  EXPECT_TRUE(first->Focused());
}

}  // namespace
}  // namespace spintrak_test
