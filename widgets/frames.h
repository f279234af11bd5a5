#pragma once
// One-pixel strokes, bevels and the frame styles every widget border is made of.
//
// Each painter takes a rectangle (right and bottom exclusive) and hands back what remains inside
// the lines it drew, so borders are built by chaining painters. Lines take the canvas pen; the
// pen is left in the last colour used. An empty rectangle paints nothing but is still inset,
// so a chain on a collapsed control stays harmless.

#include <array>

#include "gui/graphics/canvas.h"
#include "widgets/color_base.h"
#include "widgets/draw_types.h"

namespace widgets {

// Colours of the left/top and the right/bottom lines of the one-line, bold and etched styles.
// Styles that draw two differently coloured passes keep their pairs with the painter.
extern const std::array<TColor, FrameStyleExCount> FrameUpperLeftColors;
extern const std::array<TColor, FrameStyleExCount> FrameLowerRightColors;

// How far each style insets the chosen sides.
extern const std::array<int, FrameStyleExCount> FrameStyleWidths;

// Left line, top line in `upperLeft`, then right and bottom in `lowerRight` (so those two own the
// top-right and bottom-left corners). clNone leaves a pair out but the sides are inset anyway.
TRect StrokeSides(TCanvas& canvas, const TRect& rect, TColor upperLeft, TColor lowerRight,
                  TSides sides = AllSides);

// `count` nested StrokeSides passes with a one-pixel pen.
TRect StrokeBevel(TCanvas& canvas, const TRect& rect, TColor upperLeft, TColor lowerRight, int count,
                  TSides sides = AllSides);

// A frame in the system colours. fsFlatRounded is drawn by StrokeRoundedBox, not here.
TRect PaintFrameStyle(TCanvas& canvas, const TRect& rect, TFrameStyleEx style, TSides sides = AllSides);

// The same shapes in shades of one base colour.
TRect PaintColorFrameStyle(TCanvas& canvas, const TRect& rect, TColor base, TFrameStyleEx style,
                           TSides sides = AllSides);

// A two-pixel button edge in shades of `base`, raised or pressed.
TRect PaintColorButtonEdge(TCanvas& canvas, const TRect& rect, TColor base, bool down, TSides sides = AllSides);

TRect StrokeBox(TCanvas& canvas, const TRect& rect, TColor color);

// Fills the rectangle with a solid brush of that colour; the brush keeps it afterwards.
void FillSolid(TCanvas& canvas, const TRect& rect, TColor color);

// Every second pixel of each edge in black, starting one pixel in from the edge's start.
TRect StrokeDottedBox(TCanvas& canvas, const TRect& rect);

// A one-pixel outline whose corners between two chosen sides are cut by a diagonal pixel.
// The result is inset by 2 on each chosen side.
TRect StrokeRoundedBox(TCanvas& canvas, const TRect& rect, TColor color, TSides sides = AllSides);

}  // namespace widgets
