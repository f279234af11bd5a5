#pragma once

#include <cstdint>

typedef struct _cairo cairo_t;

namespace platform::gtk {

// A form's back buffer as the host sees it: 32-bit pixels, 0x00RRGGBB in native byte order, which
// is the layout of an opaque cairo image, so the buffer is shown without copying.
struct TPixelView {
  std::uint32_t* Pixels = nullptr;
  int Width = 0;
  int Height = 0;
  int StrideBytes = 0;
};

// Paints the buffer at (0, 0) of `cr` in logical pixels. On a display with an integer scale factor
// the cairo target carries that factor as its device scale; nearest sampling then enlarges every
// pixel to a crisp square instead of smoothing it. Only the clip of `cr` (the dirty area) is touched.
void PresentBuffer(cairo_t* cr, const TPixelView& view);

}  // namespace platform::gtk
