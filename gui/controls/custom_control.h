#pragma once

// A windowed control that paints itself: the erase step (EraseBackground) fills the client area,
// then Paint draws the rest on Canvas().

#include "gui/controls/win_control.h"

namespace gui {

class TCustomControl : public TWinControl {
 public:
  explicit TCustomControl(TComponent* owner);

  using TControl::Canvas;
  TNotifyEvent OnPaint;

 protected:
  void Paint() override;
};

}  // namespace gui
