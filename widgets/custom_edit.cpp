// The frame, hot tracking and state colours of the widget set's entries.

#include "widgets/custom_edit.h"

#include "gui/controls/application.h"
#include "gui/controls/form.h"
#include "gui/controls/scoped_change.h"
#include "gui/controls/set_field.h"
#include "widgets/paint/borders.h"

namespace widgets {

namespace {
// The border band of an entry: 2 pixels on every side.
constexpr int Band = 2;
}  // namespace

TUiCustomEdit::TUiCustomEdit(TComponent* owner) : gui::TCustomEdit(owner) {}

bool TUiCustomEdit::UsesThemedFrame() const { return false; }

template <class T>
void TUiCustomEdit::SetFrameProperty(T& field, T value) {
  if (gui::SetField(field, value)) InvalidateFrame();
}

void TUiCustomEdit::SetFrameStyle(TFrameStyle value) { SetFrameProperty(FFrameStyle, value); }
void TUiCustomEdit::SetFrameColor(TColor value) { SetFrameProperty(FFrameColor, value); }
void TUiCustomEdit::SetFrameHotStyle(TFrameStyle value) { SetFrameProperty(FFrameHotStyle, value); }
void TUiCustomEdit::SetFrameHotColor(TColor value) { SetFrameProperty(FFrameHotColor, value); }
void TUiCustomEdit::SetFrameSides(TSides value) { SetFrameProperty(FFrameSides, value); }

void TUiCustomEdit::SetFramingPreference(TFramingPreference value) {
  if (gui::SetField(FFramingPreference, value))
    if (value == fpCustomFraming) InvalidateFrame();
}

void TUiCustomEdit::SetFrameVisible(bool value) {
  if (value == FFrameVisible) return;
  FFrameVisible = value;
  if (value) FCtl3D = true;
  Invalidate();
}

void TUiCustomEdit::SetFrameHotTrack(bool value) {
  if (value == FFrameHotTrack) return;
  FFrameHotTrack = value;
  if (value) {
    SetFrameVisible(true);
    // A layout sets its own sides after this one; keep them.
    if (!Loading()) FFrameSides = AllSides;
  }
  InvalidateFrame();
  Invalidate();
}

void TUiCustomEdit::SetCtl3D(bool value) {
  if (FFrameVisible) value = true;
  if (gui::SetField(FCtl3D, value)) Invalidate();
}

void TUiCustomEdit::SetFocusColor(TColor value) {
  if (gui::SetField(FFocusColor, value))
    if (FFocusInside) UpdateColors();
}

void TUiCustomEdit::SetDisabledColor(TColor value) {
  if (gui::SetField(FDisabledColor, value))
    if (!Enabled()) UpdateColors();
}

void TUiCustomEdit::SetReadOnlyColor(TColor value) {
  if (gui::SetField(FReadOnlyColor, value))
    if (ReadOnly()) UpdateColors();
}

void TUiCustomEdit::SetReadOnlyColorOnFocus(bool value) {
  if (gui::SetField(FReadOnlyColorOnFocus, value))
    if (FFocusInside && ReadOnly()) UpdateColors();
}

void TUiCustomEdit::UpdateColors() {
  if (Loading()) return;
  // The entry's own focus flag, not the form's: while the focus leaves, the form still names this
  // entry as focused, and the colour must already be the one it leaves with.
  TColor color = FNormalColor;
  if (!Enabled())
    color = FDisabledColor;
  else if (FFocusInside)
    color = ReadOnly() && FReadOnlyColorOnFocus ? FReadOnlyColor : FFocusColor;
  else if (ReadOnly())
    color = FReadOnlyColor;
  gui::TScopedChange updating(FUpdatingColors, true);
  SetColor(color);
}

void TUiCustomEdit::UpdateFrame(TFrameTrigger which, bool value) {
  (which == ftFocus ? FFocusInside : FMouseInside) = value;
  if (FFrameHotTrack) InvalidateFrame();
  UpdateColors();
}

void TUiCustomEdit::InvalidateFrame() {
  if (!Showing()) return;
  gui::TForm* form = Form();
  if (!form) return;
  const TRect whole = RectInForm();
  const TRect visible = form->VisibleRectOf(this);
  if (visible.IsEmpty()) return;
  const TRect strips[] = {
      {whole.Left, whole.Top, whole.Right, whole.Top + Band},
      {whole.Left, whole.Bottom - Band, whole.Right, whole.Bottom},
      {whole.Left, whole.Top + Band, whole.Left + Band, whole.Bottom - Band},
      {whole.Right - Band, whole.Top + Band, whole.Right, whole.Bottom - Band},
  };
  for (const TRect& strip : strips) {
    const TRect part = gui::IntersectRect(strip, visible);
    if (!part.IsEmpty()) form->InvalidateRect(part);
  }
}

void TUiCustomEdit::InvalidKeyBeep() {
  if (FBeepOnInvalidKey && gui::Application) gui::Application->Host().Beep();
}

void TUiCustomEdit::NCPaint(TCanvas& canvas) {
  gui::TCustomEdit::NCPaint(canvas);
  if (!PaintsFrame()) return;
  const bool hot = FrameHot();
  PaintFieldFrame(canvas, Width(), Height(), false, FFrameSides, hot ? FFrameHotColor : FFrameColor, Color(),
                  hot ? FFrameHotStyle : FFrameStyle);
}

void TUiCustomEdit::KeyPress(char& key) {
  if (FTabOnEnter && key == '\r') {
    key = 0;
    if (gui::TForm* form = Form()) form->SelectNext(this, true, true);
    return;
  }
  gui::TCustomEdit::KeyPress(key);
}

void TUiCustomEdit::DoEnter() {
  auto alive = Watch();
  UpdateFrame(ftFocus, true);
  if (alive) gui::TCustomEdit::DoEnter();
}

void TUiCustomEdit::DoExit() {
  auto alive = Watch();
  gui::TCustomEdit::DoExit();
  if (alive) UpdateFrame(ftFocus, false);
}

void TUiCustomEdit::MouseEnter() {
  auto alive = Watch();
  gui::TCustomEdit::MouseEnter();
  if (alive) UpdateFrame(ftPointer, true);
}

void TUiCustomEdit::MouseLeave() {
  auto alive = Watch();
  gui::TCustomEdit::MouseLeave();
  if (alive) UpdateFrame(ftPointer, false);
}

void TUiCustomEdit::ColorChanged() {
  if (!FUpdatingColors) {
    // The focus colour follows the normal colour for as long as the two are the same.
    if (FFocusColor == FNormalColor) FFocusColor = Color();
    FNormalColor = Color();
    if (PaintsFrame()) InvalidateFrame();
  }
  gui::TCustomEdit::ColorChanged();
}

void TUiCustomEdit::EnabledChanged() {
  gui::TCustomEdit::EnabledChanged();
  UpdateColors();
  InvalidateFrame();
  Update();
}

void TUiCustomEdit::ReadOnlyChanged() {
  gui::TCustomEdit::ReadOnlyChanged();
  UpdateColors();
  InvalidateFrame();
}

void TUiCustomEdit::Resize() {
  gui::TCustomEdit::Resize();
  if (PaintsFrame()) InvalidateFrame();
}

void TUiCustomEdit::Loaded() {
  gui::TCustomEdit::Loaded();
  UpdateColors();
  UpdateFrame(ftFocus, false);
}

}  // namespace widgets
