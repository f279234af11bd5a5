#include "gui/controls/error_report_form.h"

#include <algorithm>

#include "gui/controls/application.h"
#include "gui/graphics/text.h"

namespace gui {

namespace {

constexpr int kMargin = 12;
constexpr int kIconSize = 32;
constexpr int kButtonWidth = 75;
constexpr int kButtonHeight = 23;

// A plain push button that closes the report with mrOk.
class TReportButton : public TCustomControl {
 public:
  explicit TReportButton(TComponent* owner) : TCustomControl(owner) {
    SetTabStop(true);
    SetControlStyle(ControlStyle().Exclude(csDoubleClicks));
    SetCaption("OK");
  }

 protected:
  void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override {
    if (button == mbLeft && CanFocus()) SetFocus();
    TCustomControl::MouseDown(button, shift, x, y);
  }
  void KeyUp(std::uint16_t& key, TShiftState shift) override {
    auto alive = Watch();
    TCustomControl::KeyUp(key, shift);
    if (alive && key == VK_SPACE) Click();
  }
  void Click() override {
    auto alive = Watch();
    TCustomControl::Click();
    if (alive)
      if (TForm* form = Form()) form->SetModalResult(mrOk);
  }
  void Paint() override {
    TCanvas& c = Canvas();
    const int w = Width(), h = Height();
    c.Brush.Color = clBlack;
    c.FrameRect({0, 0, w, h});
    c.Brush.Color = clBtnHighlight;
    c.FillRect({1, 1, w - 2, 2});
    c.FillRect({1, 1, 2, h - 2});
    c.Brush.Color = clBtnShadow;
    c.FillRect({1, h - 3, w - 1, h - 2});
    c.FillRect({w - 3, 1, w - 2, h - 2});
    c.Brush.Style = bsClear;
    TRect text{0, 0, w, h};
    DrawText(c, Caption(), text, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    if (Focused()) {
      c.Pen.Style = psDot;
      c.Pen.Color = clBlack;
      c.Brush.Style = bsClear;
      c.Rectangle({4, 4, w - 4, h - 4});
    }
  }
  void FocusChanged(TControl* focused) override {
    TCustomControl::FocusChanged(focused);
    Invalidate();
  }
};

}  // namespace

TErrorReportForm::TErrorReportForm(TComponent* owner, const std::string& title, const std::string& message)
    : TForm(owner), FMessage(message) {
  SetBorderStyle(bsDialog);
  SetBorderIcons(TBorderIcons(biSystemMenu));
  SetPosition(poScreenCenter);
  SetCaption(title);
  Font().SetName("Tahoma");
  Font().SetHeight(-11);

  // The text wraps at half the screen's width, as the platform's message box did.
  TBitmap scratch(1, 1);
  TCanvas& measure = scratch.Canvas();
  measure.Font.Assign(Font());
  const int maxWidth = Application ? Application->Host().ScreenSize().Width / 2 : 640;
  TRect text{0, 0, maxWidth, 0};
  DrawText(measure, FMessage, text, DT_CALCRECT | DT_WORDBREAK | DT_EXPANDTABS | DT_NOPREFIX);
  const int textLeft = kMargin + kIconSize + kMargin;
  const int blockHeight = std::max(kIconSize, text.Height());
  FTextRect = Bounds(textLeft, kMargin + std::max(0, (kIconSize - text.Height()) / 2), text.Width(), text.Height());
  const int clientWidth = std::max(textLeft + text.Width() + kMargin, kButtonWidth + 2 * kMargin);
  const int buttonTop = kMargin + blockHeight + kMargin;
  SetClientSize(clientWidth, buttonTop + kButtonHeight + kMargin);

  auto* ok = new TReportButton(this);
  ok->SetName("OK");
  ok->SetParent(this);
  ok->SetBounds((clientWidth - kButtonWidth) / 2, buttonTop, kButtonWidth, kButtonHeight);
  FOk = ok;
  SetActiveControl(ok);
}

bool TErrorReportForm::DialogKey(std::uint16_t key, TShiftState shift) {
  if (key == VK_RETURN || key == VK_ESCAPE) {
    SetModalResult(mrOk);
    return true;
  }
  return TForm::DialogKey(key, shift);
}

void TErrorReportForm::Paint() {
  TCanvas& c = Canvas();
  // The error icon: a red disc with a white cross.
  const int cx = kMargin + kIconSize / 2, cy = kMargin + kIconSize / 2, r = kIconSize / 2 - 1;
  for (int y = -r; y <= r; ++y)
    for (int x = -r; x <= r; ++x)
      if (x * x + y * y <= r * r) c.SetPixel(cx + x, cy + y, clRed);
  c.Pen.Color = clWhite;
  for (int d = -1; d <= 1; ++d) {
    c.MoveTo(cx - 7 + d, cy - 7);
    c.LineTo(cx + 8 + d, cy + 8);
    c.MoveTo(cx + 7 + d, cy - 7);
    c.LineTo(cx - 8 + d, cy + 8);
  }
  c.Brush.Style = bsClear;
  TRect text = FTextRect;
  DrawText(c, FMessage, text, DT_WORDBREAK | DT_EXPANDTABS | DT_NOPREFIX);
}

}  // namespace gui
