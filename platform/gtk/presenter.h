#pragma once

#include <cstdint>

typedef struct _cairo cairo_t;

namespace platform::gtk {

// A form's back buffer as the host sees it: 32-bit pixels, 0x00RRGGBB in native byte order, which
// is the layout of an opaque cairo image, so the buffer is shown without copying.
struct TPixelView {
  std::uint32_t* Pixels = nullptr;
  int Width = 0;  // device pixels
  int Height = 0;
  int StrideBytes = 0;
  int Scale = 1;  // device pixels per logical pixel
};

// Paints the buffer at (0, 0) of `cr`, whose units are logical pixels. A buffer painted at the
// display's scale factor (the cairo target's device scale) is copied pixel for pixel; one of
// another scale is resampled to the nearest pixel. Only the clip of `cr` (the dirty area) is touched.
void PresentBuffer(cairo_t* cr, const TPixelView& view);

}  // namespace platform::gtk
