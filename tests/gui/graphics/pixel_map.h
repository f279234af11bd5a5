#pragma once

#include <string>
#include <vector>

#include "gui/graphics/bitmap.h"

namespace gui::testing {

// One string per row: '#' for ink, '.' for paper, '?' for anything else.
inline std::vector<std::string> PixelMap(const TBitmap& b, TColor ink = clBlack, TColor paper = clWhite) {
  std::vector<std::string> rows;
  for (int y = 0; y < b.Height(); ++y) {
    std::string row;
    for (int x = 0; x < b.Width(); ++x) {
      const TColor c = b.GetPixel(x, y);
      row += c == ColorToRGB(ink) ? '#' : c == ColorToRGB(paper) ? '.' : '?';
    }
    rows.push_back(row);
  }
  return rows;
}

inline int CountColor(const TBitmap& b, TColor c) {
  int n = 0;
  for (int y = 0; y < b.Height(); ++y)
    for (int x = 0; x < b.Width(); ++x) n += b.GetPixel(x, y) == ColorToRGB(c);
  return n;
}

}  // namespace gui::testing
