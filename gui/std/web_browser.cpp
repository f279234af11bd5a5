#include "gui/std/web_browser.h"

#include "gui/controls/application.h"
#include "gui/controls/form.h"
#include "gui/host.h"

namespace gui {

TWebBrowser::TWebBrowser(TComponent* owner) : TWinControl(owner) {
  SetParentColor(false);
  SetColor(clWindow);
  SetTabStop(true);
  SetControlStyle(ControlStyle().Exclude(csDoubleClicks));
}

TWebBrowser::~TWebBrowser() {
  // The view's callbacks point at this control; silence them before it goes.
  if (FView) {
    FView->OnFocusIn = nullptr;
    FView->OnTabOut = nullptr;
    FView->OnLoadFailed = nullptr;
  }
}

bool TWebBrowser::EnsureView() {
  if (FView) return true;
  TForm* form = Form();
  if (!form || !form->HostWindow() || !Application) return false;
  FView = Application->Host().CreateWebView(*form->HostWindow(), form->VisibleRectOf(this));
  FView->OnFocusIn = [this] { FocusedByPage(); };
  FView->OnTabOut = [this](bool forward) { TabOut(forward); };
  SyncView();
  if (Focused()) FView->SetFocused(true);
  return true;
}

void TWebBrowser::SyncView() {
  if (!FView) return;
  TForm* form = Form();
  const TRect rect = form ? form->VisibleRectOf(this) : TRect{};
  FView->SetBounds(rect);
  FView->SetVisible(Showing() && !rect.IsEmpty());
}

void TWebBrowser::Navigate(const std::string& address) {
  FLocation = address;
  if (!EnsureView()) throw EWebBrowserError("Cannot navigate to \"" + address + "\": the pane is not on screen");
  if (!FView->Navigate(address)) {
    const std::string reason = FView->NavigateError();
    throw EWebBrowserError(reason.empty() ? "Cannot navigate to \"" + address + "\"" : reason);
  }
}

bool TWebBrowser::WantsKey(std::uint16_t key, TShiftState shift) const {
  // Arrows belong to the page (they scroll it); Tab, Enter and Esc go to the form.
  if (key == VK_LEFT || key == VK_RIGHT || key == VK_UP || key == VK_DOWN) return true;
  return TWinControl::WantsKey(key, shift);
}

void TWebBrowser::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
  // Normally the page itself takes the click; this is the pane before its view exists.
  if (button == mbLeft && CanFocus() && !Focused()) SetFocus();
  TWinControl::MouseDown(button, shift, x, y);
}

namespace {
// The view calls from the host's own event handling, not through a form's input routing: an
// error of a focus handler is reported here, as the form would report it.
template <class F>
void Reported(F&& body) {
  try {
    body();
  } catch (...) {
    if (Application) Application->HandleException(std::current_exception());
  }
}
}  // namespace

void TWebBrowser::FocusedByPage() {
  Reported([this] {
    TForm* form = Form();
    if (form && !Focused() && CanFocus()) form->FocusControl(this);
  });
}

void TWebBrowser::TabOut(bool forward) {
  Reported([this, forward] {
    TForm* form = Form();
    if (!form || !Focused()) return;
    // With nothing else to take the focus it stays on the pane; the page gets it back.
    if (!form->SelectNext(this, forward, true) && FView) FView->SetFocused(true);
  });
}

void TWebBrowser::DoEnter() {
  if (EnsureView() && !FView->Focused()) FView->SetFocused(true);
  TWinControl::DoEnter();
}

void TWebBrowser::DoExit() {
  if (FView && FView->Focused()) FView->SetFocused(false);
  TWinControl::DoExit();
}

void TWebBrowser::Paint(TCanvas&) {
  // A move of the pane or of a parent repaints it; the view follows from here.
  if (EnsureView()) SyncView();
}

void TWebBrowser::Resize() {
  TWinControl::Resize();
  SyncView();
}

void TWebBrowser::VisibleChanged() {
  TWinControl::VisibleChanged();
  SyncView();
}

void TWebBrowser::ParentShowingChanged() {
  // The host's view is a window of its own: a hidden panel does not hide it by painting.
  TWinControl::ParentShowingChanged();
  SyncView();
}

}  // namespace gui
