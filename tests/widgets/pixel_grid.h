#pragma once
// Reading painted bitmaps as text: each pixel becomes the letter its colour has in a legend,
// so an expected picture can be written out in the test as rows of letters.

#include <map>
#include <string>
#include <string_view>

#include "gui/graphics/bitmap.h"
#include "gui/graphics/canvas.h"

namespace widgets::testing {

// A colour no painter produces by itself, for "untouched".
inline constexpr gui::TColor Untouched = 0xFF00FF;

using TLegend = std::map<gui::TColor, char>;

// Rows separated by '\n'; colours missing from the legend read as '?'. '.' is Untouched.
inline std::string Grid(const gui::TBitmap& bitmap, const TLegend& legend, gui::TRect area = {}) {
  if (area.IsEmpty()) area = bitmap.BoundsRect();
  std::string out;
  for (int y = area.Top; y < area.Bottom; ++y) {
    if (y > area.Top) out += '\n';
    for (int x = area.Left; x < area.Right; ++x) {
      const gui::TColor c = bitmap.GetPixel(x, y);
      if (c == Untouched) {
        out += '.';
        continue;
      }
      const auto it = legend.find(c);
      out += it == legend.end() ? '?' : it->second;
    }
  }
  return out;
}

// Drops the leading newline of a raw string literal picture.
inline std::string Picture(std::string_view text) {
  if (!text.empty() && text.front() == '\n') text.remove_prefix(1);
  return std::string(text);
}

inline gui::TBitmap Blank(int width, int height) { return gui::TBitmap(width, height, Untouched); }

// Every pixel outside `inside` still Untouched.
inline bool UntouchedOutside(const gui::TBitmap& bitmap, const gui::TRect& inside) {
  for (int y = 0; y < bitmap.Height(); ++y)
    for (int x = 0; x < bitmap.Width(); ++x)
      if (!inside.Contains({x, y}) && bitmap.GetPixel(x, y) != Untouched) return false;
  return true;
}

}  // namespace widgets::testing
