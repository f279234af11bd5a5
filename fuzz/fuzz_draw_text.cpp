// DrawText with any flags, rectangle, font and Windows-1251 text: it must neither crash nor
// write outside its canvas, and CALCRECT must give a block that drawing the same text agrees with.

#include <array>
#include <cstdlib>

#include "fuzz/fuzz_input.h"
#include "gui/graphics/bitmap.h"
#include "gui/graphics/canvas.h"
#include "gui/graphics/graphics_error.h"
#include "gui/graphics/text.h"

namespace {

constexpr std::array<const char*, 4> Faces = {"MS Sans Serif", "Tahoma", "Comic Sans MS", "No Such Face"};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  fuzz::TFuzzInput input(data, size);
  const auto flags = input.Take<std::uint16_t>();
  const auto face = input.Take<std::uint8_t>();
  const auto height = input.Take<std::int8_t>();
  const auto style = input.Take<std::uint8_t>();
  // Rectangles reach past every edge of the canvas and may be empty or inverted.
  gui::TRect rect{input.Take<std::int8_t>(), input.Take<std::int8_t>(), input.Take<std::int16_t>() % 300,
                  input.Take<std::int8_t>()};
  const std::string_view text = input.Rest();

  gui::TBitmap bitmap(96, 48, gui::clWhite);
  gui::TCanvas& canvas = bitmap.Canvas();
  canvas.Font.SetName(Faces[face % Faces.size()]);
  canvas.Font.SetHeight(height);
  canvas.Font.SetStyle(gui::TFontStyles{static_cast<gui::TFontStyle>(style & 0x0F)});
  canvas.Brush.Style = (style & 0x10) ? gui::bsClear : gui::bsSolid;
  try {
    gui::TRect measured = rect;
    const int calculated = gui::DrawText(canvas, text, measured, flags | gui::DT_CALCRECT);
    gui::TRect drawn = rect;
    const int height = gui::DrawText(canvas, text, drawn, flags & ~gui::DT_CALCRECT);
    if (calculated != height) std::abort();
  } catch (const gui::EGraphicsError&) {
    // A face that cannot be opened is the outside world's failure, reported as such.
  }
  return 0;
}
