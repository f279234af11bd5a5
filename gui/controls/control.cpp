#include "gui/controls/control.h"

#include <algorithm>

#include "gui/controls/acc_group.h"
#include "gui/controls/application.h"
#include "gui/controls/exceptions.h"
#include "gui/controls/form.h"
#include "gui/controls/scoped_change.h"
#include "gui/controls/set_field.h"
#include "gui/controls/win_control.h"

namespace gui {

TControl::TControl(TComponent* owner) : TComponent(owner) {
  FWidth = 0;
  FHeight = 0;
  FFont.OnChange = [this] {
    if (!FFontFromParent) FParentFont = false;
    FontChanged();
  };
}

TControl::~TControl() {
  FFont.OnChange = nullptr;
  if (FAccGroup) FAccGroup->MemberGone(*this);
  if (FParent) FParent->RemoveControl(this);
}

TForm* TControl::Form() const { return FParent ? FParent->Form() : nullptr; }

void TControl::SetParent(TWinControl* parent) {
  if (parent == FParent) return;
  if (parent == this) throw EInvalidOperation("A control cannot be its own parent");
  if (FParent) {
    Invalidate();
    FParent->RemoveControl(this);
  }
  if (parent) {
    parent->InsertControl(this);
    if (FParentColor) TakeParentColor();
    if (FParentFont) TakeParentFont();
    if (FAlign != alNone) RequestAlign();
    Invalidate();
  }
}

TPoint TControl::ClientOriginInForm() const { return RectInForm().TopLeft(); }

TRect TControl::RectInForm() const {
  if (!FParent) return BoundsRect();
  const TPoint o = FParent->ClientOriginInForm();
  return Bounds(o.X + FLeft, o.Y + FTop, FWidth, FHeight);
}

bool TControl::Showing() const { return FVisible && FParent && FParent->Showing(); }

void TControl::SetBounds(int left, int top, int width, int height) {
  width = std::max(0, width);
  height = std::max(0, height);
  const bool byLayout = FParent && FParent->Aligning();
  if (!byLayout && !Loading()) {
    // A right- or bottom-aligned control that is resized keeps its outer edge where it was.
    // Not while a layout is being built: its stored positions are the design's, in any order.
    if (FAlign == alRight && width != FWidth && left == FLeft) left = FLeft + FWidth - width;
    if (FAlign == alBottom && height != FHeight && top == FTop) top = FTop + FHeight - height;
  }
  if (left == FLeft && top == FTop && width == FWidth && height == FHeight) return;
  const bool sized = width != FWidth || height != FHeight;
  const TRect oldBounds = BoundsRect();
  FLeft = left;
  FTop = top;
  FWidth = width;
  FHeight = height;
  InvalidateBoundsChange(oldBounds);
  if (sized) Resize();
  if (FAlign != alNone && !byLayout) RequestAlign();
}

void TControl::SetAlign(TAlign align) {
  if (align == FAlign) return;
  FAlign = align;
  RequestAlign();
}

void TControl::SetVisible(bool visible) {
  if (visible == FVisible) return;
  if (!visible) Invalidate();
  FVisible = visible;
  if (visible) Invalidate();
  VisibleChanged();
  if (FAlign != alNone) RequestAlign();
  AccNotify(aeStateChanged);
}

void TControl::SetEnabled(bool enabled) {
  if (enabled == FEnabled) return;
  FEnabled = enabled;
  EnabledChanged();
  AccNotify(aeStateChanged);
}

void TControl::SetColor(TColor color) {
  if (color == FColor && !FParentColor) return;
  FParentColor = false;
  if (color == FColor) return;
  FColor = color;
  ColorChanged();
}

void TControl::SetParentColor(bool value) {
  if (SetField(FParentColor, value))
    if (value) ParentColorChanged();
}

void TControl::TakeParentColor() {
  if (!FParent || FParent->Color() == FColor) return;
  FColor = FParent->Color();
  ColorChanged();
}

void TControl::SetParentFont(bool value) {
  if (SetField(FParentFont, value))
    if (value) ParentFontChanged();
}

void TControl::TakeParentFont() {
  if (!FParent) return;
  TScopedChange fromParent(FFontFromParent, true);
  FFont.Assign(FParent->Font());
}

void TControl::SetCaption(std::string_view caption) {
  if (caption == FCaption) return;
  FCaption = std::string(caption);
  TextChanged();
  AccNotify(aeTextChanged);
}

void TControl::SetCursor(TCursor cursor) {
  if (cursor == FCursor) return;
  FCursor = cursor;
  if (TForm* form = Form()) form->CursorChanged(this);
}

void TControl::InvalidateBoundsChange(const TRect& oldBounds) {
  if (!Showing()) return;
  if (TForm* form = Form()) {
    const TPoint o = FParent ? FParent->ClientOriginInForm() : TPoint{};
    form->InvalidateRect(form->VisibleRectOf(this, oldBounds.Offset(o.X, o.Y)));
  }
  Invalidate();
}

void TControl::Invalidate() {
  if (!Showing()) return;
  if (TForm* form = Form()) form->InvalidateRect(form->VisibleRectOf(this));
}

void TControl::Update() {
  if (!Showing()) return;
  if (TForm* form = Form()) form->UpdateRect(form->VisibleRectOf(this));
}

void TControl::Repaint() {
  Invalidate();
  Update();
}

bool TControl::MouseCapture() const {
  const TForm* form = Form();
  return form && form->CaptureControl() == this;
}

void TControl::SetMouseCapture(bool capture) {
  if (TForm* form = Form()) {
    if (capture)
      form->SetCaptureControl(this);
    else if (form->CaptureControl() == this)
      form->SetCaptureControl(nullptr);
  }
}

void TControl::Click() { FireEvent(OnClick, this); }
void TControl::DblClick() { FireEvent(OnDblClick, this); }

void TControl::RouteMouseDown(TMouseButton button, TShiftState shift, TPoint pos) {
  if (shift.Contains(ssDouble)) {
    // The second press of a double click raises DblClick at once and no Click on its release.
    FClicked = false;
    if (button == mbLeft && FControlStyle.Contains(csClickEvents)) {
      auto alive = Watch();
      DblClick();
      if (!alive) return;
    }
  } else if (button == mbLeft && FControlStyle.Contains(csClickEvents)) {
    FClicked = true;
  }
  MouseDown(button, shift, pos.X, pos.Y);
}

void TControl::RouteMouseUp(TMouseButton button, TShiftState shift, TPoint pos) {
  if (button == mbLeft && FClicked) {
    FClicked = false;
    if (TRect{0, 0, FWidth, FHeight}.Contains(pos)) {
      auto alive = Watch();
      Click();
      if (!alive) return;
    }
  }
  MouseUp(button, shift, pos.X, pos.Y);
}

void TControl::RoutePaint(TCanvas& canvas) {
  canvas.Font.Assign(FFont);
  canvas.Brush.Color = FColor;
  canvas.Brush.Style = bsSolid;
  ++FPaintCount;
  Paint(canvas);
}

TAccStates TControl::AccStates() const {
  TAccStates states;
  if (FEnabled) states.Include(asEnabled);
  if (FVisible) states.Include(asVisible);
  if (Showing()) states.Include(asShowing);
  return states;
}

void TControl::SetAccDescription(std::string_view text) {
  if (text == FAccDescription) return;
  FAccDescription = std::string(text);
  AccNotify(aeDescriptionChanged);
}

void TControl::AddAccAction(std::string_view name, std::function<void()> run) {
  FAccActions.emplace_back(std::string(name), std::move(run));
}

void TControl::SetAccLabel(TControl* label) {
  if (TControl* old = AccLabelledBy()) old->FAccLabelFor = {};
  FAccLabelledBy = label ? TAccLink{label, label->Watch()} : TAccLink{};
  if (label) label->FAccLabelFor = {this, Watch()};
}

bool TControl::AccTakesInput() const {
  const TForm* form = Form();
  if (!form || !form->AcceptsInput() || !Showing()) return false;
  for (const TControl* c = this; c; c = c->Parent())
    if (!c->Enabled()) return false;
  return true;
}

void TControl::AccNotify(TAccEvent event) {
  if (Application == nullptr) return;
  // The members of a table or list change by the dozen at a time (every count after an entry);
  // told one by one they would swamp a screen reader's queue and drown what matters. Their names
  // do not follow their texts, and a client reads a text anew when it reads it.
  if (event == aeTextChanged && FAccGroup && !FAccLive) return;
  if (TAccListener* listener = Application->AccListener(); listener && !Loading())
    listener->AccEvent(*this, event);
}

void TControl::FocusChanged(TControl*) {}
bool TControl::DialogKey(std::uint16_t, TShiftState) { return false; }
bool TControl::DialogChar(char, TShiftState) { return false; }

void TControl::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
  FireEvent(OnMouseDown, this, button, shift, x, y);
}
void TControl::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
  FireEvent(OnMouseUp, this, button, shift, x, y);
}
void TControl::MouseMove(TShiftState shift, int x, int y) { FireEvent(OnMouseMove, this, shift, x, y); }
void TControl::MouseEnter() { FireEvent(OnMouseEnter, this); }
void TControl::MouseLeave() { FireEvent(OnMouseLeave, this); }
void TControl::Resize() { FireEvent(OnResize, this); }

void TControl::EnabledChanged() {
  Invalidate();
  if (TForm* form = Form(); form && !FEnabled) form->ControlLostInput(this);
}

void TControl::VisibleChanged() {
  if (TForm* form = Form(); form && !FVisible) form->ControlLostInput(this);
}

void TControl::ColorChanged() { Invalidate(); }
void TControl::ParentColorChanged() {
  if (FParentColor) TakeParentColor();
}
void TControl::FontChanged() { Invalidate(); }
void TControl::ParentFontChanged() {
  if (FParentFont) TakeParentFont();
}
void TControl::TextChanged() { Invalidate(); }

void TControl::Loaded() {
  TComponent::Loaded();
  if (FParentColor) TakeParentColor();
  if (FParentFont) TakeParentFont();
}

void TControl::RequestAlign() {
  if (FParent) FParent->Realign();
}

}  // namespace gui
