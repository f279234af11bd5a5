// Only the bitmap header: a user that never draws must be able to make, copy and move bitmaps
// without knowing the canvas type.
#include "gui/graphics/bitmap.h"

#include <gtest/gtest.h>

#include <utility>

namespace gui {
namespace {

TEST(BitmapHeader, UsableWithoutTheCanvasHeader) {
  TBitmap empty;
  TBitmap filled(3, 2, clRed);
  TBitmap copy(filled);
  empty = std::move(copy);
  EXPECT_EQ(empty.Width(), 3);
  EXPECT_EQ(empty.GetPixel(2, 1), clRed);
}

}  // namespace
}  // namespace gui
