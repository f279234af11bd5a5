#pragma once

// A windowed control that paints itself: the erase step (EraseBackground) fills the client area,
// then Paint draws the rest on the canvas it is handed.

#include "gui/controls/win_control.h"

namespace gui {

class TCustomControl : public TWinControl {
 public:
  explicit TCustomControl(TComponent* owner);

  TPaintEvent OnPaint;

 protected:
  void Paint(TCanvas& canvas) override;
};

}  // namespace gui
