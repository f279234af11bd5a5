#include "gui/std/bevel.h"

namespace gui {

void Frame3D(TCanvas& canvas, TRect& rect, TColor topLeft, TColor bottomRight, int width) {
  TCanvasSaver saver(canvas);
  canvas.Brush.Style = bsSolid;
  for (int i = 0; i < width && !rect.IsEmpty(); ++i) {
    const TRect& r = rect;
    canvas.Brush.Color = topLeft;
    canvas.FillRect({r.Left, r.Top, r.Right - 1, r.Top + 1});
    canvas.FillRect({r.Left, r.Top, r.Left + 1, r.Bottom - 1});
    canvas.Brush.Color = bottomRight;
    canvas.FillRect({r.Right - 1, r.Top, r.Right, r.Bottom});
    canvas.FillRect({r.Left, r.Bottom - 1, r.Right, r.Bottom});
    rect = rect.Inflate(-1, -1);
  }
}

void DrawRings(TCanvas& canvas, TRect& rect, std::initializer_list<TBevelRing> rings) {
  for (const TBevelRing& ring : rings) Frame3D(canvas, rect, ring.TopLeft, ring.BottomRight);
}

}  // namespace gui
