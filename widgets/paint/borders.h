#pragma once
// Composite borders: the layered border of panels, borders and labels, and the two-pixel
// non-client frame of entry fields.

#include "widgets/paint/color_base.h"
#include "widgets/paint/draw_types.h"

namespace widgets {

// Everything that decides how a border stack looks, as the owning control holds it.
struct TBorderStackStyle {
  TFrameStyleEx OuterStyle = fsNone;
  TFrameStyleEx InnerStyle = fsNone;
  int BorderWidth = 0;  // passes of BorderColor between the outer and the inner style
  TSides Sides = AllSides;
  int BevelWidth = 1;  // passes of the fsStatus and fsPopup bevels
  TColor BorderColor = clBtnFace;
  TColor HighlightColor = clBtnHighlight;
  TColor ShadowColor = clBtnShadow;
  TColor FlatColor = clBtnShadow;
  int FlatColorAdjustment = 0;  // luminance shift of FlatColor
  TColor ControlColor = clBtnFace;
  TColor ParentColor = clBtnFace;
  bool Transparent = false;
  bool CutCorners = false;  // an inner fsFlat leaves its four corner pixels out
};

// Outer style, then the border band, then the inner style; returns the area inside all of them.
TRect PaintBorderStack(TCanvas& canvas, const TRect& rect, const TBorderStackStyle& style);

// The frame band of an entry field over its whole window (0, 0, width, height). Unless the band
// is kept, it is first cleared in the field colour. A field on the plain window colour gets the
// system frame; any other field colour gets the frame in shades of that colour.
void PaintFieldFrame(TCanvas& canvas, int width, int height, bool keepBand, TSides sides, TColor frameColor,
                     TColor fieldColor, TFrameStyle style);

}  // namespace widgets
