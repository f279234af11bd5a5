#pragma once
// A frame on chosen sides of a rectangle and nothing else: the etched rules of the statistics
// tables. It never paints its inside, so the parent shows through everywhere but the lines.

#include "gui/controls/graphic_control.h"
#include "widgets/border_properties.h"

namespace widgets {

class TUiBorder : public gui::TGraphicControl, public TBorderProperties {
 public:
  explicit TUiBorder(gui::TComponent* owner);

  // The area inside the frame: the bounds less BorderWidth all round and, on each chosen side,
  // the widths of the outer and inner styles. An inside-out result is the empty (0, 0, 0, 0).
  TRect FrameClientRect() const;

  // Paints the frame with the border's top-left at the canvas origin.
  void PaintTo(TCanvas& canvas);

  // Only lines: nothing to tell a listener.
  gui::TAccRole AccRole() const override { return gui::arNone; }

 protected:
  void Paint(TCanvas& canvas) override;
  void BorderChanged(TBorderProperty property) override;
};

}  // namespace widgets
