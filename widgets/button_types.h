#pragma once
// Enumerations of the push buttons and the check box. Ordinals are stored by layouts, so their
// order is fixed.

#include <cstdint>

#include "gui/std/std_types.h"
// TAlignmentVertical and TTextStyle are shared with the panels and the labels.
#include "widgets/custom_panel.h"
#include "widgets/label.h"
#include "widgets/paint/draw_types.h"

namespace widgets {

enum TButtonLayout : std::uint8_t { blGlyphLeft = 0, blGlyphRight = 1, blGlyphTop = 2, blGlyphBottom = 3 };

enum TBitBtnKind : std::uint8_t {
  bkCustom = 0,
  bkOK = 1,
  bkCancel = 2,
  bkHelp = 3,
  bkYes = 4,
  bkNo = 5,
  bkClose = 6,
  bkAbort = 7,
  bkRetry = 8,
  bkIgnore = 9,
  bkAll = 10,
};

// How many images a glyph strip holds, side by side: 1..4.
using TNumGlyphs = int;

enum TCheckBoxState : std::uint8_t { cbUnchecked = 0, cbChecked = 1, cbGrayed = 2 };

}  // namespace widgets
