#include "dialogs/dialog_units.h"

#include <cstdint>
#include <cstdlib>

#include "gui/graphics/measure_canvas.h"

namespace dialogs {

int MulDiv(int a, int b, int c) {
  if (c == 0) return -1;
  const std::int64_t product = std::int64_t(a) * b;
  const std::int64_t half = std::llabs(c) / 2;
  const bool negative = (product < 0) != (c < 0);
  const std::int64_t magnitude = (std::llabs(product) + half) / std::llabs(c);
  return int(negative ? -magnitude : magnitude);
}

TDialogUnits DialogUnitsOf(const gui::TFont& font) {
  static constexpr char kLetters[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz";
  const gui::TSize size = gui::MeasureCanvas(font).TextExtent(kLetters);
  return {size.Width / 52, size.Height};
}

}  // namespace dialogs
