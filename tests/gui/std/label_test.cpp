#include "gui/std/label.h"

#include "gui/std/button.h"
#include "std_fixture.h"

namespace spintrak_test {
namespace {

struct LabelTest : TStdFixture {
  TLabel* Make(const char* name, int x, int y, const char* caption) {
    auto* l = new TLabel(Form);
    l->SetName(name);
    l->SetParent(Form);
    l->SetLeft(x);
    l->SetTop(y);
    l->SetCaption(caption);
    return l;
  }
  // Columns of the control's bounds that hold ink (anything but the background).
  std::pair<int, int> InkColumns(const TControl& c, TColor background) {
    int first = -1, last = -1;
    for (int x = 0; x < c.Width(); ++x)
      for (int y = 0; y < c.Height(); ++y)
        if (Px(c, x, y) != Rgb(background)) {
          if (first < 0) first = x;
          last = x;
          break;
        }
    return {first, last};
  }
};

TEST_F(LabelTest, AutoSizeFollowsTheCaptionAndKeepsTheRightEdgeOfARightJustifiedLabel) {
  auto* l = Make("L", 10, 10, "Hello");
  const int oneLine = l->Height();
  EXPECT_GT(l->Width(), 10);
  EXPECT_GE(oneLine, 11);
  l->SetCaption("");
  EXPECT_EQ(l->Height(), oneLine) << "an empty caption keeps one line";
  l->SetCaption("Hello, world");
  const int wide = l->Width();

  auto* r = Make("R", 0, 40, "x");
  r->SetAlignment(taRightJustify);
  r->SetBounds(100, 40, 50, r->Height());
  r->SetCaption("Hello, world");
  EXPECT_EQ(r->Width(), wide);
  EXPECT_EQ(r->Left() + r->Width(), 150);

  // Word wrap keeps the width and grows in height.
  auto* w = Make("W", 10, 80, "");
  w->SetWordWrap(true);
  w->SetWidth(60);
  w->SetCaption("one two three four five six");
  EXPECT_LE(w->Width(), 60) << "wrapped inside the width, then shrunk to the widest line";
  EXPECT_GE(w->Height(), 3 * oneLine);

  // While a layout is loading nothing is measured; the end of loading sizes the label.
  Form->BeginLoading();
  auto* late = Make("Late", 10, 150, "Hello, world");
  late->SetAutoSize(true);
  EXPECT_EQ(late->Width(), 65);
  Form->EndLoading();
  EXPECT_EQ(late->Width(), wide);
}

TEST_F(LabelTest, AlignmentLayoutAndTransparency) {
  Form->SetColor(clYellow);
  auto* l = Make("L", 10, 10, "ab");
  l->SetAutoSize(false);
  l->SetBounds(10, 10, 100, 40);
  auto* t = Make("T", 10, 60, "ab");
  t->SetAutoSize(false);
  t->SetBounds(10, 60, 100, 40);
  t->SetTransparent(true);
  t->SetParentColor(false);
  t->SetColor(clRed);
  Show();
  SavePng("label_left_and_transparent");
  EXPECT_EQ(Px(*l, 99, 39), Rgb(clYellow)) << "a label takes its parent's colour";
  EXPECT_EQ(Px(*t, 99, 39), Rgb(clYellow)) << "a transparent label leaves the background";
  const auto left = InkColumns(*l, clYellow);
  EXPECT_LE(left.first, 1);
  l->SetAlignment(taRightJustify);
  const auto right = InkColumns(*l, clYellow);
  EXPECT_GE(right.second, 97);
  EXPECT_EQ(right.second - right.first, left.second - left.first);
  l->SetAlignment(taCenter);
  const auto centre = InkColumns(*l, clYellow);
  EXPECT_NEAR(centre.first, 100 - centre.second - 1, 1);

  auto inkRows = [&] {
    int first = -1;
    for (int y = 0; y < l->Height() && first < 0; ++y)
      for (int x = 0; x < l->Width(); ++x)
        if (Px(*l, x, y) != Rgb(clYellow)) {
          first = y;
          break;
        }
    return first;
  };
  const int top = inkRows();
  l->SetLayout(tlBottom);
  const int bottom = inkRows();
  l->SetLayout(tlCenter);
  const int centred = inkRows();
  EXPECT_NEAR(bottom - top, 40 - l->Canvas().Metrics().Height, 0);
  EXPECT_NEAR(centred - top, (bottom - top) / 2, 1);
}

TEST_F(LabelTest, DisabledCaptionIsEmbossedGrey) {
  auto* l = Make("L", 10, 10, "Disabled");
  l->SetEnabled(false);
  Show();
  SavePng("label_disabled");
  int shadow = 0, highlight = 0, black = 0;
  for (int y = 0; y < l->Height(); ++y)
    for (int x = 0; x < l->Width(); ++x) {
      const TColor c = Px(*l, x, y);
      shadow += c == Rgb(clBtnShadow);
      highlight += c == Rgb(clBtnHighlight);
      black += c == Rgb(clBlack);
    }
  EXPECT_GT(shadow, 5);
  EXPECT_GT(highlight, 5);
  EXPECT_EQ(black, 0);
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
  ASSERT_TRUE(first->Focused());
  Host.Char(*Form, U'N');
  Host.RunUntilIdle();
  EXPECT_TRUE(target->Focused());
  EXPECT_EQ(clicks, 0) << "the label moves the focus, it does not click";

  first->SetFocus();
  l->SetShowAccelChar(false);
  Host.Char(*Form, U'n');
  Host.RunUntilIdle();
  EXPECT_TRUE(first->Focused()) << "no accelerator without ShowAccelChar";

  l->SetShowAccelChar(true);
  delete target;
  EXPECT_EQ(l->FocusControl(), nullptr);
  Host.Char(*Form, U'n');
  Host.RunUntilIdle();
  EXPECT_TRUE(first->Focused());
}

}  // namespace
}  // namespace spintrak_test
