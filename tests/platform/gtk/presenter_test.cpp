#include "platform/gtk/presenter.h"

#include <cairo.h>
#include <gtest/gtest.h>

#include <vector>

namespace platform::gtk {
namespace {

// A cairo image target, optionally with a device scale as GDK gives a window on a scaled display.
struct TTarget {
  TTarget(int width, int height, int scale) {
    Surface = cairo_image_surface_create(CAIRO_FORMAT_RGB24, width * scale, height * scale);
    cairo_surface_set_device_scale(Surface, scale, scale);
    Cr = cairo_create(Surface);
    cairo_set_source_rgb(Cr, 0, 0, 1);
    cairo_paint(Cr);
  }
  ~TTarget() {
    cairo_destroy(Cr);
    cairo_surface_destroy(Surface);
  }
  std::uint32_t Pixel(int x, int y) {
    cairo_surface_flush(Surface);
    const auto* row = cairo_image_surface_get_data(Surface) + y * cairo_image_surface_get_stride(Surface);
    return reinterpret_cast<const std::uint32_t*>(row)[x] & 0xFFFFFF;
  }
  cairo_surface_t* Surface;
  cairo_t* Cr;
};

// 3 x 2 pixels; the top bytes hold junk that an opaque canvas must ignore.
std::vector<std::uint32_t> Buffer() {
  return {0x12FF0000, 0x0000FF00, 0x80123456, 0xFF000000, 0x00FFFFFF, 0x7F808080};
}

TEST(Presenter, ShowsTheBufferExactlyAndOpaque) {
  auto pixels = Buffer();
  TTarget target(3, 2, 1);
  PresentBuffer(target.Cr, {pixels.data(), 3, 2, 12});
  for (int y = 0; y < 2; ++y)
    for (int x = 0; x < 3; ++x) EXPECT_EQ(target.Pixel(x, y), pixels[y * 3 + x] & 0xFFFFFF) << x << "," << y;
}

TEST(Presenter, IntegerScaleEnlargesEachPixelToASharpSquare) {
  auto pixels = Buffer();
  TTarget target(3, 2, 2);
  PresentBuffer(target.Cr, {pixels.data(), 3, 2, 12});
  for (int y = 0; y < 4; ++y)
    for (int x = 0; x < 6; ++x)
      EXPECT_EQ(target.Pixel(x, y), pixels[(y / 2) * 3 + x / 2] & 0xFFFFFF) << x << "," << y;
}

TEST(Presenter, TouchesOnlyTheDirtyArea) {
  auto pixels = Buffer();
  TTarget target(3, 2, 2);
  cairo_rectangle(target.Cr, 1, 0, 1, 1);
  cairo_clip(target.Cr);
  PresentBuffer(target.Cr, {pixels.data(), 3, 2, 12});
  EXPECT_EQ(target.Pixel(2, 0), 0x00FF00u);
  EXPECT_EQ(target.Pixel(3, 1), 0x00FF00u);
  EXPECT_EQ(target.Pixel(1, 0), 0x0000FFu) << "left of the dirty area";
  EXPECT_EQ(target.Pixel(2, 2), 0x0000FFu) << "below the dirty area";
}

}  // namespace
}  // namespace platform::gtk
