#pragma once
// The classic 13 x 13 check-box square of the desktop: a sunken two-pixel ring around a 9 x 9
// interior whose fill and tick tell the state.

#include <cstdint>

#include "widgets/paint/color_base.h"

namespace widgets {

// State flags of the square, with the values the desktop gave them.
enum TCheckImageFlag : std::uint32_t {
  DFCS_BUTTONCHECK = 0x0000,
  DFCS_BUTTON3STATE = 0x0008,
  DFCS_INACTIVE = 0x0100,
  DFCS_PUSHED = 0x0200,
  DFCS_CHECKED = 0x0400,
};

inline constexpr int CheckImageSize = 13;

// Paints the square with its top-left corner at (x, y). Checked and 3-state together is the
// grayed (indeterminate) look.
void PaintCheckImage(TCanvas& canvas, int x, int y, std::uint32_t flags);

}  // namespace widgets
