#pragma once
// See-through controls: showing the parent's image under a control, and repainting the
// see-through children of a container whose background changed.

#include <cstdint>

#include "widgets/color_base.h"

namespace gui {
class TControl;
class TWinControl;
}  // namespace gui

namespace widgets {

// Implemented by every widget that has a Transparent property, so containers can find the
// children that show their background.
class TTransparentProperty {
 public:
  virtual bool Transparent() const = 0;

 protected:
  ~TTransparentProperty() = default;
};

// Where a control wants its parent's image. The form paints back to front, so during a paint
// pass the parent, and everything else under the control, is already in the back buffer when
// the control is reached: the pass's own canvas needs nothing drawn, while an off-screen canvas
// whose (0, 0) stands for the control's client (0, 0) gets a copy of that part of the buffer.
enum TBackgroundTarget : std::uint8_t { btPaintPass, btOffscreen };

// Puts the parent's image under `control` on `canvas`. With `invalidateParent`, a parent that
// does not paint itself (neither a custom-drawn control nor a form) is invalidated as well, but
// only outside a paint pass: inside one it would only schedule the same pass again, for ever.
void PaintParentBackground(gui::TControl& control, TCanvas& canvas, TBackgroundTarget target,
                           bool invalidateParent);

// Invalidates each child of `container` whose Transparent property is set.
void InvalidateTransparentChildren(gui::TWinControl& container);

}  // namespace widgets
