#pragma once

// A canvas for measuring text outside any paint pass (auto-sizing before a form is shown).

#include "gui/graphics/canvas.h"

namespace gui {

// A canvas on a private 1 x 1 bitmap with the given font; valid until the next call.
TCanvas& MeasureCanvas(const TFont& font);

}  // namespace gui
