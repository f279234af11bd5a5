// The PNG loader on any bytes: it either refuses them with the graphics error or gives a bitmap
// that survives being saved and loaded again unchanged.

#include <cstdlib>
#include <span>

#include "gui/graphics/bitmap.h"
#include "gui/graphics/graphics_error.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  gui::TBitmap bitmap;
  try {
    bitmap.LoadFromMemory(std::span<const std::uint8_t>(data, size));
  } catch (const gui::EGraphicsError&) {
    if (bitmap.Width() != 0 || bitmap.Height() != 0) std::abort();  // a refused image leaves the bitmap as it was
    return 0;
  }
  if (bitmap.Width() <= 0 || bitmap.Height() <= 0) std::abort();
  gui::TBitmap again;
  again.LoadFromMemory(bitmap.SaveToMemory());
  if (again.Width() != bitmap.Width() || again.Height() != bitmap.Height()) std::abort();
  for (int y = 0; y < bitmap.Height(); ++y)
    for (int x = 0; x < bitmap.Width(); ++x)
      if (again.GetPixel(x, y) != bitmap.GetPixel(x, y)) std::abort();
  return 0;
}
