#include "platform/gtk/presenter.h"

#include <cairo.h>

#include <algorithm>
#include <cmath>

namespace platform::gtk {

namespace {

// The clip of `cr` as whole logical pixels; the whole buffer when it is no list of rectangles.
std::vector<TPixelRect> ClipRectangles(cairo_t* cr, const TPixelView& view) {
  std::vector<TPixelRect> rects;
  cairo_rectangle_list_t* list = cairo_copy_clip_rectangle_list(cr);
  if (list->status == CAIRO_STATUS_SUCCESS) {
    for (int i = 0; i < list->num_rectangles; ++i) {
      const cairo_rectangle_t& r = list->rectangles[i];
      const int left = static_cast<int>(std::floor(r.x)), top = static_cast<int>(std::floor(r.y));
      const int right = static_cast<int>(std::ceil(r.x + r.width)),
                bottom = static_cast<int>(std::ceil(r.y + r.height));
      rects.push_back({left, top, right - left, bottom - top});
    }
  } else {
    rects.push_back({0, 0, view.Width / view.Scale, view.Height / view.Scale});
  }
  cairo_rectangle_list_destroy(list);
  return rects;
}

}  // namespace

std::vector<TPixelRect> BufferPieces(const std::vector<TPixelRect>& clip, const TPixelView& view, int maxPixels) {
  std::vector<TPixelRect> pieces;
  const int s = std::max(view.Scale, 1);
  for (const TPixelRect& r : clip) {
    const int left = std::max(r.X * s, 0), top = std::max(r.Y * s, 0);
    const int right = std::min((r.X + r.Width) * s, view.Width),
              bottom = std::min((r.Y + r.Height) * s, view.Height);
    if (right <= left || bottom <= top) continue;
    const int width = right - left;
    const int rows = std::max(maxPixels / width / s * s, s);
    for (int y = top; y < bottom; y += rows) pieces.push_back({left, y, width, std::min(rows, bottom - y)});
  }
  return pieces;
}

void PresentBuffer(cairo_t* cr, const TPixelView& view, const std::function<void()>& betweenUploads) {
  if (view.Pixels == nullptr || view.Width <= 0 || view.Height <= 0) return;
  // RGB24 ignores the top byte; ARGB32 would read it as premultiplied alpha and darken the canvas.
  cairo_surface_t* surface =
      cairo_image_surface_create_for_data(reinterpret_cast<unsigned char*>(view.Pixels), CAIRO_FORMAT_RGB24,
                                          view.Width, view.Height, view.StrideBytes);
  cairo_surface_set_device_scale(surface, view.Scale, view.Scale);
  cairo_save(cr);
  cairo_set_operator(cr, CAIRO_OPERATOR_SOURCE);
  cairo_set_source_surface(cr, surface, 0, 0);
  cairo_pattern_set_filter(cairo_get_source(cr), CAIRO_FILTER_NEAREST);
  // The pieces go in batches of at most kPiecePixels, each batch one fill: one upload for the
  // many small parts an entry repaints, a wait for the server between batches of a large paint.
  int drawn = 0;  // pixels in the batch being gathered
  for (const TPixelRect& p : BufferPieces(ClipRectangles(cr, view), view, kPiecePixels)) {
    if (drawn > 0 && drawn + p.Width * p.Height > kPiecePixels) {
      cairo_fill(cr);
      if (betweenUploads) betweenUploads();
      drawn = 0;
    }
    drawn += p.Width * p.Height;
    cairo_rectangle(cr, double(p.X) / view.Scale, double(p.Y) / view.Scale, double(p.Width) / view.Scale,
                    double(p.Height) / view.Scale);
  }
  cairo_fill(cr);
  cairo_restore(cr);
  cairo_surface_destroy(surface);
}

}  // namespace platform::gtk
