#include "gui/graphics/canvas.h"
#include "gui/graphics/text.h"

namespace gui {

// Temporary single-line body until the layout engine lands.
int DrawText(TCanvas& canvas, std::string_view text, TRect& rect, unsigned flags) {
  const TSize size = canvas.TextExtent(text);
  if (flags & DT_CALCRECT) {
    rect.Right = rect.Left + size.Width;
    rect.Bottom = rect.Top + size.Height;
    return size.Height;
  }
  canvas.DrawGlyphs(rect.Left, rect.Top, text);
  return size.Height;
}

}  // namespace gui
