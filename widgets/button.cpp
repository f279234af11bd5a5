#include "widgets/button.h"

#include "gui/controls/form.h"
#include "gui/graphics/canvas.h"
#include "gui/graphics/text.h"
#include "widgets/frames.h"

namespace widgets {

TUiButton::TUiButton(gui::TComponent* owner)
    : TUiCustomButton(owner), TPushButton(*this, gui::ssShift | gui::ssAlt | gui::ssCtrl) {
  SetColor(clBtnFace);
  SetBounds(Left(), Top(), 75, 25);
}

void TUiButton::SetFrameColor(TColor value) {
  if (value == FFrameColor) return;
  FFrameColor = value;
  Repaint();
}

void TUiButton::SetAlignment(TAlignment value) {
  if (value == FAlignment) return;
  FAlignment = value;
  Invalidate();
}

void TUiButton::DefaultChanged() {
  const gui::TForm* form = Form();
  UpdateActive(form ? form->FocusedControl() : nullptr);
}

void TUiButton::SetShowFocusRect(bool value) {
  if (value == FShowFocusRect) return;
  FShowFocusRect = value;
  Repaint();
}

void TUiButton::HotTrackChanged() {
  SetTransparent(HotTrack());
  Invalidate();
}

void TUiButton::ColorChanged() {
  TUiCustomButton::ColorChanged();
  Repaint();
}

TButtonFaceState TUiButton::FaceState() const {
  if (!Enabled()) return bfDisabled;
  if (ShowPressed()) return bfPressed;
  if (MouseInside() && HotTrack()) return bfHot;
  if (FIsActive || Focused()) return bfFocused;
  return bfNormal;
}

void TUiButton::Click() {
  PassModalResult();
  TUiCustomButton::Click();
}

bool TUiButton::DialogKey(std::uint16_t key, gui::TShiftState shift) {
  return ClickByDialogKey(key, shift, FIsActive) || TUiCustomButton::DialogKey(key, shift);
}

bool TUiButton::DialogChar(char ch, gui::TShiftState shift) {
  return ClickByAccel(ch) || TUiCustomButton::DialogChar(ch, shift);
}

// The button Enter presses: the focused button itself, or, while the focus is on something
// that is not a button, the Default one.
void TUiButton::UpdateActive(const gui::TControl* focused) {
  const bool active = ActiveFor(focused);
  if (active == FIsActive) return;
  FIsActive = active;
  Repaint();
}

void TUiButton::FocusChanged(gui::TControl* focused) {
  TUiCustomButton::FocusChanged(focused);
  if (Destroying()) return;
  auto alive = Watch();
  UpdateActive(focused);
  if (alive && Focused() != FShownFocused) Invalidate();
}

TRect TUiButton::GetCaptionRect() const { return ClientRect().Inflate(-5, -5); }

void TUiButton::DrawCaption(TCanvas& canvas) {
  unsigned align = gui::DT_CENTER;
  if (FAlignment == taLeftJustify) align = gui::DT_LEFT;
  if (FAlignment == taRightJustify) align = gui::DT_RIGHT;
  DrawCaptionText(canvas, GetCaptionRect(), align | gui::DT_WORDBREAK | gui::DT_EXPANDTABS);
}

void TUiButton::Paint(TCanvas& canvas) {
  const int w = ClientWidth(), h = ClientHeight();
  TButtonFaceStyle style;
  style.State = FaceState();
  style.Color = Color();
  style.ParentColor = Parent() ? Parent()->Color() : clBtnFace;
  style.FrameColor = FFrameColor;
  style.HotTrackColor = HotTrackColor();
  style.HotTrackColorType = HotTrackColorType();
  style.HighlightColor = HighlightColor();
  PaintButtonFace(canvas, w, h, style);

  canvas.Font.Assign(Font());
  canvas.Brush.Color = Color();
  canvas.Brush.Style = gui::bsSolid;
  DrawCaption(canvas);

  FShownFocused = Focused();
  if (FShownFocused && FShowFocusRect) StrokeDottedBox(canvas, {3, 3, w - 3, h - 3});
}

}  // namespace widgets
