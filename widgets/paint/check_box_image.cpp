#include "widgets/paint/check_box_image.h"

#include "gui/graphics/canvas.h"
#include "widgets/paint/frames.h"

namespace widgets {

namespace {

// Top pixel of each of the tick's seven columns (x = 3..9 of the square); each column is three
// pixels tall.
constexpr int TickTops[7] = {5, 6, 7, 6, 5, 4, 3};
constexpr int TickLeft = 3;

}  // namespace

void PaintCheckImage(TCanvas& canvas, int x, int y, std::uint32_t flags) {
  const int n = CheckImageSize;
  const bool checked = (flags & DFCS_CHECKED) != 0;
  const bool grayed = checked && (flags & DFCS_BUTTON3STATE) != 0;
  const bool inactive = (flags & DFCS_INACTIVE) != 0;
  const bool pushed = (flags & DFCS_PUSHED) != 0;

  // The sunken ring: shadow over dark shadow at the top and left, light over highlight at the
  // bottom and right, each outer line running into the far corner.
  FillSolid(canvas, {x, y, x + n - 1, y + 1}, clBtnShadow);
  FillSolid(canvas, {x, y, x + 1, y + n - 1}, clBtnShadow);
  FillSolid(canvas, {x, y + n - 1, x + n, y + n}, clBtnHighlight);
  FillSolid(canvas, {x + n - 1, y, x + n, y + n}, clBtnHighlight);
  FillSolid(canvas, {x + 1, y + 1, x + n - 2, y + 2}, cl3DDkShadow);
  FillSolid(canvas, {x + 1, y + 1, x + 2, y + n - 2}, cl3DDkShadow);
  FillSolid(canvas, {x + 1, y + n - 2, x + n - 1, y + n - 1}, cl3DLight);
  FillSolid(canvas, {x + n - 2, y + 1, x + n - 1, y + n - 1}, cl3DLight);

  const TRect interior{x + 2, y + 2, x + n - 2, y + n - 2};
  if (grayed && !pushed && !inactive) {
    // A half-tone of face and white, as the desktop shows an undecided box.
    const TColor face = ColorToRGB(clBtnFace);
    for (int py = interior.Top; py < interior.Bottom; ++py)
      for (int px = interior.Left; px < interior.Right; ++px)
        canvas.SetPixel(px, py, ((px - x) + (py - y)) % 2 == 0 ? face : clWhite);
  } else {
    FillSolid(canvas, interior, pushed || inactive ? clBtnFace : clWindow);
  }

  if (!checked) return;
  const TColor tick = grayed || inactive ? ColorToRGB(clBtnShadow) : ColorToRGB(gui::clWindowText);
  for (int i = 0; i < 7; ++i)
    FillSolid(canvas, {x + TickLeft + i, y + TickTops[i], x + TickLeft + i + 1, y + TickTops[i] + 3}, tick);
}

}  // namespace widgets
