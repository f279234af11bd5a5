#pragma once

#include "gui/host.h"
#include "platform/gtk/web_view.h"

#include <memory>
#include <string>

namespace platform::gtk {

class TGtkWindow;

// The browser pane of a form: a TWebView over the form's canvas, created once the form has shown
// its first frame so that the engine's start-up does not delay the window.
class TGtkWebView : public gui::THostWebView {
 public:
  TGtkWebView(TGtkWindow& window, const gui::TRect& rect);

  void SetBounds(const gui::TRect& rect) override;
  void SetVisible(bool visible) override;
  bool Navigate(std::string_view uri) override;
  std::string NavigateError() const override { return FNavigateError; }
  void SetFocused(bool focused) override { FView->SetFocused(focused); }
  bool Focused() const override { return FView->Focused(); }

  TWebView& View() { return *FView; }

 private:
  std::unique_ptr<TWebView> FView;
  std::string FNavigateError;
  std::shared_ptr<bool> FAlive = std::make_shared<bool>(true);
};

}  // namespace platform::gtk
