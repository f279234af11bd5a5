// The drawing helpers' section of the widget sheet. Left block: one row per frame style (fsNone .. fsFlatRounded),
// columns all sides, left, top, right, bottom; system colours first, then the same in shades of a blue base.
// Below: the ten gradient directions in their ordinal order, then hot rings and check squares in each state.

#include "gui/graphics/bitmap.h"
#include "gui/graphics/canvas.h"
#include "tools/widget_sheet/sheet.h"
#include "widgets/paint/color_ops.h"
#include "widgets/paint/frames.h"
#include "widgets/paint/gradients.h"
#include "widgets/paint/marks.h"

namespace widgets {
namespace {

constexpr int CellW = 40, CellH = 28, FrameW = 32, FrameH = 20;
constexpr TColor Base = 0xCC6633;

void PaintFrameCell(TCanvas& canvas, int x, int y, int style, TSides sides, bool colored) {
  const TRect r{x, y, x + FrameW, y + FrameH};
  const auto ex = static_cast<TFrameStyleEx>(style);
  if (ex == fsFlatRounded)
    StrokeRoundedBox(canvas, r, colored ? DarkenColor(Base, 50) : ColorToRGB(clBtnShadow), sides);
  else if (colored)
    PaintColorFrameStyle(canvas, r, Base, ex, sides);
  else
    PaintFrameStyle(canvas, r, ex, sides);
}

TBitmap RenderSheet() {
  TBitmap sheet = sheet::Blank(440, 560, ColorToRGB(clBtnFace));
  TCanvas& canvas = sheet.Canvas();
  const TSides sideSets[] = {AllSides, sdLeft, sdTop, sdRight, sdBottom};
  for (int style = 0; style < FrameStyleExCount; ++style) {
    for (int col = 0; col < 5; ++col) {
      PaintFrameCell(canvas, 4 + col * CellW, 4 + style * CellH, style, sideSets[col], false);
      PaintFrameCell(canvas, 224 + col * CellW, 4 + style * CellH, style, sideSets[col], true);
    }
  }
  const int top = 4 + FrameStyleExCount * CellH + 8;
  for (int d = 0; d < GradientDirectionCount; ++d) {
    const int x = 4 + (d % 5) * 86, y = top + (d / 5) * 64;
    PaintGradientRect(canvas, {x, y, x + 80, y + 58}, static_cast<TGradientDirection>(d), clWhite, 0x993300);
  }
  const int marks = top + 2 * 64 + 4;
  for (int d = 0; d < GradientDirectionCount; ++d) {
    const int x = 4 + d * 30;
    PaintHotRing(canvas, {x, marks, x + 26, marks + 20}, static_cast<TGradientDirection>(d), 0x00CCFF, 0x0066CC);
  }
  TCheckGlyphStyle glyph;
  glyph.FrameColor = 0x993300;
  glyph.HotFrameColor = 0x0066CC;
  glyph.HotHighlightColor = 0x00CCFF;
  glyph.FocusColor = 0xFFF0E0;
  int x = 4;
  for (int check = 0; check < 3; ++check) {
    for (int draw = 0; draw < 4; ++draw) {
      for (TCheckHotTrack hot : {chtInterior, chtFrame}) {
        glyph.HotTrack = hot;
        PaintCheckGlyph(canvas, {x, marks + 26, x + 13, marks + 39}, static_cast<TCheckGlyphState>(check),
                        static_cast<TCheckDrawState>(draw), glyph);
        x += 17;
      }
    }
  }
  return sheet;
}

const sheet::TSectionRegistrar Registered(0, "Frames, gradients, hot rings and check squares",
                                          [](sheet::TTestApp&) { return RenderSheet(); });

}  // namespace
}  // namespace widgets
