#include "platform/gtk/presenter.h"

#include <cairo.h>

namespace platform::gtk {

void PresentBuffer(cairo_t* cr, const TPixelView& view) {
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
  cairo_rectangle(cr, 0, 0, double(view.Width) / view.Scale, double(view.Height) / view.Scale);
  cairo_fill(cr);
  cairo_restore(cr);
  cairo_surface_destroy(surface);
}

}  // namespace platform::gtk
