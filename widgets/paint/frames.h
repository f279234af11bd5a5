#pragma once
// One-pixel strokes, bevels and the frame styles every widget border is made of.
//
// Each painter takes a rectangle (right and bottom exclusive) and hands back what remains inside
// the lines it drew, so borders are built by chaining painters. Lines take the canvas pen; the
// pen is left in the last colour used. An empty rectangle paints nothing but is still inset,
// so a chain on a collapsed control stays harmless.

#include <cstdint>

#include "gui/graphics/canvas.h"
#include "widgets/paint/color_base.h"
#include "widgets/paint/draw_types.h"

namespace widgets {

// What each frame style is made of, one row per style in TFrameStyleEx order. Every frame painter
// and every question about how far a frame reaches in read these rows.
enum TFrameShape : std::uint8_t {
  fkNothing,  // no lines
  fkOnePass,  // one StrokeSides pass in the first pass's colours
  fkDouble,   // two nested one-pixel passes, the first outside
  fkEtched,   // a double line that ends square where a chosen side meets an unchosen one
  fkRounded,  // the cut-corner outline of StrokeRoundedBox, drawn by the border stack only
};

// The band a shape paints on each chosen side.
constexpr int ShapeWidth(TFrameShape shape) { return shape == fkNothing ? 0 : shape == fkOnePass ? 1 : 2; }

enum TFrameWidthRule : std::uint8_t {
  fwShape,       // the band of the shape
  fwBevelWidth,  // the shape once per bevel width; the painters that have no bevel width draw it once
};

struct TFramePass {
  TColor UpperLeft = clNone;
  TColor LowerRight = clNone;
};

// Luminance shifts of the base colour of PaintColorFrameStyle: below 0 darkens, above lightens.
struct TShadedPass {
  std::int8_t UpperLeft = 0;
  std::int8_t LowerRight = 0;
};

struct TFrameStyleRow {
  TFrameShape Shape;
  TFramePass System[2];  // outer and inner pass; one pass and etched lines read the first only
  TShadedPass Shaded[2];
  TFrameWidthRule WidthRule;
};

// The etched lines hold their outer colour in UpperLeft and their inner one in LowerRight.
inline constexpr TFrameStyleRow FrameStyleRows[FrameStyleExCount] = {
    // fsNone
    {fkNothing, {}, {}, fwShape},
    // fsFlat
    {fkOnePass, {{cl3DDkShadow, cl3DDkShadow}}, {{-50, -50}}, fwShape},
    // fsGroove
    {fkEtched, {{clBtnShadow, clBtnHighlight}}, {{-50, 100}}, fwShape},
    // fsBump
    {fkEtched, {{clBtnHighlight, clBtnShadow}}, {{100, -50}}, fwShape},
    // fsLowered
    {fkDouble, {{clBtnShadow, clBtnHighlight}, {cl3DDkShadow, cl3DLight}}, {{-50, 100}, {-100, 50}}, fwShape},
    // fsButtonDown
    {fkDouble, {{clBtnText, clBtnText}, {clBtnShadow, clBtnShadow}}, {{-100, -100}, {-50, -50}}, fwShape},
    // fsRaised
    {fkDouble, {{cl3DLight, cl3DDkShadow}, {clBtnHighlight, clBtnShadow}}, {{50, -100}, {100, -50}}, fwShape},
    // fsButtonUp
    {fkDouble, {{clBtnHighlight, cl3DDkShadow}, {cl3DLight, clBtnShadow}}, {{100, -100}, {40, -50}}, fwShape},
    // fsStatus
    {fkOnePass, {{clBtnShadow, clBtnHighlight}}, {{-50, 100}}, fwBevelWidth},
    // fsPopup
    {fkOnePass, {{clBtnHighlight, clBtnShadow}}, {{100, -50}}, fwBevelWidth},
    // fsFlatBold
    {fkDouble, {{clBtnShadow, clBtnShadow}, {clBtnShadow, clBtnShadow}}, {{-50, -50}, {-50, -50}}, fwShape},
    // fsFlatRounded
    {fkRounded, {}, {}, fwShape},
};

// How far a style reaches in from each side it is drawn on, in the border stack with `bevelWidth`
// and in the plain painters with the default. Styles out of range draw nothing and take nothing;
// so does a bevel of no lines.
constexpr int FrameStyleWidth(TFrameStyleEx style, int bevelWidth = 1) {
  if (style >= FrameStyleExCount) return 0;
  const TFrameStyleRow& row = FrameStyleRows[style];
  if (row.WidthRule == fwShape) return ShapeWidth(row.Shape);
  return bevelWidth > 0 ? ShapeWidth(row.Shape) * bevelWidth : 0;
}

// Left line, top line in `upperLeft`, then right and bottom in `lowerRight` (so those two own the
// top-right and bottom-left corners). clNone leaves a pair out but the sides are inset anyway.
TRect StrokeSides(TCanvas& canvas, const TRect& rect, TColor upperLeft, TColor lowerRight,
                  TSides sides = AllSides);

// `count` nested StrokeSides passes with a one-pixel pen.
TRect StrokeBevel(TCanvas& canvas, const TRect& rect, TColor upperLeft, TColor lowerRight, int count,
                  TSides sides = AllSides);

// A frame in the system colours. fsFlatRounded is drawn by StrokeRoundedBox, not here: for it
// this paints nothing and hands the rectangle back as it came.
TRect PaintFrameStyle(TCanvas& canvas, const TRect& rect, TFrameStyleEx style, TSides sides = AllSides);

// The same shapes in shades of one base colour (fsFlatRounded again left to StrokeRoundedBox).
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
