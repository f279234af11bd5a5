#include "gui/graphics/measure_canvas.h"

namespace gui {

TCanvas& MeasureCanvas(const TFont& font) {
  static TBitmap bitmap(1, 1);
  TCanvas& canvas = bitmap.Canvas();
  canvas.ResetClip();
  canvas.SetOrigin({0, 0});
  canvas.Font.Assign(font);
  return canvas;
}

}  // namespace gui
