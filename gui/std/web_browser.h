#pragma once

// The browser pane: a windowed control whose area the host's web view covers. The view is made
// the first time the pane is needed on a form that is on screen, and then follows the control's
// place, size and visibility. The pane shares the form's keyboard focus: focusing the control
// gives the page the keys, Tab past the page's last element moves on in the form's Tab order,
// and a click into the page focuses the control.

#include <memory>
#include <stdexcept>
#include <string>

#include "gui/controls/win_control.h"

namespace gui {

class THostWebView;

class EWebBrowserError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

class TWebBrowser : public TWinControl {
 public:
  explicit TWebBrowser(TComponent* owner);
  ~TWebBrowser() override;

  // Loads a local file path or an address without waiting for the page. A refused request
  // raises EWebBrowserError with the host's reason; so does a pane whose form is not on screen.
  void Navigate(const std::string& address);
  // The address last asked for (empty before the first navigation).
  const std::string& LocationURL() const { return FLocation; }
  // The host's view; null until the pane is first needed on a shown form.
  THostWebView* View() const { return FView.get(); }
  bool AccHostsView() const override { return true; }
  THostWebView* AccHostView() const override { return View(); }

  bool WantsKey(std::uint16_t key, TShiftState shift) const override;

 protected:
  void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
  void DoEnter() override;
  void DoExit() override;
  void Paint(TCanvas& canvas) override;
  void Resize() override;
  void VisibleChanged() override;
  void ParentShowingChanged() override;

 private:
  // Makes the host's view when the form has a window; returns whether there is one.
  bool EnsureView();
  // Places the view over the part of the control its parents leave visible.
  void SyncView();
  void TabOut(bool forward);
  void FocusedByPage();

  std::unique_ptr<THostWebView> FView;
  std::string FLocation;
};

}  // namespace gui
