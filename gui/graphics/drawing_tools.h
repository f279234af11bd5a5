#pragma once

#include "gui/graphics/color.h"

namespace gui {

enum TPenStyle { psSolid, psClear, psDot };
enum TBrushStyle { bsSolid, bsClear };

// psDot sets every other pixel along the line, starting with the first (the look of a focus box);
// the gaps keep what was there.
struct TPen {
  TColor Color = clBlack;
  int Width = 1;
  TPenStyle Style = psSolid;
  friend bool operator==(const TPen&, const TPen&) = default;
};

struct TBrush {
  TColor Color = clWhite;
  TBrushStyle Style = bsSolid;
  friend bool operator==(const TBrush&, const TBrush&) = default;
};

// Font measurements in pixels at the font's pixel size.
struct TFontMetrics {
  int Ascent = 0;
  int Descent = 0;
  int InternalLeading = 0;
  int Height = 0;              // cell height, Ascent + Descent; also the line height of text
  int AveCharWidth = 0;        // the font's own average width; tab stops are 8 of these
  int DialogAveCharWidth = 0;  // width of "A".."Z" + "a".."z" divided by 52, rounded
  friend bool operator==(const TFontMetrics&, const TFontMetrics&) = default;
};

}  // namespace gui
