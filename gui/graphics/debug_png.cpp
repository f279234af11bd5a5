#include "gui/graphics/debug_png.h"

namespace gui {

void SaveDebugPng(const TBitmap& bitmap, const std::string& path) {
  if (bitmap.Width() == 0 || bitmap.Height() == 0) {
    TBitmap(1, 1, clFuchsia).SaveToFile(path);
    return;
  }
  bitmap.SaveToFile(path);
}

}  // namespace gui
