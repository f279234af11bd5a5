#include "widgets/paint/button_face.h"

#include "gui/graphics/canvas.h"
#include "widgets/paint/color_ops.h"
#include "widgets/paint/frames.h"
#include "widgets/paint/gradients.h"
#include "widgets/paint/marks.h"

namespace widgets {

namespace {

// A row from x0 to x1 or a column from y0 to y1, both ends included.
void Row(TCanvas& canvas, int y, int x0, int x1, TColor color) {
  FillSolid(canvas, {x0, y, x1 + 1, y + 1}, color);
}
void Column(TCanvas& canvas, int x, int y0, int y1, TColor color) {
  FillSolid(canvas, {x, y0, x + 1, y1 + 1}, color);
}

void PaintOuterRing(TCanvas& canvas, int w, int h, const TButtonFaceStyle& s) {
  const bool enabled = s.State != bfDisabled;
  const TColor dark = enabled ? DarkenColor(s.ParentColor, 20) : ColorToRGB(s.ParentColor);
  const TColor light = enabled ? LightenColor(s.ParentColor, 20) : ColorToRGB(s.ParentColor);
  Column(canvas, 0, 2, h - 3, dark);
  Row(canvas, 0, 2, w - 3, dark);
  Column(canvas, w - 1, 2, h - 3, light);
  Row(canvas, h - 1, 2, w - 3, light);
  canvas.SetPixel(1, 1, dark);
  canvas.SetPixel(w - 2, 1, dark);
  canvas.SetPixel(1, h - 2, dark);
  canvas.SetPixel(w - 2, h - 2, light);
}

void PaintFrameRing(TCanvas& canvas, int w, int h, TColor color) {
  Column(canvas, 1, 2, h - 3, color);
  Column(canvas, w - 2, 2, h - 3, color);
  Row(canvas, 1, 2, w - 3, color);
  Row(canvas, h - 2, 2, w - 3, color);
}

// The resting face: a gradient from light at the top to a little darker at the bottom, above
// two shading rows.
void PaintFaceBackground(TCanvas& canvas, const TRect& face, TColor color) {
  Row(canvas, face.Bottom - 2, face.Left, face.Right - 1, DarkenColor(color, 20));
  Row(canvas, face.Bottom - 1, face.Left, face.Right - 1, DarkenColor(color, 30));
  const TRect area{face.Left, face.Top, face.Right, face.Bottom - 2};
  if (HasFullColorDisplay())
    PaintGradientRect(canvas, area, gdHorizontalEnd, LightenColor(color, 30), DarkenColor(color, 10));
  else
    FillSolid(canvas, area, color);
}

void PaintHoverRing(TCanvas& canvas, const TRect& face, const TButtonFaceStyle& s) {
  if (s.HotTrackColorType == htctActual) {
    PaintHotRing(canvas, face, gdHorizontalEnd, MixColors(clWhite, s.HotTrackColor, 190),
                 ColorToRGB(s.HotTrackColor));
  } else {
    const TColor start = OppositeHueColor(s.HotTrackColor, 180);
    PaintHotRing(canvas, face, gdHorizontalEnd, start, DarkenColor(start, 30));
  }
}

void PaintFocusRing(TCanvas& canvas, const TRect& face, const TButtonFaceStyle& s) {
  // A highlight close to the face colour would not show; a darker shade of it does.
  const TColor highlight =
      ColorsNearlyEqual(s.HighlightColor, clBtnFace) ? DarkenColor(s.HighlightColor, 30) : s.HighlightColor;
  const TColor light = LightenColor(s.Color, 30);
  PaintHotRing(canvas, face, gdHorizontalEnd, MixColors(highlight, light, 60), MixColors(highlight, light, 160));
}

}  // namespace

TColor ButtonFrameColor(const TButtonFaceStyle& style) {
  if (style.State != bfDisabled) return style.FrameColor;
  return style.Color == clBtnFace ? LightenColor(clBtnShadow, 30) : DarkenColor(style.Color, 80);
}

void PaintButtonFace(TCanvas& canvas, int width, int height, const TButtonFaceStyle& style) {
  PaintOuterRing(canvas, width, height, style);
  PaintFrameRing(canvas, width, height, ButtonFrameColor(style));
  const TRect face{2, 2, width - 2, height - 2};
  switch (style.State) {
    case bfDisabled: FillSolid(canvas, face, style.Color); break;
    case bfPressed: FillSolid(canvas, face, DarkenColor(style.Color, 10)); break;
    case bfHot:
      PaintFaceBackground(canvas, face, style.Color);
      PaintHoverRing(canvas, face, style);
      break;
    case bfFocused:
      PaintFaceBackground(canvas, face, style.Color);
      PaintFocusRing(canvas, face, style);
      break;
    case bfNormal: PaintFaceBackground(canvas, face, style.Color); break;
  }
}

}  // namespace widgets
