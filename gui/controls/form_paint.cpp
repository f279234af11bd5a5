// The form's paint pass: dirty rectangles collected by Invalidate are painted back to front into
// the back buffer, clipped to exactly their union, and that union, not its bounding box, is
// handed to the host: an entry that changes a few labels across the window sends only them.

#include "gui/controls/form.h"
#include "gui/controls/rect_list.h"
#include "gui/controls/scoped_change.h"

namespace gui {

TRect TForm::VisibleRectOf(const TControl* control) const { return VisibleRectOf(control, control->RectInForm()); }

TRect TForm::VisibleRectOf(const TControl* control, TRect r) const {
  for (const TWinControl* p = control->Parent(); p && p != this; p = p->Parent()) {
    const TPoint o = p->ClientOriginInForm();
    r = IntersectRect(r, Bounds(o.X, o.Y, p->ClientWidth(), p->ClientHeight()));
  }
  return IntersectRect(r, ClientRect());
}

void TForm::InvalidateRect(const TRect& rect) {
  if (!Showing()) return;
  AddDirtyRect(FDirty, IntersectRect(rect, ClientRect()));
}

void TForm::UpdateRect(const TRect& rect) {
  if (FPainting || !Showing() || FDirty.empty()) return;
  std::vector<TRect> todo;
  std::vector<TRect> rest;
  for (const TRect& d : FDirty) {
    const TRect part = IntersectRect(d, rect);
    if (!part.IsEmpty()) todo.push_back(part);
    SubtractRect(d, rect, rest);
  }
  if (todo.empty()) return;
  // Only the pending parts inside rect are painted now; the rest waits for the idle pass.
  FDirty.swap(todo);
  PaintPending();
  for (const TRect& r : rest) AddDirtyRect(FDirty, r);
}

void TForm::PaintPending() {
  if (FPainting || !Showing() || FDirty.empty()) return;
  std::vector<TRect> todo;
  todo.swap(FDirty);
  TRect bounds;
  for (const TRect& r : todo) bounds = UnionRect(bounds, r);

  TScopedChange painting(FPainting, true);

  TCanvas& canvas = BufferCanvas();
  {
    TCanvasSaver saver(canvas);
    canvas.ResetClip();
    canvas.SetOrigin({0, 0});
    canvas.IntersectClipRect(bounds);
    if (todo.size() > 1)
      for (const TRect& gap : UncoveredParts(bounds, todo)) canvas.ExcludeClipRect(gap);
    PaintTree(canvas, todo);
  }
  if (FWindow) FWindow->Present(FBuffer, DisjointParts(todo));
}

}  // namespace gui
