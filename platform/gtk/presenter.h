#pragma once

#include <cstdint>
#include <functional>
#include <vector>

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

struct TPixelRect {
  int X = 0, Y = 0, Width = 0, Height = 0;
  bool operator==(const TPixelRect&) const = default;
};

// Paints the buffer at (0, 0) of `cr`, whose units are logical pixels. A buffer painted at the
// display's scale factor (the cairo target's device scale) is copied pixel for pixel; one of
// another scale is resampled to the nearest pixel. Only the clip of `cr` (the dirty area) is
// touched, and only its pixels are read: its pieces (BufferPieces) go up in batches of at most
// kPiecePixels, one fill each, and `betweenUploads`, when given, runs between two batches.
void PresentBuffer(cairo_t* cr, const TPixelView& view, const std::function<void()>& betweenUploads = {});

// cairo sends an image to an X server through a pool of shared memory, and takes a part of it
// again only once the server is done with it. Batches of this many pixels (1 MB), with a wait for
// the server between them, keep the pool that small instead of the size of the window; an
// entry's repaint, even at scale 2, is one batch and waits for nothing.
constexpr int kPiecePixels = 256 * 1024;

// The parts of the buffer, in buffer pixels, that painting `clip` (logical rectangles) reads: each
// rectangle cut to the buffer and into bands of whole logical rows of at most `maxPixels` pixels
// (a single logical row may be larger).
std::vector<TPixelRect> BufferPieces(const std::vector<TPixelRect>& clip, const TPixelView& view, int maxPixels);

}  // namespace platform::gtk
