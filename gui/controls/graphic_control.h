#pragma once

// A control without a window of its own: its parent paints it, on the parent's surface and
// clipped to the control, after the parent's own background.

#include "gui/controls/control.h"

namespace gui {

class TGraphicControl : public TControl {
 public:
  explicit TGraphicControl(TComponent* owner);

  TPaintEvent OnPaint;

 protected:
  void Paint(TCanvas& canvas) override;
};

}  // namespace gui
