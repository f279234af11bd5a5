#pragma once
// The hot-track ring and the custom-drawn check box square.

#include "widgets/paint/color_base.h"
#include "widgets/paint/draw_types.h"

namespace widgets {

// A two-pixel ring of the gradient just inside `rect`; the interior is left as it was. Palette
// displays (256 colours or fewer) get nothing, as a dithered gradient looks worse than none.
void PaintHotRing(TCanvas& canvas, const TRect& rect, TGradientDirection direction, TColor start, TColor stop);

enum TCheckGlyphState : std::uint8_t { cgsUnchecked = 0, cgsChecked = 1, cgsGrayed = 2 };
enum TCheckDrawState : std::uint8_t { cdsNormal = 0, cdsPressed = 1, cdsMouseOver = 2, cdsDisabled = 3 };
// Where the pointer shows: a gradient ring inside the square, or a thicker frame.
enum TCheckHotTrack : std::uint8_t { chtInterior = 0, chtFrame = 1 };

struct TCheckGlyphStyle {
  TColor FrameColor = clBtnShadow;
  TColor HotFrameColor = clBtnShadow;
  TColor HotHighlightColor = clBtnHighlight;
  TColor FillColor = clWindow;
  TColor FocusColor = clWindow;
  TColor DisabledColor = clBtnFace;
  TColor ReadOnlyColor = clBtnFace;
  TColor MarkColor = clBlack;
  TCheckHotTrack HotTrack = chtInterior;
  bool Focused = false;
  bool ReadOnly = false;
  bool ReadOnlyColorOnFocus = false;
};

// The square (usually 13 x 13): a one-pixel frame, the interior fill for the state, and the
// mark: a 21-pixel tick when checked, a solid block when grayed.
void PaintCheckGlyph(TCanvas& canvas, const TRect& rect, TCheckGlyphState check, TCheckDrawState draw,
                     const TCheckGlyphStyle& style);

}  // namespace widgets
