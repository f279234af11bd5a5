#pragma once
// The hot-track look of a push button: a shaded outer ring that blends into the parent, a
// one-pixel frame with cut corners, and a face that tells the state.

#include <cstdint>

#include "widgets/paint/color_base.h"
#include "widgets/paint/draw_types.h"

namespace widgets {

// The face states in the order in which they win over each other, disabled first.
enum TButtonFaceState : std::uint8_t { bfDisabled, bfPressed, bfHot, bfFocused, bfNormal };

struct TButtonFaceStyle {
  TButtonFaceState State = bfNormal;
  TColor Color = clBtnFace;        // the button's own colour
  TColor ParentColor = clBtnFace;  // the colour the outer ring shades from
  TColor FrameColor = gui::cl3DDkShadow;
  TColor HotTrackColor = 0x149BF0;
  TUiHotTrackColorType HotTrackColorType = htctActual;
  TColor HighlightColor = gui::clHighlight;
};

// Paints the whole button of width x height except the three outermost pixels of each corner,
// which belong to the parent.
void PaintButtonFace(TCanvas& canvas, int width, int height, const TButtonFaceStyle& style);

// The frame colour the button shows: FrameColor, or a shade of the face when disabled.
TColor ButtonFrameColor(const TButtonFaceStyle& style);

}  // namespace widgets
