#pragma once

// The classic one-pixel bevel strokes that buttons, panels and the entry's border band are made of.

#include <initializer_list>

#include "gui/graphics/canvas.h"

namespace gui {

// One ring: its upper-left colour and its lower-right colour.
struct TBevelRing {
  TColor TopLeft;
  TColor BottomRight;
};

// Draws `width` rings of the two colours just inside rect and shrinks rect past them. The upper-left
// colour covers the top row and the left column except their far ends; the top-right and
// bottom-left corner pixels belong to the lower-right colour.
void Frame3D(TCanvas& canvas, TRect& rect, TColor topLeft, TColor bottomRight, int width = 1);

// Rings from the outside in, one pixel each.
void DrawRings(TCanvas& canvas, TRect& rect, std::initializer_list<TBevelRing> rings);

}  // namespace gui
