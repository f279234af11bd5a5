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

TEST(Presenter, ReadsTheClipPieceByPieceCutToTheBuffer) {
  std::uint32_t pixel = 0;
  struct TCase {
    const char* Name;
    int Width, Height, Scale;  // the buffer, in device pixels
    std::vector<TPixelRect> Clip;
    int MaxPixels;
    std::vector<TPixelRect> Pieces;
  } cases[] = {
      {"one rectangle, whole", 10, 7, 1, {{2, 1, 5, 3}}, 1000, {{2, 1, 5, 3}}},
      {"in device pixels at scale 2", 20, 14, 2, {{2, 1, 5, 3}}, 1000, {{4, 2, 10, 6}}},
      {"cut to the buffer", 10, 7, 1, {{-2, 5, 20, 9}}, 1000, {{0, 5, 10, 2}}},
      {"outside the buffer", 10, 7, 1, {{10, 0, 4, 4}, {0, -5, 4, 5}}, 1000, {}},
      {"each rectangle of the clip", 10, 7, 1, {{0, 0, 2, 2}, {5, 4, 3, 3}}, 1000, {{0, 0, 2, 2}, {5, 4, 3, 3}}},
      {"bands of whole rows", 10, 7, 1, {{0, 0, 10, 7}}, 30, {{0, 0, 10, 3}, {0, 3, 10, 3}, {0, 6, 10, 1}}},
      {"bands of whole logical rows",
       20,
       14,
       2,
       {{0, 0, 10, 3}},
       70,
       {{0, 0, 20, 2}, {0, 2, 20, 2}, {0, 4, 20, 2}}},
      {"a logical row larger than a band", 20, 14, 2, {{0, 0, 10, 2}}, 10, {{0, 0, 20, 2}, {0, 2, 20, 2}}},
  };
  for (const TCase& c : cases) {
    const TPixelView view{&pixel, c.Width, c.Height, c.Width * 4, c.Scale};
    EXPECT_EQ(BufferPieces(c.Clip, view, c.MaxPixels), c.Pieces) << c.Name;
  }
}

// A buffer of `width` x `height` device pixels, no two neighbours alike.
std::vector<std::uint32_t> Pattern(int width, int height) {
  std::vector<std::uint32_t> pixels(static_cast<std::size_t>(width) * height);
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x)
      pixels[y * width + x] = static_cast<std::uint32_t>(x * 7919 + y * 104729) & 0xFFFFFF;
  return pixels;
}

TEST(Presenter, PiecesShowTheSamePixelsAsTheWholeBuffer) {
  // Larger than one piece; at scale 1, at 2, and a scale-2 buffer resampled onto a scale-1 target.
  struct TCase {
    int Logical, BufferScale, TargetScale;
  } cases[] = {{420, 1, 1}, {420, 2, 2}, {60, 2, 1}, {60, 1, 2}};
  for (const TCase& c : cases) {
    const int side = c.Logical * c.BufferScale;
    auto pixels = Pattern(side, side);
    const TPixelView view{pixels.data(), side, side, side * 4, c.BufferScale};
    TTarget whole(c.Logical, c.Logical, c.TargetScale), clipped(c.Logical, c.Logical, c.TargetScale);
    PresentBuffer(whole.Cr, view);
    // Two pieces of the clip, one of them across the band boundaries.
    cairo_rectangle(clipped.Cr, 3, 5, c.Logical - 10, c.Logical - 7);
    cairo_rectangle(clipped.Cr, 0, 0, 2, 1);
    cairo_clip(clipped.Cr);
    PresentBuffer(clipped.Cr, view);
    const int device = c.Logical * c.TargetScale, s = c.TargetScale;
    int wrong = 0;
    for (int y = 0; y < device; ++y)
      for (int x = 0; x < device; ++x) {
        const int lx = x / s, ly = y / s;
        const bool inside = (lx >= 3 && lx < c.Logical - 7 && ly >= 5 && ly < c.Logical - 2) || (lx < 2 && ly < 1);
        wrong += clipped.Pixel(x, y) != (inside ? whole.Pixel(x, y) : 0x0000FFu);
      }
    EXPECT_EQ(wrong, 0) << c.Logical << " at buffer scale " << c.BufferScale << ", target " << c.TargetScale;
  }
}

TEST(Presenter, WaitsBetweenUploadsOnlyOnceAPieceOfPixelsWasDrawn) {
  struct TCase {
    const char* Name;
    int Side;  // of the logical clip, from (0, 0)
    int Rectangles;
    int Waits;
  } cases[] = {
      {"one small rectangle", 40, 1, 0},
      {"many small rectangles, fewer pixels than a piece", 300, 30, 0},
      {"more than a piece in one rectangle", 600, 1, 1},
      {"more than four pieces", 1100, 1, 4},
  };
  static_assert(kPiecePixels == 256 * 1024, "the sides above are chosen for pieces of this size");
  for (const TCase& c : cases) {
    auto pixels = Pattern(c.Side, c.Side);
    TTarget target(c.Side, c.Side, 1);
    // Rows one apart, so that the clip keeps them as separate rectangles.
    for (int i = 0; i < c.Rectangles; ++i) {
      const int height = c.Rectangles == 1 ? c.Side : 1;
      cairo_rectangle(target.Cr, 0, 2 * i, c.Side, height);
    }
    cairo_clip(target.Cr);
    int waits = 0;
    PresentBuffer(target.Cr, {pixels.data(), c.Side, c.Side, c.Side * 4, 1}, [&] { ++waits; });
    EXPECT_EQ(waits, c.Waits) << c.Name;
  }
}

}  // namespace
}  // namespace platform::gtk
