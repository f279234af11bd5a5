#pragma once

// The headless stand-in for a browser pane: it records where it lies, whether it is shown and
// focused, and every address it is sent to; tests act as the page would (a click into it, Tab
// past its last element).

#include <string>

#include "gui/graphics/geometry.h"
#include "gui/host.h"

namespace platform::headless {

class THeadlessHost;

class THeadlessWebView : public gui::THostWebView {
 public:
  THeadlessWebView(THeadlessHost& host, const gui::TRect& rect);
  ~THeadlessWebView() override;

  void SetBounds(const gui::TRect& rect) override { FBounds = rect; }
  void SetVisible(bool visible) override { FVisible = visible; }
  bool Navigate(std::string_view uri) override;
  std::string NavigateError() const override { return FError; }
  void SetFocused(bool focused) override { FFocused = focused; }
  bool Focused() const override { return FFocused; }

  const gui::TRect& Bounds() const { return FBounds; }
  bool Visible() const { return FVisible; }
  // The address of the last navigation that was started.
  const std::string& Address() const { return FAddress; }

  // The user clicks into the page: it takes the keyboard focus.
  void ClickIntoPage();
  // Tab or Shift+Tab leaves the page past its last or first focusable element.
  void TabOutOfPage(bool forward);

 private:
  THeadlessHost& FHost;
  gui::TRect FBounds;
  std::string FAddress;
  std::string FError;
  bool FVisible = true;
  bool FFocused = false;
};

}  // namespace platform::headless
