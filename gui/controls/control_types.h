#pragma once

// Types shared by the control classes: event signatures, alignment, control style and state flags.

#include <cstdint>
#include <functional>
#include <utility>

#include "gui/host.h"

namespace gui {

class TComponent;
class TCanvas;

using TNotifyEvent = std::function<void(TComponent* sender)>;
using TMouseEvent = std::function<void(TComponent* sender, TMouseButton button, TShiftState shift, int x, int y)>;
using TMouseMoveEvent = std::function<void(TComponent* sender, TShiftState shift, int x, int y)>;
using TKeyEvent = std::function<void(TComponent* sender, std::uint16_t& key, TShiftState shift)>;
using TKeyPressEvent = std::function<void(TComponent* sender, char& key)>;
// Raised by a control's paint with the canvas of the paint pass, bound to the control.
using TPaintEvent = std::function<void(TComponent* sender, TCanvas& canvas)>;

// Calls a handler through a copy, so that a handler which frees the object holding it
// (or reassigns the handler) does not destroy the function while it runs.
template <class F, class... A>
void FireEvent(const F& handler, A&&... args) {
  if (handler) {
    F copy = handler;
    copy(std::forward<A>(args)...);
  }
}

enum TAlign : std::uint8_t { alNone, alTop, alBottom, alLeft, alRight, alClient };

enum TControlStyleFlag : std::uint32_t {
  csAcceptsControls = 1,  // may be a parent in a layout
  csCaptureMouse = 2,     // a press captures the pointer until the release
  csClickEvents = 4,      // the layer raises Click on a release inside after a left press
  csDoubleClicks = 8,     // a second quick press is a double click (otherwise another press)
  csOpaque = 16,          // paints every pixel of its bounds
  csSetCaption = 32,
};
using TControlStyle = TFlags<TControlStyleFlag>;

enum TComponentStateFlag : std::uint32_t { csLoading = 1, csDestroying = 2 };
using TComponentState = TFlags<TComponentStateFlag>;

enum TModalResult : int {
  mrNone = 0,
  mrOk = 1,
  mrCancel = 2,
  mrAbort = 3,
  mrRetry = 4,
  mrIgnore = 5,
  mrYes = 6,
  mrNo = 7,
  mrAll = 8,
  mrNoToAll = 9,
  mrYesToAll = 10
};

enum TCloseAction : std::uint8_t { caNone, caHide, caFree, caMinimize };
using TCloseEvent = std::function<void(TComponent* sender, TCloseAction& action)>;
using TCloseQueryEvent = std::function<void(TComponent* sender, bool& canClose)>;

enum TPosition : std::uint8_t { poDesigned, poScreenCenter };

}  // namespace gui
