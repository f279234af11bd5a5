#pragma once
// Two-colour gradients in ten directions, shared by panels, buttons and the hot-track ring.

#include <cstdint>

#include "widgets/paint/color_base.h"
#include "widgets/paint/draw_types.h"

namespace widgets {

// Steps from one colour to another over a run of n lines, each channel in 16.16 fixed point
// advanced by a fixed step per line. Line 1 is already one step on from `from`; line n is
// exactly `to`. Colours are resolved RGB values.
class TColorRamp {
 public:
  TColorRamp(TColor from, TColor to, std::int64_t n);
  TColor At(std::int64_t line) const;

 private:
  std::int64_t FOrigin[3];
  std::int64_t FStep[3];
};

// Paints the gradient over `rect` (either corner order; a zero width or height paints nothing).
// System colours are resolved first; clNone for either colour paints nothing.
//  - gdHorizontalEnd/Center: the colour changes from row to row (centre: start at both edges,
//    stop on row h/2); gdVerticalEnd/Center the same across the columns.
//  - gdDiagonalDown: start at the top-left corner, stop at the bottom-right; gdDiagonalUp from
//    the bottom-left to the top-right.
//  - the box directions: concentric rectangles from start at the edge to stop at the centre,
//    with a flat centre of half the width (horizontal), half the height (vertical) or both (big).
void PaintGradientRect(TCanvas& canvas, const TRect& rect, TGradientDirection direction, TColor start,
                       TColor stop);

}  // namespace widgets
