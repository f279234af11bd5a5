#include "gui/controls/form.h"

#include <utility>

#include "gui/controls/application.h"
#include "gui/controls/exceptions.h"
#include "gui/controls/report_errors.h"
#include "gui/controls/scoped_change.h"
#include "gui/graphics/text.h"

namespace gui {

TForm::TForm(TComponent* owner) : TCustomControl(owner) {
  InitVisible(false);
  SetControlStyle(ControlStyle() | csAcceptsControls);
  SetParentColor(false);
  SetParentFont(false);
  SetColor(clBtnFace);
  SetNonClientInsets(FrameInsets(FBorderStyle));
  SetBounds(0, 0, 320 + 8, 240 + 28);
  if (Application) Application->RegisterForm(this);
}

TForm::~TForm() {
  if (Application) Application->UnregisterForm(this);
  DestroyControls();
  FActiveControl = FFocusedControl = nullptr;
  FCaptureControl = FMouseControl = nullptr;
  FWindow.reset();
}

TRect TForm::FrameInsets(TFormBorderStyle style) {
  switch (style) {
    case bsSizeable: return {4, 24, 4, 4};
    default: return {3, 22, 3, 3};
  }
}

void TForm::SetClientSize(int width, int height) {
  const TRect f = NonClientInsets();
  SetBounds(Left(), Top(), width + f.Left + f.Right, height + f.Top + f.Bottom);
}

void TForm::SetBounds(int left, int top, int width, int height) {
  const bool moved = left != Left() || top != Top();
  TCustomControl::SetBounds(left, top, width, height);
  if (moved && FWindow && !FHostResizing) FWindow->SetPosition(Left(), Top());
}

void TForm::SetBorderStyle(TFormBorderStyle style) {
  if (style == FBorderStyle) return;
  const int cw = ClientWidth(), ch = ClientHeight();
  FBorderStyle = style;
  SetNonClientInsets(FrameInsets(style));
  SetClientSize(cw, ch);
}

void TForm::Resize() {
  FBuffer.SetLogicalSize(ClientWidth(), ClientHeight(), FWindow ? FWindow->Scale() : FBuffer.Scale());
  if (FWindow && !FHostResizing) FWindow->SetClientSize(ClientWidth(), ClientHeight());
  auto alive = Watch();
  TCustomControl::Resize();
  if (!alive) return;
  // The host may still refer to the old pixels: present the new buffer before anything else.
  InvalidateRect(ClientRect());
  PaintPending();
}

void TForm::SetTopMost(bool topMost) {
  if (topMost == FTopMost) return;
  FTopMost = topMost;
  if (FWindow) FWindow->SetTopMost(topMost);
}

void TForm::SetTitleUtf8(std::string_view title) {
  FTitleUtf8 = std::string(title);
  FTitleAnsi = Utf8ToAnsi(title);
  // The same caption calls no TextChanged: the desktop is told here.
  if (Caption() != FTitleAnsi)
    SetCaption(FTitleAnsi);
  else if (FWindow)
    FWindow->SetTitle(TitleUtf8());
}

std::string TForm::TitleUtf8() const {
  return !FTitleUtf8.empty() && Caption() == FTitleAnsi ? FTitleUtf8 : AnsiToUtf8(Caption());
}

void TForm::TextChanged() {
  if (FWindow) FWindow->SetTitle(TitleUtf8());
}

void TForm::CreateHostWindow() {
  if (FWindow) return;
  if (!Application) throw EInvalidOperation("No application object: cannot show form '" + Name() + "'");
  THostWindowParams params;
  params.Title = TitleUtf8();
  params.Left = Left();
  params.Top = Top();
  params.ClientWidth = ClientWidth();
  params.ClientHeight = ClientHeight();
  params.BorderStyle = FBorderStyle;
  params.BorderIcons = FBorderIcons;
  params.Modal = FModal;
  params.Icon = FIcon.get();
  if (TForm* main = Application->MainForm(); main && main != this) params.Owner = main->HostWindow();
  FWindow = Application->Host().CreateWindow(params, *this);
  FBuffer.SetLogicalSize(ClientWidth(), ClientHeight(), FWindow->Scale());
  if (FTopMost) FWindow->SetTopMost(true);
}

void TForm::CenterOnScreen() {
  TScopedChange hostResizing(FHostResizing, true);
  if (FWindow) {
    FWindow->CenterOnScreen();
    const TPoint p = FWindow->Position();
    SetBounds(p.X, p.Y, Width(), Height());
  } else if (Application) {
    const TSize screen = Application->Host().ScreenSize();
    SetBounds((screen.Width - Width()) / 2, (screen.Height - Height()) / 2, Width(), Height());
  }
}

void TForm::Show() {
  if (Visible()) {
    if (FWindow) FWindow->Activate();
    if (Application) Application->ActivateForm(this);
    return;
  }
  SetVisible(true);
}

void TForm::Hide() { SetVisible(false); }

void TForm::VisibleChanged() {
  TCustomControl::VisibleChanged();
  auto alive = Watch();
  if (Visible()) {
    CreateHostWindow();
    if (!FWasShown && FPosition == poScreenCenter) CenterOnScreen();
    FWasShown = true;
    FireEvent(OnShow, this);
    if (!alive || !Visible()) return;
    FDirty.assign(1, ClientRect());
    PaintPending();
    FWindow->Show();
    AccNotify(aeWindowShown);
    if (!alive || !Visible()) return;
    if (Application) Application->ActivateForm(this);
  } else {
    FireEvent(OnHide, this);
    if (!alive) return;
    if (FWindow) FWindow->Hide();
    FDirty.clear();
    if (Application) Application->FormHidden(this);
  }
}

bool TForm::Active() const { return Application && Application->ActiveForm() == this; }

// The modal state of a form for the length of its loop. Whatever ends the loop (a result, an error,
// the form being freed), the state is undone and the form that was active before is activated again.
class TForm::TModalScope {
 public:
  [[nodiscard]] TModalScope(TForm& form, TForm* previous)
      : FForm(form),
        FFormAlive(form.Watch()),
        FPrevious(previous),
        FPreviousAlive(previous ? previous->Watch() : TAliveToken::TWatch(nullptr)) {
    form.FModalResult = mrNone;
    form.FModal = true;
    Application->PushModal(&form);
  }
  TModalScope(const TModalScope&) = delete;
  TModalScope& operator=(const TModalScope&) = delete;

  // Runs while an error may be on its way out: a handler failing here is reported, never thrown.
  ~TModalScope() {
    if (!Application) return;
    if (FFormAlive) {
      // Hidden while still modal, so that hiding does not pick another form to activate.
      ReportErrors([&] {
        if (FForm.Visible()) FForm.SetVisible(false);
      });
    }
    if (FFormAlive) {
      FForm.FModal = false;
      if (FForm.FWindow) FForm.FWindow->SetModal(false, nullptr);
    }
    if (!Application) return;
    Application->PopModal(&FForm);
    if (FPrevious && FPreviousAlive && FPrevious->Visible()) {
      if (FPrevious->FWindow) FPrevious->FWindow->Activate();
      ReportErrors([&] { Application->ActivateForm(FPrevious); });
    }
  }

  const TAliveToken::TWatch& FormAlive() const { return FFormAlive; }

 private:
  TForm& FForm;
  TAliveToken::TWatch FFormAlive;
  TForm* FPrevious;
  TAliveToken::TWatch FPreviousAlive;
};

int TForm::ShowModal() {
  if (FModal) throw EInvalidOperation("Form '" + Name() + "' is already shown modally");
  if (Visible()) throw EInvalidOperation("Cannot make a visible window modal");
  if (!Application) throw EInvalidOperation("No application object: cannot show form '" + Name() + "'");
  TApplication& app = *Application;
  TForm* previous = app.ActiveForm();
  TModalScope scope(*this, previous);
  const TAliveToken::TWatch& alive = scope.FormAlive();

  CreateHostWindow();
  FWindow->SetModal(true, previous ? previous->HostWindow() : nullptr);
  Show();
  // The result is looked at before waiting, so that one set while showing ends the loop at once.
  while (alive) {
    if (app.Terminated()) FModalResult = mrCancel;
    if (FModalResult != mrNone) {
      EndModal();
      if (!alive || FModalResult != mrNone) break;
    }
    app.HandleMessage();
  }
  return alive ? FModalResult : mrCancel;
}

void TForm::EndModal() {
  auto alive = Watch();
  TCloseAction action = caNone;
  if (CloseQuery()) {
    if (!alive) return;
    action = caHide;
    DoClose(action);
    if (!alive) return;
  }
  if (action == caNone)
    FModalResult = mrNone;
  else if (action == caFree)
    Release();
}

bool TForm::CloseQuery() {
  bool canClose = true;
  FireEvent(OnCloseQuery, this, canClose);
  return canClose;
}

void TForm::DoClose(TCloseAction& action) { FireEvent(OnClose, this, action); }

void TForm::Close() {
  if (FModal) {
    FModalResult = mrCancel;
    return;
  }
  auto alive = Watch();
  if (!CloseQuery() || !alive) return;
  TCloseAction action = caHide;
  DoClose(action);
  if (!alive || action == caNone) return;
  if (Application && Application->MainForm() == this) {
    Application->Terminate();
  } else if (action == caFree) {
    Release();
  } else {
    Hide();
  }
}

void TForm::Release() {
  if (Application) Application->ReleaseLater(this);
}

void TForm::SetActiveControl(TWinControl* control) {
  if (control == FActiveControl) return;
  if (control && control->Form() != this)
    throw EInvalidOperation("Control '" + control->Name() + "' is not on form '" + Name() + "'");
  if (Active() && control) {
    if (!control->CanFocus()) throw EInvalidOperation("Cannot focus a disabled or invisible window");
    FocusControl(control);
  } else {
    FActiveControl = control;
  }
}

void TForm::SelectFirst() {
  if (TWinControl* first = FindNextControl(nullptr, true, true)) {
    FocusControl(first);
  }
}

void TForm::RouteActivate() {
  // Activation comes from showing, from the end of a modal loop or from the host; an error of
  // one of the handlers it runs is reported like that of any other event and ends that step only.
  auto alive = Watch();
  ReportErrors([&] {
    if (FFocusedControl) FFocusedControl->Invalidate();
    if (FActiveControl && FActiveControl->CanFocus())
      FocusControl(FActiveControl);
    else
      SelectFirst();
  });
  if (!alive || (Application && Application->ShowingErrorReport())) return;
  ReportErrors([&] { FireEvent(OnActivate, this); });
}

void TForm::RouteDeactivate() {
  // Another window takes the input (a modal form opened by a press, say): a press in progress
  // here ends without its release, and the pointer is no longer over any of our controls.
  auto alive = Watch();
  if (TControl* pressed = std::exchange(FCaptureControl, nullptr)) {
    pressed->CancelPress();
    if (!alive) return;
  }
  UpdateHover(nullptr);
  if (!alive) return;
  // Its focused control no longer reports Focused(); let it paint so.
  if (FFocusedControl) FFocusedControl->Invalidate();
  if (Application && Application->ShowingErrorReport()) return;
  ReportErrors([&] { FireEvent(OnDeactivate, this); });
}

}  // namespace gui
