#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "gui/graphics/measure_canvas.h"
#include "gui/graphics/text.h"
#include "tests/widgets/form_fixture.h"
#include "widgets/label.h"

namespace widgets {
namespace {

using namespace gui::literals;
namespace script = platform::headless::testing;

struct Label : testing::TFormFixture {
  TUiLabel* Make(int left, int top, const std::string& caption, const char* name = nullptr) {
    auto* label = Add<TUiLabel>({left, top, left + 65, top + 17}, nullptr, name);
    label->SetCaption(caption);
    return label;
  }
  static gui::TCanvas& Measure(const TUiLabel& label) { return gui::MeasureCanvas(label.Font()); }
  testing::TInk Ink(const TUiLabel& label) const { return InkIn(label.BoundsRect(), label.Color()); }
};

TEST_F(Label, EqualAssignmentsPaintAndMeasureNothing) {
  TUiLabel* label = Make(10, 10, "12");
  label->Font().SetColor(gui::clNavy);
  Show();
  const int paints = label->PaintCount();
  const gui::TRect bounds = label->BoundsRect();
  label->SetCaption("12");
  label->Font().SetColor(gui::clNavy);
  label->Font().SetHeight(label->Font().Height());
  label->SetAlignment(label->Alignment());
  label->SetTextStyle(label->TextStyle());
  label->SetBorderOuter(label->BorderOuter());
  EXPECT_FALSE(Form->HasPendingPaint());
  EXPECT_EQ(label->PaintCount(), paints);
  EXPECT_EQ(label->BoundsRect(), bounds);
}

TEST_F(Label, ACaptionPaintsBeforeItsSetterReturnsAColourWithTheNextPass) {
  TUiLabel* label = Make(10, 10, "12");
  label->Font().SetColor(gui::clNavy);
  Show();
  const int paints = label->PaintCount();
  label->SetCaption("(12)");
  EXPECT_EQ(label->PaintCount(), paints + 1) << "painted inside the setter";
  EXPECT_FALSE(Form->HasPendingPaint());
  EXPECT_TRUE(Ink(*label).Colors.contains(gui::clNavy));

  label->Font().SetColor(gui::clGreen);
  EXPECT_EQ(label->PaintCount(), paints + 1) << "waits for the paint pass";
  EXPECT_TRUE(Form->HasPendingPaint());
  EXPECT_EQ(label->TextColor(), gui::clGreen);
  Idle();
  EXPECT_EQ(label->PaintCount(), paints + 2);
  const testing::TInk ink = Ink(*label);
  EXPECT_TRUE(ink.Colors.contains(gui::clGreen));
  EXPECT_FALSE(ink.Colors.contains(gui::clNavy));
  EXPECT_EQ(label->Caption(), "(12)");
}

TEST_F(Label, AutoSizeMeasuresAnEmptyCaptionOrALoneAmpersandAsASpace) {
  TUiLabel* empty = Make(10, 10, "x");
  empty->SetCaption("");
  const int space = Measure(*empty).TextWidth(" ");
  const int line = Measure(*empty).Metrics().Height;
  EXPECT_EQ(empty->Width(), space);
  EXPECT_EQ(empty->Height(), line);
  TUiLabel* amp = Make(10, 40, "&");
  EXPECT_EQ(amp->Width(), space);
  EXPECT_EQ(amp->Height(), line);
  amp->SetShowAccelChar(false);
  EXPECT_EQ(amp->Width(), Measure(*amp).TextWidth("&"));
}

TEST_F(Label, TheTwoLineHeadingIsCentredLineByLineAndKeepsItsLeftEdge) {
  TUiLabel* heading = Add<TUiLabel>({20, 10, 85, 27});
  heading->SetAlignment(taCenter);
  heading->SetCaption("10\r\n"_cp + std::string("спинов"_cp));
  gui::TCanvas& m = Measure(*heading);
  const int wide = m.TextWidth("спинов"_cp);
  EXPECT_EQ(heading->Left(), 20);
  EXPECT_EQ(heading->Width(), wide);
  EXPECT_EQ(heading->Height(), 2 * m.Metrics().Height);
  Show();
  const int line = m.Metrics().Height;
  const testing::TInk top = InkIn({20, 10, 20 + wide, 10 + line}, heading->Color());
  ASSERT_FALSE(top.Empty());
  const int leftGap = top.Bounds.Left - 20, rightGap = 20 + wide - top.Bounds.Right;
  EXPECT_LE(std::abs(leftGap - rightGap), 2) << "\"10\" sits in the middle of the wider line";
  EXPECT_GT(leftGap, 3);
}

TEST_F(Label, RightAlignedLabelsKeepTheirRightEdgeCentredOnesTheirLeft) {
  TUiLabel* right = Add<TUiLabel>({100, 10, 165, 27});
  right->SetAlignment(taRightJustify);
  right->SetCaption("abc");
  EXPECT_EQ(right->Left() + right->Width(), 165);
  right->SetCaption("a much longer caption");
  EXPECT_EQ(right->Left() + right->Width(), 165);
  TUiLabel* centre = Add<TUiLabel>({100, 40, 165, 57});
  centre->SetAlignment(taCenter);
  centre->SetCaption("abc");
  EXPECT_EQ(centre->Left(), 100);
}

TEST_F(Label, AFixedSizeLabelCutsItsCaptionAtItsEdges) {
  TUiLabel* label = Make(10, 10, "");
  label->SetAutoSize(false);
  label->SetBounds(10, 10, 20, 8);
  label->SetCaption("WWWWWWWWWW\nWWWWWWWWWW");
  EXPECT_EQ(label->Width(), 20);
  Show();
  const testing::TInk ink = InkIn({0, 0, 200, 120}, FormColor);
  EXPECT_EQ(ink.Bounds.Left, 10);
  EXPECT_EQ(ink.Bounds.Right, 30) << "nothing beyond the label, text up to its edge";
  EXPECT_EQ(ink.Bounds.Bottom, 18) << "the second line is cut off at the bottom";
}

TEST_F(Label, EachTextStyleAddsItsPassesAtTheirOffsets) {
  const char* text = "Hg";
  TUiLabel* normal = Make(10, 10, text);
  TUiLabel* raised = Make(60, 10, text);
  raised->SetTextStyle(tsRaised);
  TUiLabel* lightRaised = Make(110, 10, text);
  lightRaised->SetTextStyle(tsRaised);
  lightRaised->SetLightTextStyle(true);
  TUiLabel* shadow = Make(10, 60, "");
  shadow->SetTextStyle(tsShadow);
  shadow->SetCaption(text);
  TUiLabel* disabled = Make(60, 60, text);
  disabled->SetTextStyle(tsRaised);
  disabled->SetEnabled(false);
  for (TUiLabel* l : {raised, lightRaised, disabled})
    l->SetAutoSize(false), l->SetBounds(l->Left() - 5, l->Top() - 5, 40, 30);
  for (TUiLabel* l : {raised, lightRaised, disabled}) l->SetTextMargin(5);
  Show();
  auto at = [&](TUiLabel* l) { return Ink(*l).Bounds.Offset(-l->Left(), -l->Top()); };
  const gui::TRect plain = at(normal);
  const gui::TRect main = plain.Offset(5, 5);  // the same text inside a margin of 5
  EXPECT_EQ(shadow->Width(), normal->Width() + 2) << "the shadow's depth is part of the size";
  EXPECT_EQ(at(shadow), (gui::TRect{plain.Left, plain.Top, plain.Right + 2, plain.Bottom + 2}));
  EXPECT_EQ(at(raised), main.Inflate(1, 1));
  EXPECT_EQ(at(lightRaised), (gui::TRect{main.Left - 1, main.Top - 1, main.Right, main.Bottom}));
  EXPECT_TRUE(Ink(*raised).Colors.contains(clWhite));
  EXPECT_EQ(at(disabled), main) << "a disabled label draws one pass only";
  EXPECT_FALSE(Ink(*disabled).Colors.contains(clWhite));
  EXPECT_TRUE(Ink(*disabled).Colors.contains(ColorToRGB(clGrayText)));
}

TEST_F(Label, LayoutPlacesTheBlockAndTheShadowStaysInside) {
  const int line = gui::MeasureCanvas(Form->Font()).Metrics().Height;
  TUiLabel* labels[3];
  for (int i = 0; i < 3; ++i) {
    labels[i] = Make(10 + i * 60, 10, "Hg");
    labels[i]->SetAutoSize(false);
    labels[i]->SetHeight(41);
    labels[i]->SetLayout(static_cast<TTextLayout>(i));
  }
  TUiLabel* shadow = Make(10, 60, "Hg");
  shadow->SetAutoSize(false);
  shadow->SetBounds(10, 60, 40, 41);
  shadow->SetTextStyle(tsShadow);
  shadow->SetAlignment(taRightJustify);
  shadow->SetLayout(tlBottom);
  Show();
  const int top = Ink(*labels[0]).Bounds.Top;
  EXPECT_EQ(Ink(*labels[1]).Bounds.Top, top + (41 - line) / 2);
  EXPECT_EQ(Ink(*labels[2]).Bounds.Top, top + 41 - line);
  const testing::TInk ink = Ink(*shadow);
  EXPECT_LE(ink.Bounds.Right, 50);
  EXPECT_LE(ink.Bounds.Bottom, 101);
  EXPECT_GE(ink.Bounds.Right, 48) << "the shadow reaches the right edge";
}

TEST_F(Label, AFrameInsetsTheTextAndAutoSizeAddsItBack) {
  TUiLabel* plain = Make(10, 10, "Hg");
  TUiLabel* framed = Make(10, 40, "");
  framed->SetBorderOuter(fsRaised);
  framed->SetBorderWidth(1);
  framed->SetBorderSides(sdLeft | sdTop);
  framed->SetCaption("Hg");
  EXPECT_EQ(framed->Width(), plain->Width() + 3);
  EXPECT_EQ(framed->Height(), plain->Height() + 3);
  Show();
  EXPECT_EQ(Px(10, 40), ColorToRGB(cl3DLight)) << "outer ring, upper left";
  EXPECT_EQ(Ink(*framed).Bounds.Offset(0, -30).Right, Ink(*plain).Bounds.Right + 3);
}

TEST_F(Label, AWrappedLabelWithAMarginKeepsItsSizeWhenMeasuredAgain) {
  TUiLabel* label = Make(10, 10, "");
  label->SetWordWrap(true);
  label->SetTextMargin(4);
  label->SetTextStyle(tsShadow);
  label->SetAutoSize(false);
  label->SetWidth(70);
  label->SetCaption("one two three four five six seven");
  label->SetAutoSize(true);
  const gui::TRect first = label->BoundsRect();
  for (int i = 0; i < 5; ++i) {
    label->SetAutoSize(false);
    label->SetAutoSize(true);
  }
  EXPECT_EQ(label->BoundsRect(), first);
  EXPECT_LE(first.Width(), 70);
}

TEST_F(Label, LoadingHoldsBackAutoSizeAndTheTextColourUntilItEnds) {
  Form->BeginLoading();
  TUiLabel* label = Make(10, 10, "a caption of some length");
  label->Font().SetColor(gui::clRed);
  EXPECT_EQ(label->Width(), 65);
  EXPECT_EQ(label->TextColor(), gui::clWindowText);
  Form->EndLoading();
  EXPECT_EQ(label->Width(), Measure(*label).TextWidth("a caption of some length"));
  EXPECT_EQ(label->TextColor(), gui::clRed);
}

TEST_F(Label, ClicksComeOnAReleaseInsideADoubleClickOnItsSecondPress) {
  TUiLabel* label = Make(10, 10, "12", "Label1");
  std::vector<std::string> events;
  label->OnClick = [&](gui::TComponent*) { events.push_back("click"); };
  label->OnDblClick = [&](gui::TComponent*) { events.push_back("dbl"); };
  label->OnMouseEnter = [&](gui::TComponent*) { events.push_back("enter"); };
  label->OnMouseLeave = [&](gui::TComponent*) { events.push_back("leave"); };
  Show();
  const gui::TPoint inside = script::CentreOf(*label);
  script::PressOn(Host, *Form, "Label1");
  script::ReleaseAt(Host, *Form, {150, 100});
  EXPECT_EQ(events, (std::vector<std::string>{"enter", "leave"})) << "released outside: no click";
  events.clear();
  Host.AdvanceClock(1000);
  script::PressOn(Host, *Form, "Label1");
  script::MoveTo(Host, *Form, {150, 100});
  script::ReleaseAt(Host, *Form, inside);
  EXPECT_EQ(events, (std::vector<std::string>{"enter", "leave", "enter", "click"})) << "captured while away";
  events.clear();
  Host.AdvanceClock(1000);
  script::DoubleClick(Host, *Form, "Label1");
  EXPECT_EQ(events, (std::vector<std::string>{"click", "dbl"}));
}

}  // namespace
}  // namespace widgets
