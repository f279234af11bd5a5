#include "widgets/glyph_button.h"

#include <algorithm>
#include <utility>

#include "gui/controls/form.h"
#include "gui/controls/set_field.h"
#include "gui/graphics/canvas.h"
#include "gui/graphics/measure_canvas.h"
#include "gui/graphics/text.h"
#include "gui/std/accel.h"
#include "widgets/paint/frames.h"
#include "widgets/parent_background.h"

namespace widgets {

TUiCustomGlyphButton::TUiCustomGlyphButton(gui::TComponent* owner) : TUiCustomButton(owner) {
  SetAlignmentVertical(avTop);
  // The box hears its keys first, looks at no modifier, and Escape takes a held Space back.
  SetPressRules({.AltSpace = true, .EscapeDisarms = true, .KeyDownEventFirst = true, .KeyUpEventFirst = true});
}

void TUiCustomGlyphButton::SetAlignment(TAlignment value) {
  if (value == taCenter || value == FAlignment) return;
  FAlignment = value;
  Repaint();
}

void TUiCustomGlyphButton::SetAutoSize(bool value) {
  if (gui::SetField(FAutoSize, value)) FitToCaption();
}

void TUiCustomGlyphButton::SetWordWrap(bool value) {
  if (value == FWordWrap) return;
  FWordWrap = value;
  FitToCaption();
  Repaint();
}

void TUiCustomGlyphButton::SetTransparent(bool value) {
  if (value == Transparent()) return;
  TUiCustomButton::SetTransparent(value);
  FCacheValid = false;
}

void TUiCustomGlyphButton::SetTransparentColor(TColor value) {
  if (gui::SetField(FTransparentColor, value)) Repaint();
}

unsigned TUiCustomGlyphButton::CaptionFlags() const {
  return gui::DT_LEFT | gui::DT_EXPANDTABS | (FWordWrap ? gui::DT_WORDBREAK : 0u);
}

TRect TUiCustomGlyphButton::StateGlyphRect() const {
  const int w = ClientWidth(), h = ClientHeight();
  const int x = CaptionOnRight() ? 0 : w - StateGlyphSize;
  int y = 2;
  if (AlignmentVertical() == avCenter) y = (h - StateGlyphSize) / 2;
  if (AlignmentVertical() == avBottom) y = h - StateGlyphSize - 2;
  return gui::Bounds(x, y, StateGlyphSize, StateGlyphSize);
}

TRect TUiCustomGlyphButton::CaptionRect() const {
  TRect r = ClientRect().Inflate(-1, -1);
  if (CaptionOnRight())
    r.Left += StateGlyphSize + GlyphSpacing;
  else
    r.Right -= StateGlyphSize + GlyphSpacing;
  return r;
}

void TUiCustomGlyphButton::FitToCaption() {
  if (!Parent() || Loading() || !FAutoSize) return;
  TRect r = ClientRect().Inflate(-1, -1);
  r.Right -= StateGlyphSize + GlyphSpacing;
  if (r.Right - r.Left < 2) r.Right = r.Left + 2;
  gui::DrawText(gui::MeasureCanvas(Font()), Caption(), r,
                gui::DT_CALCRECT | gui::DT_EXPANDTABS | (FWordWrap ? gui::DT_WORDBREAK : 0u));
  const int width = r.Width() + StateGlyphSize + 6;
  const int height = std::max(StateGlyphSize + 2, r.Height() + 2);
  const int left = CaptionOnRight() ? Left() : Left() + Width() - width;
  SetBounds(left, Top(), width, height);
}

void TUiCustomGlyphButton::SetParent(gui::TWinControl* parent) {
  TUiCustomButton::SetParent(parent);
  FitToCaption();
}

void TUiCustomGlyphButton::Loaded() {
  TUiCustomButton::Loaded();
  // A box given more height than one line of its font needs was meant to wrap its caption.
  if (gui::MeasureCanvas(Font()).Metrics().Height + 2 < Height()) FWordWrap = true;
  FitToCaption();
}

void TUiCustomGlyphButton::RebuildBackground(TCanvas& screen) {
  const int w = ClientWidth(), h = ClientHeight();
  FBackgroundCache.SetLogicalSize(w, h, screen.Scale());
  if (Transparent())
    FBackgroundCache.Canvas().CopyRect({0, 0, w, h}, screen.Bitmap(), screen.ToView({0, 0, w, h}));
  else
    FBackgroundCache.Fill(Color());
  FCacheValid = true;
}

void TUiCustomGlyphButton::DrawStateGlyph(TCanvas& canvas) {
  TBitmap glyph;
  glyph.SetLogicalSize(StateGlyphSize, StateGlyphSize, canvas.Scale());
  BuildStateGlyph(glyph);
  const TRect at = StateGlyphRect();
  if (!Transparent()) FillSolid(canvas, at, Color());
  canvas.Draw(at.Left, at.Top, glyph, FTransparentColor);
}

void TUiCustomGlyphButton::Paint(TCanvas& screen) {
  if (Destroying()) return;
  // The off-screen image lives as long as the box; the background copied in first covers it all.
  FImage.SetLogicalSize(ClientWidth(), ClientHeight(), screen.Scale());
  // A change of scale leaves the cached background at the old one.
  if (FBackgroundCache.Scale() != screen.Scale()) FCacheValid = false;
  TCanvas& canvas = FImage.Canvas();
  gui::TCanvasSaver saver(canvas);
  canvas.Font.Assign(Font());
  canvas.Brush.Color = Color();
  canvas.Brush.Style = gui::bsSolid;
  if (!FCacheValid) RebuildBackground(screen);
  canvas.Draw(0, 0, FBackgroundCache);
  DrawStateGlyph(canvas);
  canvas.Brush.Color = Color();
  const TRect text = CaptionRect();
  DrawCaptionText(canvas, text, CaptionFlags());
  if (FocusInside() && !Caption().empty()) StrokeDottedBox(canvas, text.Inflate(1, 1));
  screen.Draw(0, 0, FImage);
}

void TUiCustomGlyphButton::EraseBackground(TCanvas& canvas) {
  // A see-through box shows whatever its parent has painted now; an opaque one's background
  // changes only with its size and colour, which invalidate the cache themselves.
  if (Transparent()) FCacheValid = false;
  if (Transparent())
    PaintParentBackground(*this, canvas, btPaintPass, true);
  else
    gui::TCustomControl::EraseBackground(canvas);
}

// Mouse and keys, one row per event:
//   left press, focus taken        -> square shown pushed
//   release inside                 -> ToggleState (new state, then OnClick); square normal
//   release outside                -> square normal, no change
//   Space down / up                -> pushed / ToggleState when armed
//   Escape while Space is held     -> disarmed: the Space release changes nothing
//   focus lost                     -> pushed look and the arm cleared
void TUiCustomGlyphButton::MouseDown(gui::TMouseButton button, gui::TShiftState shift, int x, int y) {
  FMousePressing = true;
  TUiCustomButton::MouseDown(button, shift, x, y);
}

void TUiCustomGlyphButton::MouseUp(gui::TMouseButton button, gui::TShiftState shift, int x, int y) {
  auto alive = Watch();
  TUiCustomButton::MouseUp(button, shift, x, y);
  if (alive) FMousePressing = false;
}

bool TUiCustomGlyphButton::WantsKey(std::uint16_t key, gui::TShiftState shift) const {
  return (key == gui::VK_RETURN && FTabOnEnter) || TUiCustomButton::WantsKey(key, shift);
}

void TUiCustomGlyphButton::KeyDown(std::uint16_t& key, gui::TShiftState shift) {
  auto alive = Watch();
  TUiCustomButton::KeyDown(key, shift);
  if (alive && key == gui::VK_RETURN && FTabOnEnter) {
    key = 0;
    if (gui::TForm* form = Form()) form->SelectNext(this, !shift.Contains(gui::ssShift), true);
  }
}

bool TUiCustomGlyphButton::DialogChar(char ch, gui::TShiftState shift) {
  if (!gui::IsAccel(ch, Caption()) || !CanFocus()) return TUiCustomButton::DialogChar(ch, shift);
  auto alive = Watch();
  if (!Focused()) SetFocus();
  if (alive && Focused() && !FReadOnly) {
    ToggleState();
    if (alive) Repaint();
  }
  return true;
}

void TUiCustomGlyphButton::Resize() {
  FCacheValid = false;
  TUiCustomButton::Resize();
}

void TUiCustomGlyphButton::EnabledChanged() {
  FCacheValid = false;
  TUiCustomButton::EnabledChanged();
}

void TUiCustomGlyphButton::ColorChanged() {
  FCacheValid = false;
  TUiCustomButton::ColorChanged();
}

void TUiCustomGlyphButton::FontChanged() {
  TUiCustomButton::FontChanged();
  FitToCaption();
}

void TUiCustomGlyphButton::TextChanged() {
  TUiCustomButton::TextChanged();
  FitToCaption();
}

}  // namespace widgets
