#include "widgets/parent_background.h"

#include "gui/controls/custom_control.h"
#include "gui/controls/form.h"

namespace widgets {

void PaintParentBackground(gui::TControl& control, TCanvas& canvas, TBackgroundTarget target,
                           bool invalidateParent) {
  gui::TWinControl* parent = control.Parent();
  if (!parent) return;
  gui::TForm* form = control.Form();
  if (form && target == btOffscreen) {
    const TPoint origin = control.ClientOriginInForm();
    const TPoint parentOrigin = parent->ClientOriginInForm();
    const TRect source = gui::IntersectRect(
        gui::Bounds(origin.X, origin.Y, control.ClientWidth(), control.ClientHeight()),
        gui::Bounds(parentOrigin.X, parentOrigin.Y, parent->ClientWidth(), parent->ClientHeight()));
    if (!source.IsEmpty()) canvas.CopyRect(source.Offset(-origin.X, -origin.Y), form->BackBuffer(), source);
  }
  if (invalidateParent && !dynamic_cast<gui::TCustomControl*>(parent) && !(form && form->Painting()))
    parent->Invalidate();
}

void InvalidateTransparentChildren(gui::TWinControl& container) {
  for (int i = 0; i < container.ControlCount(); ++i) {
    gui::TControl* child = container.Controls(i);
    const auto* transparent = dynamic_cast<const TTransparentProperty*>(child);
    if (transparent && transparent->Transparent()) child->Invalidate();
  }
}

}  // namespace widgets
