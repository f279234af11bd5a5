// The form's input routing: mouse capture, click counting, enter/leave, the key pipeline and focus.

#include <cstdlib>
#include <utility>

#include "gui/controls/application.h"
#include "gui/controls/form.h"
#include "gui/controls/report_errors.h"
#include "gui/controls/scoped_change.h"
#include "gui/graphics/text.h"

namespace gui {

namespace {
bool IsDialogKey(std::uint16_t key) {
  switch (key) {
    case VK_TAB:
    case VK_RETURN:
    case VK_ESCAPE:
    case VK_LEFT:
    case VK_RIGHT:
    case VK_UP:
    case VK_DOWN: return true;
    default: return false;
  }
}

TShiftState ButtonFlag(TMouseButton button) {
  switch (button) {
    case mbLeft: return ssLeft;
    case mbRight: return ssRight;
    default: return ssMiddle;
  }
}
}  // namespace

bool TForm::AcceptsInput() const {
  if (!Enabled() || !Visible()) return false;
  const TForm* modal = Application ? Application->ModalForm() : nullptr;
  return modal == nullptr || modal == this;
}

TControl* TForm::HitTest(TPoint pos) {
  TControl* hit = ControlAtPos(pos);
  return hit ? hit : this;
}

TControl* TForm::HoverTest(TPoint pos) {
  TControl* hit = ControlAtPos(pos, true);
  return hit ? hit : this;
}

TControl* TForm::CursorControl() const {
  // The pointer shows the cursor of the control that would get its input: over a disabled
  // control, or one inside a disabled parent, that of the outermost disabled one's parent.
  TControl* shown = FMouseControl;
  for (TControl* c = FMouseControl; c && c != this; c = c->Parent())
    if (!c->Enabled()) shown = c->Parent();
  return shown;
}

void TForm::SetCaptureControl(TControl* control) { FCaptureControl = control; }

void TForm::UpdateHover(TControl* hit) {
  // While the pointer is captured only the capturing control can be "under" it.
  TControl* wanted = FCaptureControl ? (hit == FCaptureControl ? hit : nullptr) : hit;
  if (wanted == FMouseControl) return;
  TControl* old = FMouseControl;
  FMouseControl = wanted;
  if (old) {
    auto wantedAlive = wanted ? wanted->Watch() : TAliveToken::TWatch(nullptr);
    old->RouteMouseLeave();
    if (wanted && (!wantedAlive || FMouseControl != wanted)) return;
  }
  if (wanted) wanted->RouteMouseEnter();
}

void TForm::CursorChanged(TControl* control) {
  if (control != CursorControl() || !FWindow) return;
  FHostCursor = Application ? Application->CursorShape(control->Cursor()) : control->Cursor();
  FWindow->SetCursor(FHostCursor);
}

void TForm::HostMouseDown(TMouseButton button, TPoint pos, TShiftState shift, std::uint32_t timeMs) {
  ReportErrors([&] {
    if (!AcceptsInput()) return;
    TControl* target = FCaptureControl ? FCaptureControl : HitTest(pos);
    // Clicks are counted here from plain presses: the same button on the same control, within
    // the double-click time and inside the box around the first press.
    bool isDouble = false;
    if (Application && FLastPress.Valid && FLastPress.Control == target && FLastPress.Button == button) {
      const THost& host = Application->Host();
      const std::uint32_t elapsed = timeMs - FLastPress.Time;  // wraps like the clock
      const int box = host.DoubleClickDistance();
      isDouble = elapsed <= host.DoubleClickTime() && std::abs(pos.X - FLastPress.Pos.X) * 2 <= box &&
                 std::abs(pos.Y - FLastPress.Pos.Y) * 2 <= box;
    }
    if (isDouble && target->ControlStyle().Contains(csDoubleClicks)) {
      FLastPress.Valid = false;  // a third press starts a new count
      shift.Include(ssDouble);
    } else {
      FLastPress = {target, button, pos, timeMs, true};
    }
    shift = shift | ButtonFlag(button);
    if (!FCaptureControl && target->ControlStyle().Contains(csCaptureMouse)) FCaptureControl = target;
    const TPoint origin = target->ClientOriginInForm();
    target->RouteMouseDown(button, shift, {pos.X - origin.X, pos.Y - origin.Y});
  });
}

void TForm::HostMouseUp(TMouseButton button, TPoint pos, TShiftState shift, std::uint32_t) {
  ReportErrors([&] {
    if (!AcceptsInput()) return;
    TControl* target = FCaptureControl ? FCaptureControl : HitTest(pos);
    FCaptureControl = nullptr;
    auto alive = Watch();
    const TPoint origin = target->ClientOriginInForm();
    target->RouteMouseUp(button, shift, {pos.X - origin.X, pos.Y - origin.Y});
    if (!alive) return;
    UpdateHover(HoverTest(pos));
  });
}

void TForm::HostMouseMove(TPoint pos, TShiftState shift, std::uint32_t) {
  ReportErrors([&] {
    if (!AcceptsInput()) return;
    auto alive = Watch();
    UpdateHover(HoverTest(pos));
    if (!alive) return;
    if (TControl* shown = CursorControl(); shown && FWindow) {
      const TCursor shape = Application ? Application->CursorShape(shown->Cursor()) : crDefault;
      if (shape != FHostCursor) FWindow->SetCursor(FHostCursor = shape);
    }
    TControl* target = FCaptureControl ? FCaptureControl : HitTest(pos);
    const TPoint origin = target->ClientOriginInForm();
    target->RouteMouseMove(shift, {pos.X - origin.X, pos.Y - origin.Y});
  });
}

void TForm::HostMouseLeave() {
  ReportErrors([&] { UpdateHover(nullptr); });
}

bool TForm::DialogKeyStage(std::uint16_t key, TShiftState shift) {
  const bool plain = !shift.Contains(ssAlt) && !shift.Contains(ssCtrl);
  if (key == VK_TAB && plain) {
    SelectNext(FFocusedControl, !shift.Contains(ssShift), true);
    return true;
  }
  if ((key == VK_LEFT || key == VK_RIGHT || key == VK_UP || key == VK_DOWN) && FFocusedControl &&
      FFocusedControl->Parent()) {
    FFocusedControl->Parent()->SelectNext(FFocusedControl, key == VK_RIGHT || key == VK_DOWN, false);
    return true;
  }
  return DialogKey(key, shift);
}

void TForm::HostKeyDown(std::uint16_t key, TShiftState shift) {
  ReportErrors([&] {
    FSuppressChar = false;
    FKeyShift = shift;
    if (!AcceptsInput()) return;
    if (TakeShortCut(key, shift)) return;
    TWinControl* target = FocusedControl() ? FocusedControl() : this;
    if (IsDialogKey(key) && !target->WantsKey(key, shift)) {
      auto alive = Watch();
      const bool taken = DialogKeyStage(key, shift);
      if (!alive) return;
      if (taken) {
        // A key taken by the dialog stage produces no character either.
        FSuppressChar = true;
        return;
      }
      target = FocusedControl() ? FocusedControl() : this;
    }
    std::uint16_t k = key;
    target->RouteKeyDown(k, shift);
  });
}

bool TForm::TakeShortCut(std::uint16_t key, TShiftState shift) {
  auto alive = Watch();
  const bool taken = ShortCut(key, shift);
  if (taken && alive) FSuppressChar = true;
  return taken || !alive;
}

void TForm::HostKeyUp(std::uint16_t key, TShiftState shift) {
  ReportErrors([&] {
    // The character of a key comes before its release: whatever follows is text of its own
    // (an input method's, say) and must not be swallowed for a key the dialog stage took.
    FSuppressChar = false;
    FKeyShift = shift;
    if (!AcceptsInput()) return;
    TWinControl* target = FocusedControl() ? FocusedControl() : this;
    std::uint16_t k = key;
    target->RouteKeyUp(k, shift);
  });
}

void TForm::HostChar(char32_t ch) {
  ReportErrors([&] {
    if (FSuppressChar) {
      FSuppressChar = false;
      return;
    }
    if (!AcceptsInput()) return;
    char c = UnicodeToAnsi(ch);
    TWinControl* target = FocusedControl() ? FocusedControl() : this;
    if (!target->WantsChars() || FKeyShift.Contains(ssAlt)) {
      auto alive = Watch();
      if (DialogChar(c, FKeyShift) || !alive) return;
      // An Alt character is an access key or nothing: it is never typed into a field.
      if (FKeyShift.Contains(ssAlt)) return;
      target = FocusedControl() ? FocusedControl() : this;
    }
    target->RouteKeyPress(c);
  });
}

void TForm::HostCloseRequest() {
  ReportErrors([&] {
    if (Application && Application->ModalForm() && Application->ModalForm() != this) return;
    Close();
  });
}

void TForm::HostResized(int clientWidth, int clientHeight) {
  ReportErrors([&] {
    const TRect f = NonClientInsets();
    // The host made this size: telling it again would start a loop. OnResize handlers run
    // meanwhile and may throw; the form must go on telling the host its later changes.
    TScopedChange hostResizing(FHostResizing, true);
    SetBounds(Left(), Top(), clientWidth + f.Left + f.Right, clientHeight + f.Top + f.Bottom);
  });
}

bool TForm::HostTooltipAt(const TPoint& pos, std::string& utf8, TRect& area) {
  for (TControl* c = ControlAtPos(pos, true); c != nullptr && c != this; c = c->Parent()) {
    if (c->Hint().empty()) continue;
    utf8 = AnsiToUtf8(c->Hint());
    area = c->RectInForm();
    return true;
  }
  return false;
}

void TForm::HostScaleChanged() {
  ReportErrors([&] {
    if (!FWindow || FWindow->Scale() == FBuffer.Scale()) return;
    FBuffer.SetLogicalSize(ClientWidth(), ClientHeight(), FWindow->Scale());
    InvalidateRect(ClientRect());
    PaintPending();
  });
}

void TForm::HostMoved(int left, int top) {
  TScopedChange hostResizing(FHostResizing, true);
  TControl::SetBounds(left, top, Width(), Height());
}

void TForm::HostExpose(const TRect& rect) {
  ReportErrors([&] {
    if (!FWindow) return;
    PaintPending();
    const TRect r = IntersectRect(rect, ClientRect());
    if (!r.IsEmpty()) FWindow->Present(FBuffer, {&r, 1});
  });
}

void TForm::HostFocusChanged(bool gained) {
  // Coming back from another application is not an activation: only a switch between this
  // application's own windows is.
  ReportErrors([&] {
    if (gained && Application && Application->ActiveForm() != this && AcceptsInput())
      Application->ActivateForm(this);
  });
}

bool TForm::FocusControl(TWinControl* control) {
  if (!Active()) {
    FActiveControl = control;
    return false;
  }
  const std::uint64_t serial = ++FFocusSerial;
  if (control == FFocusedControl) return true;
  // The keyboard focus moves on: the one it gets is the focused object for a listener too.
  FAccFocus = nullptr;
  FAccFocusAlive.reset();
  auto alive = Watch();
  auto controlAlive = control ? control->Watch() : TAliveToken::TWatch(nullptr);
  if (TWinControl* old = FFocusedControl) {
    old->RouteExit();
    // The handler moved the focus itself (or kept it): that move stands.
    if (!alive || serial != FFocusSerial) return alive && FFocusedControl == control;
    if (control && !controlAlive) return false;
  }
  FFocusedControl = control;
  FActiveControl = control;
  FocusChanged(control);
  if (!alive || serial != FFocusSerial) return alive && FFocusedControl == control;
  if (control && controlAlive) control->RouteEnter();
  if (alive && control && controlAlive && FFocusedControl == control) control->AccNotify(aeFocus);
  return alive && FFocusedControl == control;
}

TControl* TForm::AccFocus() const { return FAccFocusAlive && FAccFocusAlive->Alive() ? FAccFocus : nullptr; }

void TForm::SetAccFocus(TControl* control) {
  if (control == AccFocus()) return;
  FAccFocus = control;
  if (control)
    FAccFocusAlive = control->Watch();
  else
    FAccFocusAlive.reset();
  if (TControl* told = control ? control : FocusedControl()) told->AccNotify(aeFocus);
}

bool TForm::Within(const TControl* c, const TControl* root) {
  for (; c; c = c->Parent())
    if (c == root) return true;
  return false;
}

void TForm::ControlRemoved(TControl* control) {
  auto inside = [control](const TControl* c) { return Within(c, control); };
  if (inside(FCaptureControl)) FCaptureControl = nullptr;
  if (inside(FMouseControl)) FMouseControl = nullptr;
  if (inside(FLastPress.Control)) FLastPress.Valid = false, FLastPress.Control = nullptr;
  if (inside(FFocusedControl)) FFocusedControl = nullptr;
  if (inside(FActiveControl)) FActiveControl = nullptr;
}

void TForm::ControlLostInput(TControl* control) {
  if (control == this) return;
  auto inside = [control](const TControl* c) { return Within(c, control); };
  // A disabled control stays under the pointer (it is told when the pointer leaves); a hidden one
  // is left at once.
  TControl* left = !control->Visible() && inside(FMouseControl) ? std::exchange(FMouseControl, nullptr) : nullptr;
  auto leftAlive = left ? left->Watch() : TAliveToken::TWatch(nullptr);
  auto alive = Watch();
  if (inside(FCaptureControl)) std::exchange(FCaptureControl, nullptr)->CancelPress();
  if (inside(FFocusedControl)) {
    FocusControl(nullptr);
  } else if (inside(FActiveControl)) {
    FActiveControl = nullptr;
  }
  if (alive && left && leftAlive) left->RouteMouseLeave();
}

}  // namespace gui
