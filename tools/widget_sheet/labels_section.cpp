// The labels' section of the widget sheet: labels in every text style, link labels, separators,
// borders, and panels in every frame, visual and grid style, each on a form of its own.

#include <string>

#include "gui/controls/form.h"
#include "gui/graphics/text.h"
#include "tools/widget_sheet/sheet.h"
#include "widgets/border.h"
#include "widgets/paint/color_ops.h"
#include "widgets/panel.h"
#include "widgets/separator.h"
#include "widgets/url_label.h"

namespace widgets {
namespace {

using namespace gui::literals;

constexpr int SheetWidth = 640;

gui::TForm* NewForm(sheet::TTestApp& app, int height) {
  auto* form = app.App.CreateForm<gui::TForm>();
  form->SetClientSize(SheetWidth, height);
  form->SetColor(clBtnFace);
  return form;
}

template <class T>
T* Place(gui::TForm* form, gui::TWinControl* parent, int left, int top) {
  auto* control = new T(form);
  control->SetParent(parent);
  control->SetLeft(left);
  control->SetTop(top);
  return control;
}

TUiLabel* Label(gui::TForm* form, int left, int top, const std::string& caption) {
  auto* label = Place<TUiLabel>(form, form, left, top);
  label->SetCaption(caption);
  return label;
}

gui::TBitmap RenderLabels(sheet::TTestApp& app) {
  gui::TForm* form = NewForm(app, 200);
  form->Font().SetHeight(-16);
  form->Font().SetStyle(gui::fsBold);
  const char* names[] = {"tsNormal", "tsRaised", "tsRecessed", "tsShadow"};
  for (int style = 0; style < 4; ++style) {
    TUiLabel* label = Label(form, 8 + style * 150, 8, names[style]);
    label->SetTextStyle(static_cast<TTextStyle>(style));
    TUiLabel* light = Label(form, 8 + style * 150, 34, std::string(names[style]) + " light");
    light->SetTextStyle(static_cast<TTextStyle>(style));
    light->SetLightTextStyle(true);
  }
  TUiLabel* disabled = Label(form, 8, 60, "disabled, tsRaised");
  disabled->SetTextStyle(tsRaised);
  disabled->SetEnabled(false);
  TUiLabel* white = Label(form, 200, 60, "clBtnFace on white");
  white->SetColor(clWhite);

  // The statistics tables' look: the regular font, centred headings, counts in colour.
  auto small = [&](int left, int top, const std::string& caption) {
    TUiLabel* label = Label(form, left, top, "");
    label->SetParentFont(false);
    label->Font().SetHeight(-11);
    label->SetAlignment(taCenter);
    label->SetCaption(caption);
    return label;
  };
  small(8, 92, "10\r\n"_cp + std::string("спинов"_cp));
  small(60, 92, "(12)")->Font().SetColor(gui::clGreen);
  small(100, 92, "12")->Font().SetColor(gui::clRed);
  TUiLabel* framed = small(140, 92, "");
  framed->SetBorderOuter(fsRaised);
  framed->SetTextMargin(3);
  framed->SetCaption("fsRaised + margin 3");
  TUiLabel* flat = small(280, 92, "fsFlat / fsLowered");
  flat->SetBorderOuter(fsFlat);
  flat->SetBorderInner(fsLowered);
  flat->SetBorderWidth(2);
  TUiLabel* cut = small(8, 130, "a caption cut at the label's edge");
  cut->SetAlignment(taLeftJustify);
  cut->SetAutoSize(false);
  cut->SetWidth(120);
  TUiLabel* ellipsis = small(140, 130, "a caption shortened with an ellipsis");
  ellipsis->SetCondenseCaption(ccAtEnd);
  ellipsis->SetWidth(120);
  TUiLabel* path = small(280, 130, "C:\\Program Files\\Spintrak\\spintrak.exe");
  path->SetCondenseCaption(ccWithinPath);
  path->SetWidth(150);
  for (int layout = 0; layout < 3; ++layout) {
    TUiLabel* boxed = small(8 + layout * 90, 150, layout == 0 ? "tlTop" : layout == 1 ? "tlCenter" : "tlBottom");
    boxed->SetAutoSize(false);
    boxed->SetBounds(boxed->Left(), boxed->Top(), 80, 40);
    boxed->SetLayout(static_cast<TTextLayout>(layout));
    boxed->SetAlignment(static_cast<TAlignment>(layout));
    boxed->SetColor(clWhite);
  }
  TUiLabel* shadowRight = small(290, 150, "shadow, right, bottom");
  shadowRight->SetAutoSize(false);
  shadowRight->SetBounds(290, 150, 140, 40);
  shadowRight->SetTextStyle(tsShadow);
  shadowRight->SetAlignment(taRightJustify);
  shadowRight->SetLayout(tlBottom);
  shadowRight->SetColor(clWhite);
  form->Show();
  return sheet::Snapshot(app, *form);
}

gui::TBitmap RenderLinks(sheet::TTestApp& app) {
  gui::TForm* form = NewForm(app, 28);
  Place<TUiURLLabel>(form, form, 8, 8)->SetCaption("normal link");
  auto* hot = Place<TUiURLLabel>(form, form, 120, 8);
  hot->SetCaption("hot link (pointer over it)");
  Place<TUiURLLabel>(form, form, 300, 8)->SetCaption("visited link");
  static_cast<TUiURLLabel*>(form->Controls(2))->SetVisited(true);
  form->Show();
  app.Host.MouseMove(*form, {hot->Left() + 4, hot->Top() + 4});
  return sheet::Snapshot(app, *form);
}

gui::TBitmap RenderSeparatorsAndBorders(sheet::TTestApp& app) {
  gui::TForm* form = NewForm(app, 110);
  // The strip's look: upright green bars between cells.
  for (int i = 0; i < 6; ++i) {
    auto* bar = Place<TUiSeparator>(form, form, 8 + i * 14, 8);
    bar->SetOrientation(orVertical);
    bar->SetWidth(2);
    bar->SetHeight(25);
    bar->SetHighlightColor(gui::clGreen);
  }
  const TUiHighlightLocation places[] = {hlCenter, hlUpperLeft, hlLowerRight};
  for (int i = 0; i < 3; ++i) {
    auto* wide = Place<TUiSeparator>(form, form, 100, 8 + i * 10);
    wide->SetHighlightLocation(places[i]);
    wide->SetHeight(4);
    auto* tall = Place<TUiSeparator>(form, form, 310 + i * 10, 8);
    tall->SetOrientation(orVertical);
    tall->SetWidth(4);
    tall->SetHeight(60);
    tall->SetHighlightLocation(places[i]);
  }
  auto* plain = Place<TUiSeparator>(form, form, 100, 38);
  plain->SetShowGradient(false);
  plain->SetColor(gui::clRed);
  plain->SetHeight(4);

  // Rules of the tables, then the frame styles on all sides.
  auto* bottom = Place<TUiBorder>(form, form, 360, 8);
  bottom->SetBounds(360, 8, 120, 10);
  bottom->SetBorderSides(sdBottom);
  auto* right = Place<TUiBorder>(form, form, 490, 8);
  right->SetBounds(490, 8, 10, 60);
  right->SetBorderSides(sdRight);
  for (int style = 0; style < FrameStyleExCount; ++style) {
    auto* border = Place<TUiBorder>(form, form, 8 + style * 52, 74);
    border->SetBounds(border->Left(), 74, 46, 30);
    border->SetBorderOuter(static_cast<TFrameStyleEx>(style));
  }
  form->Show();
  return sheet::Snapshot(app, *form);
}

gui::TBitmap RenderPanels(sheet::TTestApp& app) {
  gui::TForm* form = NewForm(app, 236);
  form->SetColor(clWhite);
  for (int style = 0; style < FrameStyleExCount; ++style) {
    auto* panel = Place<TUiPanel>(form, form, 8 + (style % 6) * 104, 8 + (style / 6) * 56);
    panel->SetBounds(panel->Left(), panel->Top(), 96, 48);
    panel->SetBorderOuter(static_cast<TFrameStyleEx>(style));
    panel->SetCaption(std::to_string(style));
  }
  auto* inner = Place<TUiPanel>(form, form, 8, 120);
  inner->SetBounds(8, 120, 96, 48);
  inner->SetBorderInner(fsFlatRounded);
  inner->SetBorderOuter(fsNone);
  inner->SetCaption("inner rounded");
  const TUiVisualStyle looks[] = {vsClassic, vsWinXP, vsGradient, vsGradient};
  const char* lookNames[] = {"vsClassic", "vsWinXP", "vsGradient", "custom gradient"};
  for (int i = 0; i < 4; ++i) {
    auto* panel = Place<TUiPanel>(form, form, 112 + i * 104, 120);
    panel->SetBounds(panel->Left(), 120, 96, 48);
    panel->SetVisualStyle(looks[i]);
    panel->SetCaption(lookNames[i]);
    if (i == 3) {
      panel->SetGradientColorStyle(gcsCustom);
      panel->SetGradientColorStart(0xFFEFE3);
      panel->SetGradientColorStop(0xEABB99);
      panel->SetGradientDirection(gdVerticalEnd);
    }
  }
  const TUiGridStyle grids[] = {gsDots, gsDottedLines, gsSolidLines};
  for (int i = 0; i < 3; ++i) {
    auto* panel = Place<TUiPanel>(form, form, 8 + i * 104, 176);
    panel->SetBounds(panel->Left(), 176, 96, 52);
    panel->SetShowGrid(true);
    panel->SetGridStyle(grids[i]);
  }
  auto* disabled = Place<TUiPanel>(form, form, 320, 176);
  disabled->SetBounds(320, 176, 150, 52);
  disabled->SetCaption("disabled, top left");
  disabled->SetAlignment(taLeftJustify);
  disabled->SetAlignmentVertical(avTop);
  disabled->SetEnabled(false);
  auto* status = Place<TUiPanel>(form, form, 478, 176);
  status->SetBounds(478, 176, 150, 52);
  status->SetBorderOuter(fsStatus);
  status->SetBevelWidth(2);
  status->SetBorderWidth(3);
  status->SetBorderColor(0x99CCFF);
  status->SetBorderInner(fsFlat);
  status->SetCaption("fsStatus, band, fsFlat");
  form->Show();
  return sheet::Snapshot(app, *form);
}

const sheet::TSectionRegistrar RegisteredLabels(10, "Labels: text styles, layouts, frames, ellipses",
                                                RenderLabels);
const sheet::TSectionRegistrar RegisteredLinks(11, "Link labels: normal, hot, visited", RenderLinks);
const sheet::TSectionRegistrar RegisteredRules(12, "Separators and borders", RenderSeparatorsAndBorders);
const sheet::TSectionRegistrar RegisteredPanels(13, "Panels: frame styles 0..11, looks, grids", RenderPanels);

}  // namespace
}  // namespace widgets
